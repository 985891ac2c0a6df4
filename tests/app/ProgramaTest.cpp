#include "platform/data/sqlite/MotorSqlite.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <tuple>

namespace {

// The file's bytes and time, and every name in its folder.
std::tuple<QByteArray, QDateTime, QStringList> huella(const QString& archivo)
{
    QFile f(archivo);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return {f.readAll(), QFileInfo(archivo).lastModified(),
            QFileInfo(archivo).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)};
}

void escribe(const QString& archivo, const QByteArray& contenido)
{
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenido);
}

}  // namespace

// A file that is no database of this system, named as the database: the
// program ends at once with one line on standard error saying why, and the
// file and its folder stay as they were.
TEST(Programa, AFileThatIsNoDatabaseOfThisSystemIsAFailedConnectionAndStaysUntouched)
{
    QTemporaryDir dir;
    const QString guion = dir.filePath(QStringLiteral("ajena.sql"));
    escribe(guion, "CREATE TABLE clientes (id INTEGER PRIMARY KEY, nombre TEXT);\n"
                   "INSERT INTO clientes VALUES (1, 'uno');\n");
    escribe(dir.filePath(QStringLiteral("ajena_wal.sql")), "PRAGMA journal_mode = WAL;\n");
    const struct {
        const char* nombre;
        const char* motivo;
    } casos[] = {
        {"vacia.db", "no es una base de datos de este sistema"},
        {"texto.db", "file is not a database"},
        {"ajena.db", "no es una base de datos de este sistema"},
        {"ajena_wal.db", "no es una base de datos de este sistema"},
    };
    for (const auto& c : casos) {
        const QString nombre = QString::fromLatin1(c.nombre);
        QTemporaryDir carpeta;
        const QString archivo = carpeta.filePath(nombre);
        if (nombre == u"vacia.db")
            escribe(archivo, QByteArray());
        else if (nombre == u"texto.db")
            escribe(archivo, QByteArray("Servidor=sqlite\r\nBase=escaneo\r\n").repeated(200));
        else if (nombre == u"ajena.db")
            CreaBaseSqlite(archivo, {guion});
        else
            CreaBaseSqlite(archivo, {guion, dir.filePath(QStringLiteral("ajena_wal.sql"))});
        const auto antes = huella(archivo);

        QProcess programa;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("TEMP"), dir.path());
        entorno.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        programa.setProcessEnvironment(entorno);
        programa.setWorkingDirectory(carpeta.path());
        programa.start(QStringLiteral(ESCANEO_BINARY_DIR "/escaneo"),
                       {QStringLiteral("@Server=sqlite;@DbName=%1;@Usuario=demo;@Password=demo;").arg(nombre)});
        ASSERT_TRUE(programa.waitForFinished(60000)) << c.nombre;
        EXPECT_NE(programa.exitCode(), 0) << c.nombre;
        QStringList propias;
        for (const QString& linea : QString::fromUtf8(programa.readAllStandardError()).split(u'\n')) {
            if (linea.startsWith(QLatin1String("escaneo:")))
                propias << linea;
        }
        ASSERT_EQ(propias.size(), 1) << c.nombre;
        EXPECT_TRUE(propias[0].contains(QLatin1String(c.motivo))) << propias[0].toStdString();
        EXPECT_TRUE(huella(archivo) == antes) << c.nombre << ": the file and its folder must stay as they were";
    }
}

// The window shown on the demo database, with no page, print or mail asked
// for: the browser, the mail transport and the report outputs stay unloaded,
// and so do the libraries only they need. Nor is SANE loaded before a scan
// or a scanner list, nor ODBC on the embedded database, nor libjpeg-turbo
// before a BMP is compressed, nor any image decoder for a first frame with
// no picture.
TEST(Programa, AStartThatShowsNoPageAndPrintsOrSendsNothingMapsNoneOfTheirLibraries)
{
    QTemporaryDir dir;
    const QString escaneos = dir.filePath(QStringLiteral("SCAN/"));
    ASSERT_TRUE(QDir().mkpath(escaneos));
    const QString ubicacion = dir.filePath(QStringLiteral("ubicacion.sql"));
    escribe(ubicacion, QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'RUTA_ESCANEO';\n")
                           .arg(escaneos)
                           .toUtf8());
    escribe(dir.filePath(QStringLiteral("Lumivarnesse.ini")), "[Seleccione el Scanner]\r\nSource = 1\r\n");
    CreaBaseSqlite(dir.filePath(QStringLiteral("escaneo.db")),
                   {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql"), QStringLiteral(ESCANEO_SOURCE_DIR "/db/demo.sql"),
                    ubicacion});

    QProcess programa;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("TEMP"), dir.path());
    entorno.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    entorno.insert(QStringLiteral("ESCANEO_PRIMER_CUADRO"), QStringLiteral("1"));
    entorno.remove(QStringLiteral("QT_STYLE_OVERRIDE"));
    programa.setProcessEnvironment(entorno);
    programa.setWorkingDirectory(dir.path());
    programa.start(QStringLiteral(ESCANEO_BINARY_DIR "/escaneo"),
                   {QStringLiteral("@Server=sqlite;@DbName=escaneo.db;@Usuario=demo;@Password=demo;@UsuarioLogeado=demo;"
                                   "@Menu=ESCANEO;@Caja=1;@ParametroAdicional=Opcion:Cuenta,Cpte,Accion|;")});
    QByteArray salida;
    while (!salida.contains("primer cuadro\n") && programa.waitForReadyRead(60000))
        salida += programa.readAllStandardOutput();
    QFile mapas(QStringLiteral("/proc/%1/maps").arg(programa.processId()));
    const QByteArray mapeado = mapas.open(QIODevice::ReadOnly) ? mapas.readAll() : QByteArray();
    programa.kill();
    programa.waitForFinished();
    ASSERT_TRUE(salida.contains("primer cuadro\n")) << programa.readAllStandardError().toStdString();
    ASSERT_TRUE(mapeado.contains("libQt6Widgets")) << "the program's map was not read";
    for (const char* biblioteca : {"libescaneo_vistaweb", "libQt6WebEngine", "libescaneo_smtp", "libcurl",
                                   "libescaneo_salidas", "libQt6Pdf", "libQt6PrintSupport", "libxlsxwriter",
                                   "libsane", "libodbc", "libturbojpeg", "/imageformats/"})
        EXPECT_FALSE(mapeado.contains(biblioteca)) << biblioteca;
}
