#include "platform/data/odbc/OdbcCadena.h"

#include "platform/base/Ajustes.h"

#include <QList>
#include <QPair>

namespace {

const QString puertoSqlServer = QStringLiteral("1433");

// Values with separators or edge blanks go between braces, as ODBC reads them.
QString valorOdbc(const QString& valor)
{
    const bool simple = !valor.contains(QLatin1Char(';')) && !valor.contains(QLatin1Char('{'))
                        && !valor.contains(QLatin1Char('}')) && valor.trimmed() == valor;
    if (simple)
        return valor;
    return QLatin1Char('{') + QString(valor).replace(QLatin1Char('}'), QStringLiteral("}}")) + QLatin1Char('}');
}

QString par(const QString& clave, const QString& valor)
{
    return clave + QLatin1Char('=') + valorOdbc(valor) + QLatin1Char(';');
}

// An OLE DB string's pairs, keys trimmed; values keep everything up to ";".
QList<QPair<QString, QString>> paresOleDb(const QString& cadena)
{
    QList<QPair<QString, QString>> pares;
    for (const QString& trozo : cadena.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype igual = trozo.indexOf(QLatin1Char('='));
        if (igual < 0)
            continue;
        pares.append({trozo.left(igual).trimmed(), trozo.mid(igual + 1).trimmed()});
    }
    return pares;
}

QString valorDe(const QList<QPair<QString, QString>>& pares, const QString& clave)
{
    for (const auto& [k, v] : pares)
        if (k.compare(clave, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

bool esOracleOleDb(const QList<QPair<QString, QString>>& pares)
{
    return valorDe(pares, QStringLiteral("Provider")).contains(QLatin1String("oracle"), Qt::CaseInsensitive);
}

CadenaOdbc cadenaOracle(const QList<QPair<QString, QString>>& pares)
{
    return {par(QStringLiteral("DSN"), valorDe(pares, QStringLiteral("Data Source")))
                + par(QStringLiteral("UID"), valorDe(pares, QStringLiteral("User Id")))
                + par(QStringLiteral("PWD"), valorDe(pares, QStringLiteral("Password"))),
            QStringLiteral("oracle")};
}

CadenaOdbc cadenaSqlServer(const DatosConexion& datos)
{
    const QString servidor = datos.servidor.trimmed();
    QString host = servidor;
    QString puerto = puertoSqlServer;
    qsizetype separador = servidor.indexOf(QLatin1Char(','));
    if (separador < 0)
        separador = servidor.indexOf(QLatin1Char(':'));
    if (separador >= 0) {
        host = servidor.left(separador).trimmed();
        const QString dado = servidor.mid(separador + 1).trimmed();
        if (!dado.isEmpty())
            puerto = dado;
    }
    const QString driver =
        Ajustes::valor(QStringLiteral("odbc/driver"), "ESCANEO_ODBC_DRIVER", QStringLiteral("FreeTDS")).trimmed();
    return {par(QStringLiteral("Driver"), driver) + par(QStringLiteral("Server"), host)
                + par(QStringLiteral("Port"), puerto) + par(QStringLiteral("Database"), datos.baseDatos)
                + par(QStringLiteral("UID"), datos.usuario) + par(QStringLiteral("PWD"), datos.password)
                + QStringLiteral("ClientCharset=UTF-8;TDS_Version=7.4;"),
            QStringLiteral("SQLOLEDB")};
}

}  // namespace

CadenaOdbc cadenaOdbc(const DatosConexion& datos)
{
    if (datos.cadena.trimmed().isEmpty())
        return cadenaSqlServer(datos);
    const auto pares = paresOleDb(datos.cadena);
    if (esOracleOleDb(pares))
        return cadenaOracle(pares);
    return {datos.cadena, QStringLiteral("ODBC")};
}
