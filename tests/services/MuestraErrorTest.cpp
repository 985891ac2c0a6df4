#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/MuestraError.h"
#include "support/DialogosGuionados.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

// TEMP (and TMPDIR) pointed into a fresh folder for the life of a test.
class MuestraErrorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        tempAnterior_ = qgetenv("TEMP");
        tmpdirAnterior_ = qgetenv("TMPDIR");
        qputenv("TEMP", dir.path().toLocal8Bit());
    }
    void TearDown() override
    {
        EXPECT_TRUE(d->respuestas.empty()) << "answers left unused";
        qputenv("TEMP", tempAnterior_);
        if (tmpdirAnterior_.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", tmpdirAnterior_);
    }

    QStringList lineasLog(const QString& carpeta) const
    {
        QString texto = DeCp1252(LeeArchivoCompleto(carpeta + QStringLiteral("/CVERR.LOG")));
        EXPECT_TRUE(texto.isEmpty() || texto.endsWith(QStringLiteral("\r\n")));
        QStringList lineas = texto.split(QStringLiteral("\r\n"));
        lineas.removeLast();
        return lineas;
    }

    QTemporaryDir dir;
    ConDialogosGuionados d;

private:
    QByteArray tempAnterior_, tmpdirAnterior_;
};

QString hoy()
{
    return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"));
}

TEST_F(MuestraErrorTest, RetryWithRoutineShowsTheDialogAndLogsTheLine)
{
    d->responde(Resultado::Reintentar);
    const int respuesta = MuestraError(Err(13, QStringLiteral("  No coinciden los tipos  "), QStringLiteral("Escaneo")),
                                       std::nullopt, QStringLiteral("Cfg"));

    EXPECT_EQ(respuesta, Resultado::Reintentar);
    ASSERT_EQ(d->avisos.size(), 1u);
    EXPECT_EQ(d->avisos[0].mensaje, QStringLiteral("Ha ocurrido el Siguiente Error (13) No coinciden los tipos"));
    EXPECT_EQ(d->avisos[0].botones, 18);
    EXPECT_EQ(d->avisos[0].titulo, QStringLiteral("Escaneo - Cfg Aviso al operador!!! "));

    const QStringList lineas = lineasLog(dir.path());
    ASSERT_EQ(lineas.size(), 1);
    const QRegularExpression forma(QStringLiteral(
        "^(\\d\\d-\\d\\d-\\d{4}) \\d\\d:\\d\\d:\\d\\d Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error \\(13\\) "
        "No coinciden los tipos Respondió : Reintentar$"));
    const auto m = forma.match(lineas[0]);
    ASSERT_TRUE(m.hasMatch()) << lineas[0].toStdString();
    EXPECT_EQ(m.captured(1), hoy());
}

TEST_F(MuestraErrorTest, WithoutRoutineTheFieldIsEmptyAndTheTitleIsTheSource)
{
    d->responde(Resultado::Abortar);
    EXPECT_EQ(MuestraError(Err(53, QStringLiteral("No se encontró el archivo"), QStringLiteral("Escaneo"))),
              Resultado::Abortar);

    EXPECT_EQ(d->avisos[0].titulo, QStringLiteral("Escaneo Aviso al operador!!! "));
    const QStringList lineas = lineasLog(dir.path());
    ASSERT_EQ(lineas.size(), 1);
    EXPECT_TRUE(lineas[0].contains(
        QStringLiteral(" Rutina:  Mensaje Ha ocurrido el Siguiente Error (53) No se encontró el archivo Respondió : "
                       "Abortar")))
        << lineas[0].toStdString();
}

TEST_F(MuestraErrorTest, EveryAnswerHasItsWordAndLinesAreAppended)
{
    const std::vector<std::pair<int, QString>> casos{
        {Resultado::Abortar, QStringLiteral("Abortar")},   {Resultado::Reintentar, QStringLiteral("Reintentar")},
        {Resultado::Ignorar, QStringLiteral("Ignorar")},   {Resultado::Cancelar, QStringLiteral("Cancelar")},
        {Resultado::Si, QStringLiteral("Sí")},             {Resultado::No, QStringLiteral("No")},
        {Resultado::Aceptar, QString()}};
    for (const auto& [respuesta, palabra] : casos) {
        d->responde(respuesta);
        EXPECT_EQ(MuestraError(Err(5, QStringLiteral("x")), Botones::SiNoCancelar, QStringLiteral("R")), respuesta);
    }
    EXPECT_EQ(d->avisos[0].botones, Botones::SiNoCancelar);

    const QStringList lineas = lineasLog(dir.path());
    ASSERT_EQ(lineas.size(), int(casos.size()));
    for (size_t i = 0; i < casos.size(); ++i)
        EXPECT_TRUE(lineas[int(i)].endsWith(QStringLiteral(" Respondió : ") + casos[i].second)) << lineas[int(i)].toStdString();
    // The log is in the system's code page.
    EXPECT_TRUE(LeeArchivoCompleto(dir.filePath(QStringLiteral("CVERR.LOG"))).contains("Respondi\xF3 : S\xED\r\n"));
}

TEST_F(MuestraErrorTest, NumberZeroShowsNothingButCreatesTheLog)
{
    EXPECT_EQ(MuestraError(Err(0, QStringLiteral("nada"))), 0);
    EXPECT_TRUE(d->avisos.empty());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("CVERR.LOG"))));
    EXPECT_TRUE(lineasLog(dir.path()).isEmpty());
}

TEST_F(MuestraErrorTest, AnUnwritableLogStillAsksAndAnswers)
{
    // A file where the folder should be: nothing can be created inside it.
    const QString noCarpeta = dir.filePath(QStringLiteral("archivo"));
    EscribeArchivoCompleto(noCarpeta, "x");
    qputenv("TEMP", noCarpeta.toLocal8Bit());

    d->responde(Resultado::Ignorar);
    EXPECT_EQ(MuestraError(Err(13, QStringLiteral("No coinciden los tipos")), std::nullopt, QStringLiteral("Cfg")),
              Resultado::Ignorar);
    EXPECT_EQ(d->avisos.size(), 1u);
}

TEST_F(MuestraErrorTest, BlankTempFallsBackToTheSystemFolder)
{
    const QString sistema = dir.filePath(QStringLiteral("sistema"));
    QDir().mkpath(sistema);
    qputenv("TEMP", "   ");
    qputenv("TMPDIR", sistema.toLocal8Bit());  // given without a trailing slash

    d->responde(Resultado::Ignorar);
    MuestraError(Err(9, QStringLiteral("Subíndice fuera del intervalo")));
    EXPECT_EQ(lineasLog(sistema + QStringLiteral("/escaneo-%1").arg(::geteuid())).size(), 1);
}

}
