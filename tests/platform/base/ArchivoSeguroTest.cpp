#include "platform/base/ArchivoSeguro.h"

#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

TEST(ArchivoSeguro, WholeWriteReplacesTheFileAndLeavesNoTemporary)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("pagina.htm");
    EscribeArchivoCompleto(ruta, "primera version, mas larga\r\n");
    EscribeArchivoCompleto(ruta, QByteArray("a\0b\r\n\xff", 6));
    EXPECT_EQ(LeeArchivoCompleto(ruta), QByteArray("a\0b\r\n\xff", 6));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pagina.htm"});
}

TEST(ArchivoSeguro, WriteFailuresNameThePath)
{
    QTemporaryDir dir;
    EXPECT_EQ(numeroDeError([&] { EscribeArchivoCompleto(dir.filePath("no/a.txt"), "x"); }),
              NumeroError::RutaNoEncontrada);
    EXPECT_EQ(numeroDeError([&] { AgregaAlArchivo(dir.filePath("no/a.log"), "x"); }), NumeroError::RutaNoEncontrada);
    try {
        EscribeArchivoCompleto(dir.path(), "x");
        FAIL() << "writing over a folder must fail";
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, NumeroError::ErrorAccesoRuta);
        EXPECT_TRUE(e.Description.contains(dir.path()));
    }
}

TEST(ArchivoSeguro, AppendCreatesThenAdds)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("CVERR.LOG");
    AgregaAlArchivo(log, "uno\r\n");
    AgregaAlArchivo(log, "dos\r\n");
    EXPECT_EQ(LeeArchivoCompleto(log), "uno\r\ndos\r\n");
}

TEST(ArchivoSeguro, ReadingMissingFilesAndFolders)
{
    QTemporaryDir dir;
    EXPECT_EQ(numeroDeError([&] { LeeArchivoCompleto(dir.filePath("falta.txt")); }),
              NumeroError::ArchivoNoEncontrado);
    EXPECT_EQ(numeroDeError([&] { LeeArchivoCompleto(QString()); }), NumeroError::ArchivoNoEncontrado);
    EXPECT_EQ(numeroDeError([&] { LeeArchivoCompleto(dir.path()); }), NumeroError::ErrorAccesoRuta);
}
