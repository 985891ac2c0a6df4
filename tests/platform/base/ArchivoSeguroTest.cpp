#include "platform/base/ArchivoSeguro.h"

#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(ArchivoSeguro, UntilConfirmedTheBytesLieUnderAShortHiddenNameOfTheirOwn)
{
    QTemporaryDir dir;
    // As long a name as the system allows, which a longer temporary one would break.
    const QString ruta = dir.filePath(QString(251, QLatin1Char('n')) + QStringLiteral(".bmp"));
    EscrituraSegura archivo(ruta);
    archivo.escribe(0, "abc", 3);
    const QStringList mientras = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(mientras.size(), 1);
    EXPECT_TRUE(mientras[0].startsWith(QLatin1Char('.')));
    EXPECT_LT(mientras[0].size(), 32);
    EXPECT_FALSE(QFile::exists(ruta));
    archivo.confirma();
    EXPECT_EQ(LeeArchivoCompleto(ruta), QByteArray("abc"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(ArchivoSeguro, AnUnconfirmedWriteLeavesTheOldFileAsItWas)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("pagina.htm");
    EscribeArchivoCompleto(ruta, "anterior");
    ASSERT_TRUE(QFile::setPermissions(ruta, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    const QFileDevice::Permissions permisos = QFile::permissions(ruta);
    {
        EscrituraSegura archivo(ruta);
        archivo.escribe(0, "a medias", 8);
    }
    EXPECT_EQ(LeeArchivoCompleto(ruta), QByteArray("anterior"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"pagina.htm"});

    EscribeArchivoCompleto(ruta, "nuevo");
    EXPECT_EQ(QFile::permissions(ruta), permisos) << "a replaced file keeps who may read it";
}

TEST(ArchivoSeguro, SyncingAFolderFailsNamingAMissingOne)
{
    QTemporaryDir dir;
    EXPECT_NO_THROW(SincronizaCarpeta(dir.path()));
    try {
        SincronizaCarpeta(dir.filePath("falta"));
        FAIL() << "a missing folder cannot be synced";
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, NumeroError::ErrorAccesoRuta);
        EXPECT_TRUE(e.Description.contains(dir.filePath("falta")));
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

TEST(ArchivoSeguro, OnlyOldProvisionalFilesOfGoneProcessesOfThisHostAreCleanedUp)
{
    QTemporaryDir dir;
    const pid_t muerto = ::fork();
    if (muerto == 0)
        ::_exit(0);
    ASSERT_GT(muerto, 0);
    ASSERT_EQ(::waitpid(muerto, nullptr, 0), muerto);
    const QString propio = QStringLiteral("-%1-").arg(QCoreApplication::applicationPid());
    const QString ajeno = QStringLiteral("-%1-").arg(muerto);
    const struct {
        const char* caso;
        QString pid;
        bool otroHost, viejo, queda;
    } casos[] = {{"gone", ajeno, false, true, false},
                 {"live", propio, false, true, true},
                 {"other host", ajeno, true, true, true},
                 {"young", ajeno, false, false, true}};
    QStringList quedan;
    for (const auto& c : casos) {
        const ArchivoProvisional p = CreaProvisional(dir.filePath("destino.jpg"));
        ::close(p.descriptor);
        QString nombre = QFileInfo(QFile::decodeName(p.nombre)).fileName().replace(propio, c.pid);
        if (c.otroHost)
            nombre.replace(1, 8, nombre.mid(1, 8) == QStringLiteral("00000000") ? "11111111" : "00000000");
        ASSERT_EQ(::rename(p.nombre.constData(), QFile::encodeName(dir.filePath(nombre)).constData()), 0) << c.caso;
        QFile f(dir.filePath(nombre));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        if (c.viejo)
            f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
        if (c.queda)
            quedan << nombre;
    }
    LimpiaProvisionales(dir.path());
    quedan.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), quedan);
}

// pid 1 is root's: another user's live process, which the cleanup may not
// signal. As root every process can be signalled, so then the cleanup runs in
// a child that has become nobody, with the folder given to it.
TEST(ArchivoSeguro, ProvisionalFilesOfAnotherUsersLiveProcessStay)
{
    constexpr uid_t Nadie = 65534;
    QTemporaryDir dir;
    const ArchivoProvisional p = CreaProvisional(dir.filePath("destino.jpg"));
    ::close(p.descriptor);
    const QString ruta = dir.filePath(QFileInfo(QFile::decodeName(p.nombre))
                                          .fileName()
                                          .replace(QStringLiteral("-%1-").arg(QCoreApplication::applicationPid()),
                                                   QStringLiteral("-1-")));
    ASSERT_EQ(::rename(p.nombre.constData(), QFile::encodeName(ruta).constData()), 0);
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    f.close();
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        if (::geteuid() == 0
            && (::chown(QFile::encodeName(dir.path()).constData(), Nadie, Nadie) != 0 || ::setgid(Nadie) != 0
                || ::setuid(Nadie) != 0))
            ::_exit(2);
        LimpiaProvisionales(dir.path());
        ::_exit(0);
    }
    ASSERT_GT(hijo, 0);
    int estado = 0;
    ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFEXITED(estado));
    ASSERT_EQ(WEXITSTATUS(estado), 0) << "the child could not become nobody";
    EXPECT_TRUE(QFile::exists(ruta));
}
