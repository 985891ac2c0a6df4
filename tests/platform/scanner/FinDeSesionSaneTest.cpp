#include "platform/scanner/DispositivoSane.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

bool escribe(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::WriteOnly) && archivo.write(contenido) == contenido.size();
}

bool cargado(const char* biblioteca)
{
    QFile mapas(QStringLiteral("/proc/self/maps"));
    return mapas.open(QIODevice::ReadOnly) && mapas.readAll().contains(biblioteca);
}

// In a process of its own: lists the scanners through the test backend and
// genesys, keeps a device open, and leaves through exit() as the program does.
[[noreturn]] void listaAbreYSale()
{
    QTemporaryDir carpeta;
    // Genesys starts in full only when it finds its own configuration file.
    const bool configurada = carpeta.isValid()
                             && escribe(carpeta.filePath(QStringLiteral("dll.conf")), "test\ngenesys\n")
                             && escribe(carpeta.filePath(QStringLiteral("genesys.conf")), "");
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(carpeta.path()));
    const bool listo = configurada && IniciaSane() && !DispositivosSane().empty();
    DispositivoSane abierto(QStringLiteral("test:0"));
    const bool conGenesys = cargado("libsane-genesys");
    carpeta.remove();
    if (!listo || !conGenesys) {
        std::fputs(listo ? "SANE's genesys backend is not installed\n" : "SANE's test backend did not start\n", stderr);
        std::exit(2);
    }
    std::exit(0);
}

}

// Genesys, written in C++, tears its own objects down at exit, and SANE's end
// calls into them: the session must end first, closing the device left open.
TEST(FinDeSesionSaneDeathTest, AProcessThatListedABackendWithItsOwnCleanupAndKeptADeviceOpenExitsCleanly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(listaAbreYSale(), ::testing::ExitedWithCode(0), "");
}
