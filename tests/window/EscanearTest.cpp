#include "support/escaneo/BaseEscaneo.h"

#include "platform/dialogs/Dialogos.h"
#include "window/FrmEscaneo.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>

#include <memory>

namespace {

// Small pages keep the test device quick.
constexpr int ResolucionDePrueba = 75;

}

class Escanear : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        configuraCarpetaEscaneo();
        creaArchivoEscaner();
        ventana = std::make_unique<FrmEscaneo>(lineaComando());
        ASSERT_EQ(ventana->Form_Load(), FrmEscaneo::FinCarga::Mostrar);
        ventana->Text2->setText(QString::number(ResolucionDePrueba));
        filasIniciales = cuenta(QStringLiteral("CTROL_ESCANEO"));
    }
    void TearDown() override
    {
        ventana.reset();
        BaseEscaneo::TearDown();
    }

    QString ruta(const char* nombre) const { return carpetaEscaneo + QLatin1String(nombre); }
    long filasNuevas() { return cuenta(QStringLiteral("CTROL_ESCANEO")) - filasIniciales; }

    std::unique_ptr<FrmEscaneo> ventana;
    long filasIniciales = 0;
};

TEST_F(Escanear, TheCopiesFieldDecidesHowManyPagesTheButtonsScan)
{
    ventana->Text1->setText(QStringLiteral("3"));
    dialogos->responde(QStringLiteral("remito"));
    ventana->cmdNumeriser_Click();
    for (const char* nombre : {"remito.bmp", "remito(2).bmp", "remito(3).bmp"})
        EXPECT_FALSE(QImage(ruta(nombre)).isNull()) << nombre;
    EXPECT_EQ(filasNuevas(), 3);
}

TEST_F(Escanear, TheSelectionButtonScansForTheChosenVoucher)
{
    ventana->Campo(QStringLiteral("ResTC"))->setText(QStringLiteral("FC"));
    ventana->Campo(QStringLiteral("ResCpte"))->setText(QStringLiteral("000100000012A"));
    ventana->Campo(QStringLiteral("ResCuenta"))->setText(QStringLiteral("1001"));
    dialogos->responde(Resultado::Cancelar);
    ventana->CmdEscanear_Click();
    EXPECT_EQ(dialogos->tipos(), QStringList{QStringLiteral("MsgBox")});
    EXPECT_EQ(filasNuevas(), 0);

    dialogos->responde(Resultado::Aceptar).responde(QStringLiteral("elegido"));
    ventana->CmdEscanear_Click();
    ASSERT_EQ(dialogos->avisos.size(), 3u);
    ASSERT_EQ(dialogos->avisos[2].columnas.size(), 1);
    EXPECT_TRUE(dialogos->avisos[2].columnas[0].startsWith(QStringLiteral("FC000100000012A-1001-")))
        << dialogos->avisos[2].columnas[0].toStdString();
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND Cpte='FC  000100000012A' "
                                    "AND NombreArchivo='elegido'")),
              1);
}

TEST_F(Escanear, ALowResolutionIsRaisedToSeventy)
{
    ventana->Text2->setText(QStringLiteral("50"));
    EXPECT_EQ(ventana->Resolucion, 50);
    dialogos->responde(QStringLiteral("baja"));
    ventana->cmdNumeriser_Click();
    EXPECT_EQ(ventana->Resolucion, 70);
    EXPECT_EQ(ventana->Text2->text(), QStringLiteral("50"));
    EXPECT_EQ(QImage(ruta("baja.bmp")).width(), PixelesDePagina(80, 70));
}

TEST_F(Escanear, FieldsWithoutANumberScanOneCopyAtTheDefaultResolution)
{
    ventana->Text1->setText(QStringLiteral("x"));
    ventana->Text2->setText(QString());
    EXPECT_EQ(ventana->Text1->text(), QStringLiteral("x"));
    dialogos->responde(QStringLiteral("defecto"));
    ventana->cmdNumeriser_Click();
    EXPECT_EQ(filasNuevas(), 1);
    EXPECT_EQ(QImage(ruta("defecto.bmp")).width(), PixelesDePagina(80, 290));
}

TEST_F(Escanear, FieldsOutOfRangeReturnToTheirDefault)
{
    ventana->Text1->setText(QStringLiteral("4"));
    EXPECT_EQ(ventana->Copias, 4);
    for (const char* fuera : {"0", "100"}) {
        ventana->Text1->setText(QString::fromLatin1(fuera));
        EXPECT_EQ(ventana->Text1->text(), QStringLiteral("1")) << fuera;
        EXPECT_EQ(ventana->Copias, 1) << fuera;
    }
    ventana->Text2->setText(QStringLiteral("5000"));
    EXPECT_EQ(ventana->Text2->text(), QStringLiteral("290"));
    EXPECT_EQ(ventana->Resolucion, 290);
    ventana->Text3->setText(QStringLiteral("0"));
    EXPECT_EQ(ventana->Text3->text(), QStringLiteral("100"));
    ventana->Text3->setText(QStringLiteral("501"));
    EXPECT_EQ(ventana->Text3->text(), QStringLiteral("100"));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(Escanear, TheButtonsScanInColourWhateverTypeWasChosen)
{
    ventana->comboType->setCurrentIndex(0);
    ventana->comboType_Click();
    EXPECT_EQ(ventana->TipoPixel, 0);
    dialogos->responde(QStringLiteral("color"));
    ventana->cmdNumeriser_Click();
    EXPECT_EQ(ventana->comboType->currentText(), QStringLiteral("Colores"));
    EXPECT_EQ(ventana->TipoPixel, 2);
    EXPECT_EQ(QImage(ruta("color.bmp")).depth(), 32);

    // Abandoned at the name prompt: the scan type is applied before it.
    dialogos->responde(QString()).responde(Resultado::Si).responde(QString()).responde(Resultado::Si);
    ventana->Escanear(QString(), QString(), QString(), 1, 2);
    EXPECT_EQ(ventana->TipoPixel, 1);
    ventana->Escanear(QString(), QString(), QString(), 1, 7);
    EXPECT_EQ(ventana->comboType->currentText(), QStringLiteral("Escala de Grises"));
}

TEST_F(Escanear, TheBusyPointerDoesNotOutlastTheScan)
{
    dialogos->responde(QStringLiteral("cursor"));
    ventana->cmdNumeriser_Click();
    EXPECT_TRUE(ventana->isVisible());
    EXPECT_EQ(ventana->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Escanear, SaveStoresTheFolderOfTheField)
{
    ventana->TxtRuta->setText(QStringLiteral("/otra/carpeta/"));
    ventana->CmdGuardar_Click();
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_EQ(cuenta(QStringLiteral("TA_CONFIGURACION WHERE Clave='RUTA_ESCANEO' AND Valor='/otra/carpeta/'")), 1);
}

TEST_F(Escanear, TheScannerTestLeavesTwoSidesInTheCurrentFolderUnregistered)
{
    ventana->Command1_Click();
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_FALSE(QImage(QStringLiteral("front.bmp")).isNull());
    EXPECT_FALSE(QImage(QStringLiteral("back.bmp")).isNull());
    EXPECT_EQ(filasNuevas(), 0);
}
