#include "platform/objects/Sistema.h"

#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

namespace {

// An xdg-open first in PATH that records its arguments instead of opening.
struct AbridorDePrueba {
    QTemporaryDir dir;
    QString registro = dir.filePath("abierto.txt");
    VariableTemporal ruta{"PATH", dir.path().toLocal8Bit() + ":/usr/bin:/bin"};

    AbridorDePrueba()
    {
        QFile guion(dir.filePath("xdg-open"));
        guion.open(QIODevice::WriteOnly);
        const QByteArray r = registro.toLocal8Bit();
        guion.write("#!/bin/sh\nprintf '%s|' \"$@\" > \"" + r + ".tmp\"\nmv \"" + r + ".tmp\" \"" + r + "\"\n");
        guion.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QByteArray argumentos() const
    {
        const QDeadlineTimer plazo(10000);
        while (!QFile::exists(registro) && !plazo.hasExpired())
            QThread::msleep(20);
        QFile f(registro);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<sin ejecutar>");
    }
};

}

TEST(Sistema, TemporaryFoldersFromTheEnvironment)
{
    QTemporaryDir compartida;
    VariableTemporal tmpdir("TMPDIR", " " + QFile::encodeName(compartida.path()) + "/ ");
    const QString propia = compartida.filePath(QStringLiteral("escaneo-%1/").arg(::geteuid()));
    EXPECT_EQ(Sistema().CarpetaTemporal(), propia);
    EXPECT_EQ(QFileInfo(propia).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                                                   QFile::WriteUser | QFile::ExeUser);
    {
        VariableTemporal temp("TEMP", "  /datos/temp//  ");
        EXPECT_EQ(CarpetaTemporalSistema(), "/datos/temp/");
    }
    VariableTemporal temp("TEMP", "   ");
    EXPECT_EQ(CarpetaTemporalSistema(), propia);
}

TEST(Sistema, OpensAnExistingFileWithItsPathUnquoted)
{
    AbridorDePrueba abridor;
    QTemporaryDir datos;
    const QString archivo = datos.filePath("pagina con blancos.htm");
    QFile(archivo).open(QIODevice::WriteOnly);
    EXPECT_EQ(Sistema().AbreConProgramaAsociado(0, "", '"' + archivo + '"', "", "", 6), 33);
    EXPECT_EQ(abridor.argumentos(), archivo.toLocal8Bit() + '|');
}

TEST(Sistema, MissingFilesAndAMissingOpenerFail)
{
    QTemporaryDir datos;
    {
        AbridorDePrueba abridor;
        EXPECT_EQ(Sistema().AbreConProgramaAsociado(0, "", datos.filePath("falta.htm"), "", "", 0), 2);
        EXPECT_EQ(Sistema().AbreConProgramaAsociado(0, "", "", "", "", 0), 2);
        QThread::msleep(200);
        EXPECT_FALSE(QFile::exists(abridor.registro));
    }
    // No opener on PATH at all.
    VariableTemporal ruta("PATH", datos.path().toLocal8Bit());
    EXPECT_EQ(Sistema().AbreConProgramaAsociado(0, "", datos.path(), "", "", 0), 2);
}
