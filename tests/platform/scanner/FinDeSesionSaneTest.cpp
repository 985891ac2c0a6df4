#include "platform/base/ArchivoSeguro.h"
#include "platform/scanner/DispositivoSane.h"
#include "support/SalidaDeHijo.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

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
    EscribeArchivoPasajero(carpeta.filePath(QStringLiteral("dll.conf")), "test\ngenesys\n");
    // Genesys starts in full only when it finds its own configuration file.
    EscribeArchivoPasajero(carpeta.filePath(QStringLiteral("genesys.conf")), "");
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(carpeta.path()));
    const auto falla = [&](const char* motivo) {
        std::fputs(motivo, stderr);
        SaleBorrando(carpeta, 2);
    };
    if (!IniciaSane() || DispositivosSane().empty())
        falla("SANE's test backend did not start\n");
    DispositivoSane abierto(QStringLiteral("test:0"));
    if (!cargado("libsane-genesys"))
        falla("SANE's genesys backend is not installed\n");
    SaleBorrando(carpeta, 0);
}

}

// Genesys, written in C++, tears its own objects down at exit, and SANE's end
// calls into them: the session must end first, closing the device left open.
TEST(FinDeSesionSaneDeathTest, AProcessThatListedABackendWithItsOwnCleanupAndKeptADeviceOpenExitsCleanly)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(listaAbreYSale(), ::testing::ExitedWithCode(0), "");
}
