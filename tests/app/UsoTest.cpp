#include <gtest/gtest.h>

#include <QProcess>

// Asked for help, the program prints its usage with the demo's line and ends
// well; with no argument it prints it on standard error and ends badly,
// without the connection's complaint.
TEST(Programa, HelpAndAnEmptyCommandLinePrintTheUsageWithoutConnecting)
{
    for (const QStringList& argumentos : {QStringList{"--help"}, QStringList{"-h"}, QStringList{}}) {
        const bool ayuda = !argumentos.isEmpty();
        QProcess programa;
        programa.start(QStringLiteral(ESCANEO_BINARY_DIR "/escaneo"), argumentos);
        ASSERT_TRUE(programa.waitForFinished(60000));
        const QString salida = QString::fromUtf8(programa.readAllStandardOutput());
        const QString errores = QString::fromUtf8(programa.readAllStandardError());
        SCOPED_TRACE((salida + errores).toStdString());
        EXPECT_EQ(programa.exitCode() == 0, ayuda);
        EXPECT_TRUE((ayuda ? salida : errores).startsWith(u"Uso: escaneo"));
        EXPECT_TRUE((ayuda ? salida : errores).contains(u"@Server=sqlite;@DbName=escaneo.db;@Usuario=demo;"));
        EXPECT_TRUE((ayuda ? errores : salida).isEmpty());
    }
}
