#include "platform/objects/LectorIni.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/objects/Sistema.h"
#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

const QByteArray kEjemplo = "; estacion\r\n"
                            "[PC1|JUAN BaseDeDatos]\r\n"
                            "Servidor = SRV01 \r\n"
                            "DbName=GESTI\xD3N\r\n"
                            ";Usuario=comentado\r\n"
                            "Vacio=\r\n"
                            "\r\n"
                            "[Otra]\r\n"
                            "Usuario=otro\r\n";

struct Ini {
    QTemporaryDir dir;
    QString ruta = dir.filePath("TQ484hz.INI");
    Ini() { EscribeArchivoCompleto(ruta, kEjemplo); }
};

}

TEST(LectorIni, ReadsKeysIgnoringCaseElseTheDefault)
{
    Ini ini;
    const LectorIni l;
    EXPECT_EQ(l.LeeValor(ini.ruta, "pc1|juan basededatos", "SERVIDOR", "x"), "SRV01");
    EXPECT_EQ(l.LeeValor(ini.ruta, "PC1|JUAN BaseDeDatos", "dbname", "x"), QString::fromUtf8("GESTIÓN"));
    EXPECT_EQ(l.LeeValor(ini.ruta, "PC1|JUAN BaseDeDatos", "Vacio", "x"), "");
    EXPECT_EQ(l.LeeValor(ini.dir.filePath("falta.ini"), "Otra", "Usuario", "def"), "def");
    EXPECT_EQ(l.LeeValor(ini.ruta, "Ninguna", "Usuario", "def"), "def");
    // A commented key does not count, nor one of the next section.
    EXPECT_EQ(l.LeeValor(ini.ruta, "PC1|JUAN BaseDeDatos", "Usuario", "def"), "def");
    EXPECT_EQ(l.LeeValor(ini.ruta, "Otra", "Usuario", "def"), "otro");
}

TEST(LectorIni, WritingReplacesOrAddsAndKeepsEverythingElse)
{
    Ini ini;
    const LectorIni l;
    l.EscribeValor(ini.ruta, "pc1|juan basededatos", "servidor", QString::fromUtf8("NUEVO€"));
    l.EscribeValor(ini.ruta, "PC1|JUAN BaseDeDatos", "Usuario", "ABC");
    l.EscribeValor(ini.ruta, "Nueva", "Clave", "1");
    EXPECT_EQ(LeeArchivoCompleto(ini.ruta), "; estacion\r\n"
                                            "[PC1|JUAN BaseDeDatos]\r\n"
                                            "Servidor=NUEVO\x80\r\n"
                                            "DbName=GESTI\xD3N\r\n"
                                            ";Usuario=comentado\r\n"
                                            "Vacio=\r\n"
                                            "Usuario=ABC\r\n"
                                            "\r\n"
                                            "[Otra]\r\n"
                                            "Usuario=otro\r\n"
                                            "\r\n"
                                            "[Nueva]\r\n"
                                            "Clave=1\r\n");
    EXPECT_EQ(QDir(ini.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"TQ484hz.INI"});
}

TEST(LectorIni, WritingCreatesTheFileButNotItsFolder)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("Lumivarnesse.ini");
    LectorIni().EscribeValor(ini, "Escaner", "Fuente", "test:0");
    EXPECT_EQ(LeeArchivoCompleto(ini), "[Escaner]\r\nFuente=test:0\r\n");
    EXPECT_EQ(numeroDeError([&] { LectorIni().EscribeValor(dir.filePath("no/a.ini"), "S", "K", "V"); }),
              NumeroError::RutaNoEncontrada);
}

TEST(LectorIni, BareFileNamesLiveInTheProgramFolder)
{
    const QString nombre = QStringLiteral("lector_ini_prueba_%1.ini").arg(QCoreApplication::applicationPid());
    const QString ruta = QDir(Sistema().CarpetaPrograma()).filePath(nombre);
    EscribeArchivoCompleto(ruta, "[Estacion]\r\nFlatToolbars=0\r\n");
    EXPECT_EQ(LectorIni().LeeValor(nombre, "Estacion", "FlatToolbars", "1"), "0");
    LectorIni().EscribeValor(nombre, "Estacion", "FlatToolbars", "1");
    EXPECT_EQ(LeeArchivoCompleto(ruta), "[Estacion]\r\nFlatToolbars=1\r\n");
    QFile::remove(ruta);
}
