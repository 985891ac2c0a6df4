#include "support/BaseDemo.h"
#include "support/ComoRaiz.h"
#include "support/OtroUsuario.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

// Several logins of one machine share TMPDIR, as they share /tmp: each one's
// session works in a folder of its own that no other can read, and a folder
// another user made in its place is refused and receives nothing.

namespace {

constexpr uid_t Primero = 65534;
constexpr uid_t Segundo = 65533;

// The session program and what it needs beside it, copied where every user
// can run it (the build folder may be closed to them), in a folder shared
// by all as /tmp is.
class Compartida {
public:
    Compartida()
    {
        ::chmod(QFile::encodeName(dir.path()).constData(), 01777);
        QDir().mkdir(programas);
        for (const char* archivo : {"sesion_aparte", "completocve.sql"})
            EXPECT_TRUE(CopiaParaTodos(QStringLiteral(ESCANEO_BINARY_DIR "/") + QLatin1String(archivo), programas))
                << archivo;
    }

    QString propia(uid_t usuario) const { return dir.filePath(QStringLiteral("escaneo-%1").arg(usuario)); }

    QTemporaryDir dir;
    const QString programas = dir.filePath(QStringLiteral("programas"));
};

// A child process that is `usuario` from its start; 2 when it could not be.
void ComoUsuario(QProcess& proceso, uid_t usuario)
{
    proceso.setChildProcessModifier([usuario] {
        if (!PasaAUsuario(usuario))
            ::_exit(2);
    });
}

struct Sesion {
    int estado;
    QString salida;
};

// One session of `usuario` on a demo of their own, TMPDIR the shared folder
// and no TEMP, as a login without settings of its own has.
Sesion Inicia(const Compartida& compartida, uid_t usuario)
{
    BaseDemo demo;
    QFile::remove(demo.archivoEstadisticas());  // so the start writes its script
    const QByteArray casa = QFile::encodeName(demo.dir.path());
    for (const QString& dentro : QDir(demo.dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
        ::chown(QFile::encodeName(demo.dir.filePath(dentro)).constData(), usuario, usuario);
    ::chown(casa.constData(), usuario, usuario);
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.remove(QStringLiteral("TEMP"));
    entorno.insert(QStringLiteral("TMPDIR"), compartida.dir.path());
    entorno.insert(QStringLiteral("HOME"), demo.dir.path());
    QProcess sesion;
    sesion.setProcessEnvironment(entorno);
    sesion.setWorkingDirectory(demo.dir.path());
    sesion.setProcessChannelMode(QProcess::MergedChannels);
    if (usuario != ::geteuid())
        ComoUsuario(sesion, usuario);
    sesion.start(compartida.programas + QStringLiteral("/sesion_aparte"),
                 {QStringLiteral("@Server=sqlite;@DbName=escaneo.db;@Usuario=demo;@Password=demo;"
                                 "@UsuarioLogeado=demo;@Menu=ESCANEO;@Caja=1;")});
    sesion.waitForFinished(60000);
    return {sesion.exitCode(), QString::fromUtf8(sesion.readAll())};
}

// Whether `usuario` can read the file, asked of a child that is that user.
bool PuedeLeer(uid_t usuario, const QString& archivo)
{
    QProcess cat;
    ComoUsuario(cat, usuario);
    cat.start(QStringLiteral("/bin/cat"), {archivo});
    cat.waitForFinished(10000);
    return cat.exitCode() == 0;
}

QStringList Contenido(const QString& carpeta)
{
    return QDir(carpeta).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
}

}

TEST(VariosUsuarios, EachLoginWorksInAFolderOfItsOwnThatNoOtherCanRead)
{
    if (RepetidaComoRaiz())
        return;
    Compartida compartida;
    for (const uid_t usuario : {::geteuid(), Primero, Segundo}) {
        const Sesion s = Inicia(compartida, usuario);
        if (s.estado == 2) {
            GTEST_SKIP() << "uid " << usuario << " cannot be taken: there are no subordinate ids to map";
        }
        ASSERT_EQ(s.estado, 0) << usuario << ": " << s.salida.toStdString();
        struct stat st {};
        ASSERT_EQ(::lstat(QFile::encodeName(compartida.propia(usuario)).constData(), &st), 0);
        EXPECT_EQ(st.st_uid, usuario);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    const QStringList escritos = Contenido(compartida.propia(Primero));
    for (const char* archivo : {"CDB7.SQL", "Style_Vantrelo.css", "PiePag.htm", "E-MAILS"})
        EXPECT_TRUE(escritos.contains(QLatin1String(archivo))) << archivo;
    const QString pagina = compartida.propia(Primero) + u'/' + escritos.filter(QStringLiteral(".htm")).value(0);
    EXPECT_TRUE(PuedeLeer(Primero, pagina));
    EXPECT_FALSE(PuedeLeer(Segundo, pagina));
}

TEST(VariosUsuarios, AFolderAnotherUserPutInPlaceIsRefusedAndReceivesNothing)
{
    if (RepetidaComoRaiz())
        return;
    Compartida compartida;
    const QString trampa = compartida.dir.filePath(QStringLiteral("trampa"));
    QDir().mkdir(trampa);
    ::chmod(QFile::encodeName(trampa).constData(), 0777);
    ::chown(QFile::encodeName(trampa).constData(), Primero, Primero);
    const QString propia = compartida.propia(Segundo);
    const struct {
        bool enlace;
        const char* motivo;
    } casos[] = {{false, "la carpeta es de otro usuario"}, {true, "es un enlace y no una carpeta"}};
    for (const auto& c : casos) {
        if (c.enlace) {
            QDir(propia).removeRecursively();
            QFile::link(trampa, propia);
        } else {
            QDir().mkdir(propia);
            ::chmod(QFile::encodeName(propia).constData(), 0777);
            ::chown(QFile::encodeName(propia).constData(), Primero, Primero);
        }
        const Sesion s = Inicia(compartida, Segundo);
        if (s.estado == 2) {
            GTEST_SKIP() << "uid " << Segundo << " cannot be taken: there are no subordinate ids to map";
        }
        EXPECT_NE(s.estado, 0);
        EXPECT_TRUE(s.salida.contains(QStringLiteral("aviso: Ha ocurrido el Siguiente Error (75)"))) << s.salida.toStdString();
        EXPECT_TRUE(s.salida.contains(propia + QStringLiteral(" (") + QLatin1String(c.motivo))) << s.salida.toStdString();
        EXPECT_EQ(Contenido(trampa), QStringList());
        EXPECT_EQ(Contenido(propia), QStringList());
    }
}
