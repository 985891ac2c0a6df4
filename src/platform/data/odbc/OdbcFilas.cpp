#include "platform/data/odbc/OdbcFilas.h"

#include "platform/data/FechasLocales.h"
#include "platform/data/odbc/BibliotecaOdbc.h"

namespace {

// Character and binary data arrive in chunks of this size.
constexpr SQLLEN trozo = 8192;

enum class Forma { Entero, Bit, Real, Decimal, Fecha, Binario, Texto };

Forma formaDe(SQLSMALLINT tipo)
{
    switch (tipo) {
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
        return Forma::Entero;
    case SQL_BIT:
        return Forma::Bit;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return Forma::Real;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return Forma::Decimal;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATE:
    case SQL_TIME:
    case SQL_TIMESTAMP:
        return Forma::Fecha;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return Forma::Binario;
    default:
        return Forma::Texto;
    }
}

// Reads a character or binary column whole, chunk by chunk.
SQLRETURN leeBytes(SQLHSTMT st, SQLUSMALLINT columna, SQLSMALLINT tipoC, QByteArray& datos, bool& nulo)
{
    // Character chunks end in a terminator that is not data.
    const SQLLEN util = tipoC == SQL_C_CHAR ? trozo - 1 : trozo;
    QByteArray pieza(trozo, '\0');
    for (;;) {
        SQLLEN indicador = 0;
        const SQLRETURN r = odbc().GetData(st, columna, tipoC, pieza.data(), trozo, &indicador);
        if (r == SQL_NO_DATA)
            return SQL_SUCCESS;
        if (!exitoOdbc(r))
            return r;
        if (indicador == SQL_NULL_DATA) {
            nulo = true;
            return SQL_SUCCESS;
        }
        const bool quedaMas = indicador == SQL_NO_TOTAL || indicador > util;
        datos.append(pieza.constData(), quedaMas ? util : indicador);
        if (r == SQL_SUCCESS || !quedaMas)
            return SQL_SUCCESS;
    }
}

template <typename T>
SQLRETURN leeFijo(SQLHSTMT st, SQLUSMALLINT columna, SQLSMALLINT tipoC, T& dato, bool& nulo)
{
    SQLLEN indicador = 0;
    const SQLRETURN r = odbc().GetData(st, columna, tipoC, &dato, sizeof dato, &indicador);
    nulo = indicador == SQL_NULL_DATA;
    return r;
}

QVariant decimalDeTexto(const QString& texto, SQLSMALLINT decimales)
{
    bool bien = false;
    if (decimales == 0) {
        const qlonglong entero = texto.toLongLong(&bien);
        if (bien)
            return entero;
    }
    const double real = texto.toDouble(&bien);
    return bien ? QVariant(real) : QVariant(texto);
}

// A time alone lands on day zero, 30 December 1899, where dates count from.
QVariant fechaDe(const SQL_TIMESTAMP_STRUCT& f, bool soloHora, FechasLocales& fechas)
{
    const QDate dia = soloHora ? QDate(1899, 12, 30) : QDate(f.year, f.month, f.day);
    const QTime hora(f.hour, f.minute, f.second, int(f.fraction / 1000000));
    if (!dia.isValid() || !hora.isValid())
        return {};
    return fechas.fecha(dia, hora);
}

SQLRETURN leeValor(SQLHSTMT st, SQLUSMALLINT columna, const ColumnaOdbc& c, FechasLocales& fechas, QVariant& valor)
{
    bool nulo = false;
    SQLRETURN r = SQL_SUCCESS;
    switch (formaDe(c.tipo)) {
    case Forma::Entero: {
        SQLBIGINT entero = 0;
        r = leeFijo(st, columna, SQL_C_SBIGINT, entero, nulo);
        valor = qlonglong(entero);
        break;
    }
    case Forma::Bit: {
        SQLCHAR bit = 0;
        r = leeFijo(st, columna, SQL_C_BIT, bit, nulo);
        valor = bit != 0;
        break;
    }
    case Forma::Real: {
        SQLDOUBLE real = 0;
        r = leeFijo(st, columna, SQL_C_DOUBLE, real, nulo);
        valor = double(real);
        break;
    }
    case Forma::Fecha: {
        // Time columns are read as time only: not every driver widens them.
        const bool soloHora = c.tipo == SQL_TYPE_TIME || c.tipo == SQL_TIME;
        SQL_TIMESTAMP_STRUCT fecha = {};
        if (soloHora) {
            SQL_TIME_STRUCT hora = {};
            r = leeFijo(st, columna, SQL_C_TYPE_TIME, hora, nulo);
            fecha.hour = hora.hour;
            fecha.minute = hora.minute;
            fecha.second = hora.second;
        } else {
            r = leeFijo(st, columna, SQL_C_TYPE_TIMESTAMP, fecha, nulo);
        }
        valor = fechaDe(fecha, soloHora, fechas);
        break;
    }
    case Forma::Binario: {
        QByteArray datos;
        r = leeBytes(st, columna, SQL_C_BINARY, datos, nulo);
        valor = datos;
        break;
    }
    case Forma::Decimal:
    case Forma::Texto: {
        QByteArray datos;
        r = leeBytes(st, columna, SQL_C_CHAR, datos, nulo);
        const QString texto = QString::fromUtf8(datos);
        valor = formaDe(c.tipo) == Forma::Decimal ? decimalDeTexto(texto, c.decimales) : QVariant(texto);
        break;
    }
    }
    if (nulo)
        valor = QVariant();
    return r;
}

SQLRETURN describe(SQLHSTMT st, SQLSMALLINT cuantas, std::vector<ColumnaOdbc>& columnas)
{
    columnas.clear();
    for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(cuantas); ++i) {
        QByteArray nombre(1024, '\0');
        SQLSMALLINT largo = 0, anulable = 0;
        ColumnaOdbc c;
        const SQLRETURN r = odbc().DescribeCol(st, i, reinterpret_cast<SQLCHAR*>(nombre.data()), SQLSMALLINT(nombre.size()),
                                               &largo, &c.tipo, &c.tamano, &c.decimales, &anulable);
        if (!exitoOdbc(r))
            return r;
        nombre.truncate(qMin<qsizetype>(largo, nombre.size() - 1));
        c.nombre = QString::fromUtf8(nombre);
        columnas.push_back(c);
    }
    return SQL_SUCCESS;
}

}  // namespace

SQLRETURN leeResultado(SQLHSTMT st, ResultadoOdbc& resultado)
{
    SQLSMALLINT cuantas = 0;
    SQLRETURN r = odbc().NumResultCols(st, &cuantas);
    if (!exitoOdbc(r))
        return r;
    r = describe(st, cuantas, resultado.columnas);
    if (!exitoOdbc(r))
        return r;
    resultado.filas.clear();
    FechasLocales fechas;
    while (exitoOdbc(r = odbc().Fetch(st))) {
        QVector<QVariant> fila(cuantas);
        for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(cuantas); ++i) {
            const SQLRETURN rv = leeValor(st, i, resultado.columnas[i - 1], fechas, fila[i - 1]);
            if (!exitoOdbc(rv))
                return rv;
        }
        resultado.filas.append(fila);
    }
    return r == SQL_NO_DATA ? SQL_SUCCESS : r;
}
