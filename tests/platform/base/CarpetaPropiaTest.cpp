#include "platform/base/CarpetaPropia.h"

#include "platform/base/Err.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

enum class Previa { Ninguna, Propia, Abierta, Enlace, Archivo };

// What is in the folder's place beforehand, and the reason given when it is
// refused (empty when it is taken).
struct Caso {
    Previa previa;
    const char* motivo;
};

}

TEST(CarpetaPropia, OnlyAFolderOfThisUsersOwnClosedToOthersIsTaken)
{
    const Caso casos[] = {{Previa::Ninguna, ""},
                          {Previa::Propia, ""},
                          {Previa::Abierta, "otros usuarios pueden entrar en la carpeta"},
                          {Previa::Enlace, "es un enlace y no una carpeta"},
                          {Previa::Archivo, "no es una carpeta"}};
    for (const Caso& c : casos) {
        QTemporaryDir dir;
        const QString carpeta = dir.filePath(QStringLiteral("escaneo"));
        const QString destino = dir.filePath(QStringLiteral("destino"));
        QDir().mkdir(destino, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        switch (c.previa) {
        case Previa::Ninguna:
            break;
        case Previa::Propia:
        case Previa::Abierta:
            QDir().mkdir(carpeta, c.previa == Previa::Propia ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                              : QFileDevice::Permissions(0x7777));
            break;
        case Previa::Enlace:
            QFile::link(destino, carpeta);
            break;
        case Previa::Archivo:
            QFile(carpeta).open(QIODevice::WriteOnly);
            break;
        }
        QString motivo;
        try {
            // The "/" at the end must not make a link pass for its target.
            AseguraCarpetaPropia(carpeta + u'/');
        } catch (const Err& e) {
            EXPECT_EQ(e.Number, NumeroError::ErrorAccesoRuta);
            EXPECT_TRUE(e.Description.contains(carpeta + QStringLiteral(" ("))) << e.Description.toStdString();
            motivo = e.Description.section(u'(', -1).section(u':', 0, 0);
        }
        EXPECT_EQ(motivo, QLatin1String(c.motivo)) << int(c.previa);
        if (motivo.isEmpty()) {
            EXPECT_EQ(QFile::permissions(carpeta) & 0x0077, 0) << int(c.previa);
        }
    }
}
