#include "platform/base/Err.h"
#include "scanning/ArchivoEscaner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(ArchivoEscaner, TwoCrLfLinesReplaceWhateverWasThere)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(NombreArchivoEscaner);
    QFile previo(ruta);
    ASSERT_TRUE(previo.open(QIODevice::WriteOnly));
    previo.write("contenido anterior mucho mas largo que el nuevo\n");
    previo.close();
    EscribeArchivoEscaner(ruta, 1);
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(), QByteArray("[Seleccione el Scanner]\r\nSource = 1\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";
}

TEST(ArchivoEscaner, AMissingFileIsTheFileNotFoundError)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath(NombreArchivoEscaner);
    try {
        CompruebaArchivoEscaner(ruta);
        FAIL() << "no error";
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, NumeroError::ArchivoNoEncontrado);
    }
    EscribeArchivoEscaner(ruta, 0);
    EXPECT_NO_THROW(CompruebaArchivoEscaner(ruta));
}

TEST(ArchivoEscaner, AFolderThatCannotBeWrittenIsAnError)
{
    QTemporaryDir dir;
    EXPECT_THROW(EscribeArchivoEscaner(dir.filePath(QStringLiteral("falta/") + NombreArchivoEscaner), 1), Err);
}
