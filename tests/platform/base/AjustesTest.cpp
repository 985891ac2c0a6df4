#include "platform/base/Ajustes.h"

#include "platform/base/Err.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

TEST(Ajustes, FileUnderTheUsersConfigFolderAndTheEnvironmentWins)
{
    QTemporaryDir dir;
    VariableTemporal config("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(Ajustes::archivo(), dir.filePath("escaneo/escaneo.conf"));
    EXPECT_EQ(Ajustes::valor("escaner/dispositivo", "ESCANEO_PRUEBA", "ninguno"), "ninguno");
    Ajustes::guarda("escaner/dispositivo", "test:0");
    EXPECT_TRUE(QFile::exists(Ajustes::archivo()));
    EXPECT_EQ(Ajustes::valor("escaner/dispositivo", "ESCANEO_PRUEBA", "ninguno"), "test:0");
    {
        VariableTemporal entorno("ESCANEO_PRUEBA", "dispositivo-7:1");
        EXPECT_EQ(Ajustes::valor("escaner/dispositivo", "ESCANEO_PRUEBA"), "dispositivo-7:1");
        EXPECT_EQ(Ajustes::valor("escaner/dispositivo", nullptr), "test:0");
    }
    VariableTemporal blanco("ESCANEO_PRUEBA", "  ");
    EXPECT_EQ(Ajustes::valor("escaner/dispositivo", "ESCANEO_PRUEBA"), "test:0");
}

TEST(Ajustes, UnwritableSettingsRaise)
{
    QTemporaryDir dir;
    // A file where the settings folder should be.
    QFile(dir.filePath("escaneo")).open(QIODevice::WriteOnly);
    VariableTemporal config("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    EXPECT_THROW(Ajustes::guarda("a/b", "c"), Err);
}
