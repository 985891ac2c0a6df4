#include "platform/dialogs/DialogosQt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QThread>

namespace {

QProgressDialog* VentanaDeEspera()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* espera = qobject_cast<QProgressDialog*>(w); espera && espera->isVisible())
            return espera;
    }
    return nullptr;
}

}
#include <QImage>
#include <QLabel>

TEST(FiltroQt, DescriptionPatternPairsBecomeQtFilters)
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

TEST(InterpretaEstilo, ButtonsIconsAndDefaultsOfTheMessageBoxStyles)
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

TEST(VentanaDeEspera, RepaintsAFewTimesASecondWithTheLatestText)
{
    DialogosQt d;
    d.MuestraEspera(QStringLiteral("Cargando"), 0);
    QProgressDialog* espera = VentanaDeEspera();
    ASSERT_NE(espera, nullptr);
    EXPECT_EQ(espera->labelText(), QStringLiteral("Cargando"));

    // A row reported every moment changes the window only now and then.
    QElapsedTimer reloj;
    reloj.start();
    int cambios = 0;
    QString anterior = espera->labelText();
    for (int fila = 0; fila < 20000; ++fila) {
        d.ActualizaEspera(0, QString::number(fila));
        if (espera->labelText() != anterior) {
            ++cambios;
            anterior = espera->labelText();
        }
    }
    EXPECT_LE(cambios, reloj.elapsed() / 40 + 1);

    // After a pause the next report shows at once.
    QThread::msleep(50);
    d.ActualizaEspera(0, QStringLiteral("FC  000100000012A"));
    EXPECT_EQ(espera->labelText(), QStringLiteral("FC  000100000012A"));
    d.CierraEspera();
    EXPECT_EQ(VentanaDeEspera(), nullptr);
    d.CierraEspera();
}

TEST(PintaProgreso, TheDonePartIsADarkBlueBarOverTheBox)
{
    DialogosQt dialogos;
    QLabel caja;
    caja.resize(300, 30);
    const QRgb azul = qRgb(0, 0, 0x80), blanco = qRgb(0xFF, 0xFF, 0xFF);

    dialogos.PintaProgreso(&caja, QStringLiteral("Ciclo 50%"), 0.5);
    QImage imagen = caja.pixmap().toImage();
    ASSERT_EQ(imagen.size(), QSize(300, 30));
    EXPECT_EQ(imagen.pixel(10, 1), azul);
    EXPECT_EQ(imagen.pixel(140, 28), azul);
    EXPECT_EQ(imagen.pixel(160, 28), blanco);
    EXPECT_EQ(imagen.pixel(290, 1), blanco);

    dialogos.PintaProgreso(&caja, QStringLiteral("Ciclo 25%"), 0.25);
    imagen = caja.pixmap().toImage();
    EXPECT_EQ(imagen.pixel(70, 1), azul);
    EXPECT_EQ(imagen.pixel(80, 1), blanco);

    dialogos.PintaProgreso(&caja, QStringLiteral("Ciclo 1%"), 0);
    imagen = caja.pixmap().toImage();
    EXPECT_EQ(imagen.pixel(10, 1), blanco);

    // A box of no size is left as it is.
    QLabel vacia;
    vacia.resize(0, 0);
    dialogos.PintaProgreso(&vacia, QStringLiteral("Ciclo 1%"), 0.5);
    EXPECT_TRUE(vacia.pixmap().isNull());
}
