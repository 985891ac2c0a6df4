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
