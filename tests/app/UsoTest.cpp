#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

// Started by hand: asked for help, the program prints its usage with the
// demo's command line and ends well; with no argument it prints the same on
// standard error and ends badly without trying to connect.
TEST(Programa, HelpAndAnEmptyCommandLinePrintTheUsageWithoutConnecting)
{
    const struct {
        QStringList argumentos;
        bool bien;
    } casos[] = {{{"--help"}, true}, {{"-h"}, true}, {{}, false}};
    for (const auto& c : casos) {
        QTemporaryDir carpeta;
        QProcess programa;
        programa.setWorkingDirectory(carpeta.path());
        programa.start(QStringLiteral(ESCANEO_BINARY_DIR "/escaneo"), c.argumentos);
        ASSERT_TRUE(programa.waitForFinished(60000)) << c.argumentos.join(' ').toStdString();
        const QString salida = QString::fromUtf8(programa.readAllStandardOutput());
        const QString errores = QString::fromUtf8(programa.readAllStandardError());
        const QString& uso = c.bien ? salida : errores;
        SCOPED_TRACE(c.argumentos.join(' ').toStdString() + "\n" + salida.toStdString() + errores.toStdString());
        EXPECT_EQ(programa.exitCode() == 0, c.bien);
        EXPECT_TRUE(uso.startsWith(u"Uso: escaneo"));
        for (const char* clave : {"@Server", "@DbName", "@Usuario", "@Password", "@UsuarioLogeado",
                                  "@ParametroAdicional", "@Menu", "@Caja"})
            EXPECT_TRUE(uso.contains(QLatin1String(clave))) << clave;
        EXPECT_TRUE(uso.contains(u"@Server=sqlite;@DbName=escaneo.db;@Usuario=demo;@Password=demo;"));
        EXPECT_TRUE((c.bien ? errores : salida).isEmpty());
        EXPECT_TRUE(QDir(carpeta.path()).isEmpty());
    }
}
