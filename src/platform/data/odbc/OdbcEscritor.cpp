#include "platform/data/odbc/OdbcEscritor.h"

#include "platform/base/Err.h"
#include "platform/data/odbc/BibliotecaOdbc.h"
#include "platform/data/odbc/OdbcEjecucion.h"
#include "platform/data/sql/TablaDeConsulta.h"

#include <optional>

namespace {

const QString fuente = QStringLiteral("ODBC");

struct Estado {
    std::weak_ptr<EnlaceOdbc> enlace;
    QString tabla;
    std::vector<ColumnaOdbc> columnas;
    Comillas comillas;
    ErroresDatos* errores;
    std::optional<QStringList> clave;  // looked up on the first UPDATE
};

QString nombreSql(const QString& nombre, Comillas comillas)
{
    if (comillas == Comillas::Corchetes)
        return QLatin1Char('[') + QString(nombre).replace(QLatin1Char(']'), QStringLiteral("]]")) + QLatin1Char(']');
    return QLatin1Char('"') + QString(nombre).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

qsizetype indiceDe(const QStringList& lista, const QString& nombre)
{
    for (qsizetype i = 0; i < lista.size(); ++i)
        if (lista[i].compare(nombre, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

ColumnaOdbc columnaDe(const Estado& e, const QString& nombre)
{
    for (const ColumnaOdbc& c : e.columnas)
        if (c.nombre.compare(nombre, Qt::CaseInsensitive) == 0)
            return c;
    ColumnaOdbc desconocida;
    desconocida.nombre = nombre;
    return desconocida;
}

// Long and binary columns cannot stand in an equality on every server.
bool comparable(const ColumnaOdbc& c)
{
    switch (c.tipo) {
    case SQL_LONGVARCHAR:
    case SQL_WLONGVARCHAR:
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return false;
    default:
        return true;
    }
}

QStringList clavePrimaria(const EnlaceOdbc& enlace, const QString& tabla)
{
    SentenciaOdbc sentencia(enlace);
    if (sentencia.manejador() == SQL_NULL_HSTMT)
        return {};
    const QStringList partes = PartesDeNombre(tabla);
    QByteArray catalogo = partes[0].toUtf8(), esquema = partes[1].toUtf8(), nombre = partes[2].toUtf8();
    auto texto = [](QByteArray& b) { return b.isEmpty() ? nullptr : reinterpret_cast<SQLCHAR*>(b.data()); };
    ResultadoOdbc r;
    if (!exitoOdbc(odbc().PrimaryKeys(sentencia.manejador(), texto(catalogo), SQL_NTS, texto(esquema), SQL_NTS,
                                      texto(nombre), SQL_NTS))
            || !exitoOdbc(leeResultado(sentencia.manejador(), r)))
        return {};
    // The fourth column of the answer is the key column's name.
    QStringList clave;
    for (const auto& fila : r.filas)
        if (fila.size() > 3)
            clave << fila[3].toString();
    return clave;
}

// The columns that find the row again: the whole primary key when the
// recordset read it, else every comparable column.
QStringList columnasDeBusqueda(Estado& e, const EnlaceOdbc& enlace, const QStringList& todas)
{
    if (!e.clave)
        e.clave = clavePrimaria(enlace, e.tabla);
    bool claveEntera = !e.clave->isEmpty();
    for (const QString& k : *e.clave)
        claveEntera = claveEntera && todas.contains(k, Qt::CaseInsensitive);
    if (claveEntera)
        return *e.clave;
    QStringList busqueda;
    for (const QString& c : todas)
        if (comparable(columnaDe(e, c)))
            busqueda << c;
    return busqueda;
}

void inserta(Estado& e, const EnlaceOdbc& enlace, const Recordset::Cambio& cambio)
{
    const QStringList& columnas = cambio.columnas;
    ParametrosOdbc parametros;
    QStringList nombres, marcas;
    for (qsizetype i = 0; i < columnas.size(); ++i) {
        nombres << nombreSql(columnas[i], e.comillas);
        marcas << QStringLiteral("?");
        parametros.agrega(cambio.valores.value(i), columnaDe(e, columnas[i]));
    }
    const QString sql = columnas.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(e.tabla)
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(e.tabla, nombres.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
    ejecutaOdbc(enlace, sql, *e.errores, &parametros);
}

[[noreturn]] void rechazaFila(ErroresDatos& errores, const QString& texto)
{
    ErrorDatos error;
    error.Number = NumeroError::FilaNoEncontrada;
    error.Description = texto;
    errores.Agrega(error);
    throw Err(NumeroError::FilaNoEncontrada, texto, fuente);
}

void actualiza(Estado& e, const EnlaceOdbc& enlace, const Recordset::Cambio& cambio)
{
    const QStringList& columnas = cambio.columnas;
    if (columnas.isEmpty())
        return;
    const QStringList busqueda = columnasDeBusqueda(e, enlace, cambio.todasLasColumnas);
    if (busqueda.isEmpty())
        throw Err(NumeroError::NoActualizable, QStringLiteral("No hay columnas con que ubicar la fila de %1").arg(e.tabla),
                  fuente);
    ParametrosOdbc parametros;
    QStringList asignaciones, condiciones;
    for (qsizetype i = 0; i < columnas.size(); ++i) {
        asignaciones << nombreSql(columnas[i], e.comillas) + QStringLiteral(" = ?");
        parametros.agrega(cambio.valores.value(i), columnaDe(e, columnas[i]));
    }
    for (const QString& c : busqueda) {
        const QVariant original = cambio.filaOriginal.value(indiceDe(cambio.todasLasColumnas, c));
        if (original.isNull()) {
            condiciones << nombreSql(c, e.comillas) + QStringLiteral(" IS NULL");
            continue;
        }
        condiciones << nombreSql(c, e.comillas) + QStringLiteral(" = ?");
        parametros.agrega(original, columnaDe(e, c));
    }
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                            .arg(e.tabla, asignaciones.join(QStringLiteral(", ")), condiciones.join(QStringLiteral(" AND ")));
    const long filas = ejecutaOdbc(enlace, sql, *e.errores, &parametros);
    if (filas == 0)
        rechazaFila(*e.errores, QStringLiteral("No se encuentra la fila para actualizar: pudo cambiar desde que se leyó"));
    if (filas > 1)
        rechazaFila(*e.errores,
                    QStringLiteral("La actualización alcanzó %1 filas: la fila leída no se distingue de otras").arg(filas));
}

}  // namespace

Recordset::Escritor escritorOdbc(std::weak_ptr<EnlaceOdbc> enlace, const QString& tabla,
                                 std::vector<ColumnaOdbc> columnas, Comillas comillas, ErroresDatos* errores)
{
    auto estado = std::make_shared<Estado>(Estado{std::move(enlace), tabla, std::move(columnas), comillas, errores, {}});
    return [estado](const Recordset::Cambio& cambio) {
        if (estado->tabla.isEmpty())
            throw Err(NumeroError::NoActualizable,
                      QStringLiteral("La consulta no lee una sola tabla: el conjunto de registros no se puede actualizar"),
                      fuente);
        const std::shared_ptr<EnlaceOdbc> abierto = estado->enlace.lock();
        if (!abierto)
            throw Err(NumeroError::NoActualizable, QStringLiteral("La conexión del conjunto de registros está cerrada"),
                      fuente);
        if (cambio.nuevo)
            inserta(*estado, *abierto, cambio);
        else
            actualiza(*estado, *abierto, cambio);
    };
}
