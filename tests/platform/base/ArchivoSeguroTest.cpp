#include "platform/base/ArchivoSeguro.h"

#include "support/NumeroDeError.h"
#include "support/OtroUsuario.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
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

namespace {

// A live process of a user other than `usuario`, who may not signal it:
// pid 1, which outlives the test, when it is one; else the first such in
// /proc; 0 when there is none.
pid_t ProcesoDeOtroUsuario(uid_t usuario)
{
    // In name order pid 1 comes first.
    for (const QString& nombre : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs, QDir::Name)) {
        bool numero = false;
        const pid_t pid = pid_t(nombre.toInt(&numero));
        QFile estado(QStringLiteral("/proc/%1/status").arg(nombre));
        if (!numero || !estado.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& linea : estado.readAll().split('\n')) {
            // Real, effective, saved and file uid: the real and the saved
            // one decide who may signal it.
            const QList<QByteArray> uids = linea.simplified().split(' ');
            if (uids.size() == 5 && uids[0] == "Uid:" && uids[1].toUInt() != usuario && uids[3].toUInt() != usuario)
                return pid;
        }
    }
    return 0;
}

}

// The cleanup must take a process it may not signal for a live one. As root
// every process can be signalled, so the cleanup then runs as nobody. It
// runs in a fresh process, as Qt may hang in a forked copy of this one, and
// that process, whose user is the one that counts, first makes sure that
// it meets EPERM.
TEST(ArchivoSeguro, ProvisionalFilesOfAnotherUsersLiveProcessStay)
{
    constexpr uid_t Nadie = 65534;
    const bool raiz = ::geteuid() == 0;
    const uid_t usuario = raiz ? Nadie : ::geteuid();
    const pid_t ajeno = ProcesoDeOtroUsuario(usuario);
    if (ajeno == 0) {
        GTEST_SKIP() << "no live process of a user other than uid " << usuario << " to point at";
    }
    QTemporaryDir dir;
    const ArchivoProvisional p = CreaProvisional(dir.filePath("destino.jpg"));
    ::close(p.descriptor);
    const QString ruta = dir.filePath(QFileInfo(QFile::decodeName(p.nombre))
                                          .fileName()
                                          .replace(QStringLiteral("-%1-").arg(QCoreApplication::applicationPid()),
                                                   QStringLiteral("-%1-").arg(ajeno)));
    ASSERT_EQ(::rename(p.nombre.constData(), QFile::encodeName(ruta).constData()), 0);
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    f.close();
    QByteArray programa(ESCANEO_BINARY_DIR "/limpia_aparte"), carpeta = QFile::encodeName(dir.path()),
        pid = QByteArray::number(ajeno);
    // Nobody's folder, so that a cleanup taking the process for gone can
    // remove the file, and a copy of the cleanup that nobody can reach, as
    // root's build may lie in a folder others cannot enter.
    QTemporaryDir alcanzable;
    if (raiz) {
        ASSERT_EQ(::chown(carpeta.constData(), Nadie, Nadie), 0);
        ASSERT_TRUE(CopiaParaTodos(QFile::decodeName(programa), alcanzable.path()));
        programa = QFile::encodeName(alcanzable.filePath(QStringLiteral("limpia_aparte")));
    }
    char* const argumentos[] = {programa.data(), carpeta.data(), pid.data(), nullptr};
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        if (raiz && !PasaAUsuario(Nadie))
            ::_exit(2);
        ::execv(argumentos[0], argumentos);
        ::_exit(errno == EACCES ? 126 : 127);
    }
    ASSERT_GT(hijo, 0);
    int estado = 0;
    ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFEXITED(estado));
    ASSERT_NE(WEXITSTATUS(estado), 2) << "the child could not become nobody";
    if (raiz && WEXITSTATUS(estado) == 126) {
        GTEST_SKIP() << "uid " << usuario << " cannot run a program from the temporary folder "
                     << QDir::tempPath().toStdString();
    }
    ASSERT_LT(WEXITSTATUS(estado), 126) << "uid " << usuario << " cannot run " << programa.constData();
    if (WEXITSTATUS(estado) == 3) {
        GTEST_SKIP() << "uid " << usuario << " meets no EPERM from pid " << ajeno << ": may signal it, or it is gone";
    }
    ASSERT_EQ(WEXITSTATUS(estado), 0);
    EXPECT_TRUE(QFile::exists(ruta));
}
