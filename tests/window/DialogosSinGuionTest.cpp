#include "platform/dialogs/Dialogos.h"
#include "support/DialogosGuionados.h"
#include "window/FrmEscaneo.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QMessageBox>

#include <memory>

// The checks of failures run their statement where no local can be named.
namespace {

int estilo = 0;
int respuesta = 0;
std::unique_ptr<FrmEscaneo> ventana;

void Pregunta()
{
    respuesta = dialogos().MsgBox(QStringLiteral("¿Seguimos?"), estilo, QStringLiteral("Prueba"));
}

void AbreCajaReal()
{
    QMessageBox::question(nullptr, QStringLiteral("Prueba real"), QStringLiteral("¿Sigue abierta?"));
}

}

// No test scripted these prompts: each fails the test at once and gets what
// closing it would answer, or its first button where it cannot be closed.
TEST(UnscriptedDialogs, APromptFailsTheTestAtOnceWithTheAnswerOfClosingIt)
{
    const struct {
        int estilo;
        int respuesta;
    } casos[] = {
        {Botones::SoloAceptar + Botones::IconoCritico, Resultado::Aceptar},
        {Botones::AceptarCancelar, Resultado::Cancelar},
        {Botones::SiNoCancelar, Resultado::Cancelar},
        {Botones::ReintentarCancelar, Resultado::Cancelar},
        {Botones::SiNo, Resultado::Si},
        {Botones::AbortarReintentarIgnorar, Resultado::Abortar},
    };
    for (const auto& caso : casos) {
        estilo = caso.estilo;
        EXPECT_NONFATAL_FAILURE(Pregunta(), "a prompt no answer was queued for: MsgBox \"Prueba\" ¿Seguimos?");
        EXPECT_EQ(respuesta, caso.respuesta) << caso.estilo;
    }
}

TEST(UnscriptedDialogs, AWindowQuestionNoAnswerWasQueuedForFailsAndIsCancelled)
{
    ConDialogosGuionados dialogos;
    ventana = std::make_unique<FrmEscaneo>();
    EXPECT_NONFATAL_FAILURE(ventana->CmdEscanear_Click(), "Si esta preparado para escanear presione Aceptar");
    ventana.reset();
    // Cancelled, it went no further.
    EXPECT_EQ(dialogos->avisos.size(), 1u);
}

TEST(UnscriptedDialogs, ARealDialogFailsTheTestAndIsClosed)
{
    EXPECT_NONFATAL_FAILURE(AbreCajaReal(), "a real dialog opened: \"Prueba real\" ¿Sigue abierta?");
}
