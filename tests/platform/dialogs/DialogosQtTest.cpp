#include "platform/dialogs/DialogosQt.h"

#include <gtest/gtest.h>

TEST(FiltroQt, ClassicPairsBecomeQtFilters)
{
    EXPECT_EQ(FiltroQt(QString::fromUtf8("Imágenes|*.bmp; *.jpg ;|Todos|*.*")),
              QString::fromUtf8("Imágenes (*.bmp *.jpg);;Todos (*.*)"));
    // Qt reads the patterns from the last parenthesis: one already there is not repeated.
    EXPECT_EQ(FiltroQt("Imagenes (*.bmp)|*.bmp"), "Imagenes (*.bmp)");
    EXPECT_EQ(FiltroQt("Archivos (de texto)|*.txt"), "Archivos (de texto) (*.txt)");
    EXPECT_EQ(FiltroQt(""), "");
    EXPECT_EQ(FiltroQt("Textos|*.txt|"), "Textos (*.txt)");
    EXPECT_EQ(FiltroQt("*.bmp"), "*.bmp (*.bmp)");
    EXPECT_EQ(FiltroQt("Todos|"), "Todos (*)");
}

TEST(InterpretaEstilo, ButtonsIconsAndDefaultsOfTheClassicStyles)
{
    const EstiloMsgBox error = InterpretaEstilo(18);
    EXPECT_EQ(error.resultados, std::vector<int>({Resultado::Abortar, Resultado::Reintentar, Resultado::Ignorar}));
    EXPECT_EQ(error.icono, QMessageBox::Critical);
    EXPECT_EQ(error.porDefecto, Resultado::Abortar);

    const EstiloMsgBox pregunta = InterpretaEstilo(Botones::SiNoCancelar + Botones::IconoPregunta + 256);
    EXPECT_EQ(pregunta.resultados, std::vector<int>({Resultado::Si, Resultado::No, Resultado::Cancelar}));
    EXPECT_EQ(pregunta.icono, QMessageBox::Question);
    EXPECT_EQ(pregunta.porDefecto, Resultado::No);

    EXPECT_EQ(InterpretaEstilo(Botones::ReintentarCancelar).resultados,
              std::vector<int>({Resultado::Reintentar, Resultado::Cancelar}));
    EXPECT_EQ(InterpretaEstilo(Botones::IconoInformacion).resultados, std::vector<int>({Resultado::Aceptar}));
    EXPECT_EQ(InterpretaEstilo(Botones::IconoExclamacion).icono, QMessageBox::Warning);
    // A default beyond the buttons falls back to the first.
    EXPECT_EQ(InterpretaEstilo(Botones::SiNo + 512).porDefecto, Resultado::Si);
    EXPECT_EQ(TituloDialogo(""), "escaneo");
}
