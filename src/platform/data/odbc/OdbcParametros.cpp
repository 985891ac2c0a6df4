#include "platform/data/odbc/OdbcParametros.h"

#include "platform/data/odbc/BibliotecaOdbc.h"

#include <QDateTime>

namespace {

// Date and time parameters carry milliseconds.
constexpr SQLULEN tamanoFecha = 23;
constexpr SQLSMALLINT decimalesFecha = 3;

SQL_TIMESTAMP_STRUCT estructuraFecha(const QDateTime& f)
{
    SQL_TIMESTAMP_STRUCT e = {};
    e.year = SQLSMALLINT(f.date().year());
    e.month = SQLUSMALLINT(f.date().month());
    e.day = SQLUSMALLINT(f.date().day());
    e.hour = SQLUSMALLINT(f.time().hour());
    e.minute = SQLUSMALLINT(f.time().minute());
    e.second = SQLUSMALLINT(f.time().second());
    e.fraction = SQLUINTEGER(f.time().msec()) * 1000000u;
    return e;
}

}  // namespace

void ParametrosOdbc::agrega(const QVariant& valor, const ColumnaOdbc& columna)
{
    Parametro p;
    if (valor.isNull()) {
        p.indicador = SQL_NULL_DATA;
    } else {
        switch (valor.typeId()) {
        case QMetaType::Bool:
            p.tipoC = SQL_C_BIT;
            p.tipoSql = SQL_BIT;
            p.bit = valor.toBool() ? 1 : 0;
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::UChar:
        case QMetaType::SChar:
            p.tipoC = SQL_C_SBIGINT;
            p.tipoSql = SQL_BIGINT;
            p.tamano = 19;
            p.entero = valor.toLongLong();
            break;
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
            p.tipoC = SQL_C_DOUBLE;
            p.tipoSql = SQL_DOUBLE;
            p.tamano = 15;
            p.real = valor.toDouble();
            break;
        case QMetaType::QDateTime:
        case QMetaType::QDate:
            p.tipoC = SQL_C_TYPE_TIMESTAMP;
            p.tipoSql = SQL_TYPE_TIMESTAMP;
            p.tamano = tamanoFecha;
            p.decimales = decimalesFecha;
            p.fecha = estructuraFecha(valor.toDateTime());
            break;
        case QMetaType::QByteArray:
            p.tipoC = SQL_C_BINARY;
            p.tipoSql = SQL_VARBINARY;
            p.datos = valor.toByteArray();
            p.tamano = SQLULEN(qMax<qsizetype>(1, p.datos.size()));
            p.indicador = p.datos.size();
            break;
        default:
            p.datos = valor.toString().toUtf8();
            p.tamano = SQLULEN(qMax<qsizetype>(1, p.datos.size()));
            p.indicador = p.datos.size();
            break;
        }
    }
    if (columna.tipo != SQL_UNKNOWN_TYPE) {
        p.tipoSql = columna.tipo;
        if (columna.tamano > 0)
            p.tamano = columna.tamano;
        p.decimales = columna.decimales;
    }
    lista_.push_back(p);
}

SQLRETURN ParametrosOdbc::enlaza(SQLHSTMT st)
{
    SQLUSMALLINT numero = 0;
    for (Parametro& p : lista_) {
        SQLPOINTER dato = p.datos.data();
        SQLLEN largo = p.datos.size();
        switch (p.tipoC) {
        case SQL_C_BIT:
            dato = &p.bit;
            largo = sizeof p.bit;
            break;
        case SQL_C_SBIGINT:
            dato = &p.entero;
            largo = sizeof p.entero;
            break;
        case SQL_C_DOUBLE:
            dato = &p.real;
            largo = sizeof p.real;
            break;
        case SQL_C_TYPE_TIMESTAMP:
            dato = &p.fecha;
            largo = sizeof p.fecha;
            break;
        default:
            break;
        }
        const SQLRETURN r = odbc().BindParameter(st, ++numero, SQL_PARAM_INPUT, p.tipoC, p.tipoSql, p.tamano,
                                                 p.decimales, dato, largo, &p.indicador);
        if (!exitoOdbc(r))
            return r;
    }
    return SQL_SUCCESS;
}
