#include "support/ComoRaiz.h"

#include "support/ParteReal.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include <unistd.h>

namespace {

struct Salida {
    int codigo;
    QString texto;
};

// The child's output says why it failed or skipped, so both streams are kept.
Salida Unshare(const QStringList& argumentos)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("unshare"), argumentos);
    p.waitForFinished(-1);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

// The options unshare takes here, asked once a process; none, with unshare's
// reason, where not even a user namespace can be made.
struct Espacio {
    QStringList opciones;
    QString motivo;
};

const Espacio& EspacioPropio()
{
    static const Espacio espacio = [] {
        const QStringList base{QStringLiteral("--map-root-user"), QStringLiteral("--mount")};
        Espacio e;
        // Without subordinate ids only the user's own id is mapped.
        for (const QStringList& opciones : {base + QStringList{QStringLiteral("--map-auto")}, base}) {
            const Salida prueba = Unshare(opciones + QStringList{QStringLiteral("--"), QStringLiteral("true")});
            if (prueba.codigo == 0)
                return Espacio{opciones, {}};
            e.motivo = prueba.texto.trimmed();
        }
        return e;
    }();
    return espacio;
}

// What gtest printed as the reason of the child's skip.
QString MotivoDeOmision(const QString& salida)
{
    static const QRegularExpression motivo(QStringLiteral(": Skipped\\n(.*?)\\n*\\[  SKIPPED \\]"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = motivo.match(salida);
    return m.hasMatch() ? m.captured(1) : salida;
}

// A void function, where gtest's FAIL and GTEST_SKIP end it.
void Repite()
{
    EXIGE_PARTE_REAL(!QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty(),
                     "unshare is not installed (Debian package util-linux)");
    const Espacio& espacio = EspacioPropio();
    if (espacio.opciones.isEmpty()) {
        GTEST_SKIP() << "this test needs root, and no user namespace can be made: " << espacio.motivo.toStdString();
    }
    const ::testing::TestInfo* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
    const Salida hijo = Unshare(espacio.opciones + QStringList{QStringLiteral("--"), QCoreApplication::applicationFilePath(),
                                                               QStringLiteral("--gtest_filter=%1.%2")
                                                                   .arg(QLatin1String(prueba->test_suite_name()),
                                                                        QLatin1String(prueba->name()))});
    ASSERT_EQ(hijo.codigo, 0) << "as root of namespaces of its own:\n" << hijo.texto.toStdString();
    if (hijo.texto.contains(QLatin1String("[  SKIPPED ]"))) {
        GTEST_SKIP() << MotivoDeOmision(hijo.texto).toStdString();
    }
    // A filter that matched nothing would pass as well.
    EXPECT_TRUE(hijo.texto.contains(QLatin1String("[       OK ]"))) << hijo.texto.toStdString();
}

}

bool RepetidaComoRaiz()
{
    if (::geteuid() == 0)
        return false;
    Repite();
    return true;
}
