#include "platform/base/ArchivoSeguro.h"

#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using Escritor = void (*)(const QString&, const QByteArray&);
const Escritor escritores[] = {EscribeArchivoCompleto, EscribeArchivoPasajero};

}

TEST(ArchivoSeguro, WholeWriteReplacesTheFileAndLeavesNoTemporary)
{
    for (Escritor escribe : escritores) {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("pagina.htm");
        escribe(ruta, "primera version, mas larga\r\n");
        escribe(ruta, QByteArray("a\0b\r\n\xff", 6));
        EXPECT_EQ(LeeArchivoCompleto(ruta), QByteArray("a\0b\r\n\xff", 6));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pagina.htm"});
        EXPECT_TRUE(QFileInfo(ruta).permissions().testFlag(QFileDevice::ReadOther));
    }
}

TEST(ArchivoSeguro, WriteFailuresNameThePath)
{
    for (Escritor escribe : escritores) {
        QTemporaryDir dir;
        EXPECT_EQ(numeroDeError([&] { escribe(dir.filePath("no/a.txt"), "x"); }), NumeroError::RutaNoEncontrada);
        try {
            escribe(dir.path(), "x");
            ADD_FAILURE() << "writing over a folder must fail";
        } catch (const Err& e) {
            EXPECT_EQ(e.Number, NumeroError::ErrorAccesoRuta);
            EXPECT_TRUE(e.Description.contains(dir.path()));
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }
    QTemporaryDir dir;
    EXPECT_EQ(numeroDeError([&] { AgregaAlArchivo(dir.filePath("no/a.log"), "x"); }), NumeroError::RutaNoEncontrada);
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
