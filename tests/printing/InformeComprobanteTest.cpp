#include "email/EnvioDeInformes.h"
#include "email/FrmEnviar.h"
#include "platform/reports/MotorInformes.h"
#include "platform/reports/VistaPreviaInforme.h"
#include "printing/AuxiliarComprobantes.h"

#include "BaseImpresion.h"
#include "platform/base/Ajustes.h"
#include "platform/base/ArchivoSeguro.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "support/ParteReal.h"
#include "support/ServidorCups.h"
#include "support/TextoPdf.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPushButton>
#include <QTimer>

namespace {

// The demo work order printed as the voucher print prints it: its print rows
// made by the real generator, its report file beside the program.
class InformeComprobante : public BaseImpresion {
protected:
    void SetUp() override
    {
        BaseImpresion::SetUp();
        QString tc = QStringLiteral("OT");
        GeneraAuxiliarComprobantes(tc, "0001", "00000050", "X", "0", 3, {}, {}, {}, {}, {}, {}, {});
        ObjReporte().InstalaMotor(std::make_unique<MotorInformes>(ConexionPrincipal()));
        ObjReporte().CargaFormulas({"NombreEmpresa = 'D'Angelo e Hijos'", "Direccion = 'San Martín 1234 - 3 B'",
                                    "Localidad= 'Rosario'", "Telefono= 'Telefono:0341-4440000'", ""});
    }
    void TearDown() override
    {
        InstalaEnvioInforme({});
        BaseImpresion::TearDown();
    }

    void imprime(int destino, const QString& seleccion = QString())
    {
        ObjReporte().setDestino(destino);
        ObjReporte().Imprime(QCoreApplication::applicationDirPath() + QStringLiteral("/OT-X.rpt"), {"+{Aux_Mv_Cpte.ID}"},
                             seleccion.isNull() ? QStringLiteral(" {V_MV_CPTE.TC} = 'OT  ' AND {V_MV_CPTE.IDCOMPROBANTE} = "
                                                                 "'000100000050X' AND {V_MV_CPTE.IDCOMPLEMENTO} = 0 AND "
                                                                 "{Aux_MV_CPte.USUARIO} = '") +
                                                      ClaveEstacion() + u'\''
                                                : seleccion,
                             Modulo().CadenaConexionReporte, {}, {}, {}, {}, {}, QStringLiteral("RP_CpteObs"), {},
                             QStringLiteral("RP_CPTESER"));
    }

    // What a printed work order must show, wherever it went.
    void muestraLaOrden(const QString& pdf)
    {
        const QString texto = TextoPdf(pdf);
        const QString letras = valor(QStringLiteral("SELECT MAX(IMPORTEENLETRAS) FROM AUX_MV_CPTE")).toString().trimmed();
        EXPECT_FALSE(letras.isEmpty());
        for (const QString& parte :
             {QStringLiteral("D'Angelo e Hijos"), QStringLiteral("San Martín 1234 - 3 B"), QStringLiteral("Orden de Trabajo"),
              QStringLiteral("0001-00000050"), QStringLiteral("18/03/2025"), QStringLiteral("Pérez Juan Carlos"),
              QStringLiteral("Diagnóstico de falla"), QStringLiteral("Cable unipolar 2,5 mm"),
              QStringLiteral("Trabajo en altura"), QStringLiteral("Garantía de 90 días sobre la mano de obra"),
              QStringLiteral("Total"), QStringLiteral("18,150.00"), letras, QStringLiteral("Observaciones"),
              QStringLiteral("Orden urgente")})
            EXPECT_TRUE(texto.contains(parte)) << parte.toStdString() << "\n" << texto.toStdString();
    }

    // Where a person would click in the preview: does what they would, then
    // closes it.
    template <typename Clics>
    static void cierraVistaPrevia(Clics clics)
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* vista = qobject_cast<VistaPreviaInforme*>(w);
            if (vista && vista->isVisible()) {
                clics(*vista);
                vista->CmdCerrar->click();
            }
        }
    }

    ConFormatoNumerico formato{FormatoPunto()};
};

TEST_F(InformeComprobante, TheDemoWorkOrderExportsToAPdfWithItsHeadingLinesTotalsAndWords)
{
    EXIGE_PARTE_REAL(HayPdftotext(), "poppler-utils (pdftotext) is not installed");
    const QString pdf = dir.filePath(QStringLiteral("OT.pdf"));
    ObjReporte().Parametro(QStringLiteral("PrintFileName"), pdf);
    ObjReporte().Parametro(QStringLiteral("PrintFileType"), 31);
    imprime(ObjReporte().DestinoArchivo());
    EXPECT_EQ(PaginasPdf(pdf), 1);
    muestraLaOrden(pdf);
}

TEST_F(InformeComprobante, ItPrintsOnTheCupsQueueItsPrinterNameMapsToAndTellsOfAnUnknownOne)
{
    EXIGE_PARTE_REAL(HayPdftotext(), "poppler-utils (pdftotext) is not installed");
    ServidorCups cups;
    EXIGE_PARTE_REAL(cups.arrancado(), cups.error().toStdString());
    ASSERT_TRUE(cups.agregaCola(QStringLiteral("mostrador")));
    Ajustes::guarda(QStringLiteral("impresoras/Caja Principal"), QStringLiteral("mostrador"));
    ObjReporte().setNombreImpresora(QStringLiteral("Caja Principal"));
    ObjReporte().setPuerto(QStringLiteral("LPT1:"));
    imprime(ObjReporte().DestinoImpresora());
    ASSERT_EQ(cups.documentos().size(), 1);
    muestraLaOrden(cups.documentos()[0]);

    ObjReporte().setNombreImpresora(QStringLiteral("Laser del fondo"));
    dialogos->responde(1);
    imprime(ObjReporte().DestinoImpresora());
    EXPECT_EQ(dialogos->mensajes(),
              QStringList{"La impresora Laser del fondo no está configurada en este equipo; el informe se imprime en "
                          "la impresora predeterminada (escaneo)."});
    ASSERT_EQ(cups.documentos().size(), 2);
    EXPECT_TRUE(TextoPdf(cups.documentos()[1]).contains(QStringLiteral("Orden de Trabajo")));

    // The preview's Print goes to the report's printer.
    ObjReporte().setNombreImpresora(QStringLiteral("Caja Principal"));
    QTimer::singleShot(0, [&] { cierraVistaPrevia([](VistaPreviaInforme& v) { v.CmdImprimir->click(); }); });
    imprime(ObjReporte().DestinoPantalla());
    ASSERT_EQ(cups.documentos().size(), 3);
    EXPECT_TRUE(TextoPdf(cups.documentos()[2]).contains(QStringLiteral("0001-00000050")));
}

TEST_F(InformeComprobante, TheScreenShowsAModalPreviewThatSavesThePdf)
{
    const QString guardado = dir.filePath(QStringLiteral("vista.pdf"));
    int paginas = -1;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        cierraVistaPrevia([&](VistaPreviaInforme& v) {
            modal = v.isModal();
            paginas = v.Paginas();
            dialogos->responde(guardado);
            v.CmdGuardar->click();
        });
    });
    imprime(ObjReporte().DestinoPantalla());
    EXPECT_TRUE(modal);
    EXPECT_EQ(paginas, 1);
    EXPECT_EQ(PaginasPdf(guardado), 1);
    EXPECT_EQ(dialogos->tipos(), QStringList{"GuardarArchivo"});
}

TEST_F(InformeComprobante, ForEmailThePdfGoesToTheInstalledHookFromTheTemporaryFolder)
{
    try {
        imprime(ObjReporte().DestinoEmail());
        FAIL();
    } catch (const Err& e) {
        EXPECT_EQ(e.Description, QStringLiteral("No hay envío por correo instalado para el informe %1/OT-X.rpt.")
                                     .arg(QCoreApplication::applicationDirPath()));
    }
    QString adjunto;
    InstalaEnvioInforme([&](const QString& pdf) { adjunto = pdf; });
    imprime(ObjReporte().DestinoEmail());
    EXPECT_EQ(adjunto, carpetaTemporal + QStringLiteral("OT-X.pdf"));
    EXPECT_EQ(PaginasPdf(adjunto), 1);

    // The program's hook opens the e-mail window with the PDF attached.
    InstalaEnvioDeInformes();
    QString adjuntoEnVentana;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* frm = qobject_cast<FrmEnviar*>(w); frm && frm->isVisible()) {
                modal = frm->isModal();
                adjuntoEnVentana = frm->txtAttach->text();
                frm->cmdExit_Click();
            }
        }
    });
    imprime(ObjReporte().DestinoEmail());
    EXPECT_TRUE(modal);
    EXPECT_EQ(adjuntoEnVentana, carpetaTemporal + QStringLiteral("OT-X.pdf"));
}

TEST_F(InformeComprobante, ARefusedFormulaPrintsNothingAndNeverShowsTheConnectionString)
{
    ObjReporte().Parametro(QStringLiteral("PrintFileName"), dir.filePath(QStringLiteral("no.pdf")));
    try {
        imprime(ObjReporte().DestinoArchivo(), QStringLiteral("{V_MV_CPTE.TC} = 'OT' OR 1=1"));
        FAIL();
    } catch (const Err& e) {
        EXPECT_EQ(e.Description, QStringLiteral("La fórmula del informe no se puede usar (se esperaba un campo entre "
                                                "llaves en lugar de «1»): {V_MV_CPTE.TC} = 'OT' OR 1=1"));
        EXPECT_FALSE(e.Description.contains(QStringLiteral("PWD")));
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("no.pdf"))));
}

TEST_F(InformeComprobante, AJournalEntryPrintsItsLinesFromItsBareReportName)
{
    EXIGE_PARTE_REAL(HayPdftotext(), "poppler-utils (pdftotext) is not installed");
    const QString pdf = dir.filePath(QStringLiteral("asiento.pdf"));
    ObjReporte().setCarpetaPrograma(QCoreApplication::applicationDirPath() + u'/');
    ObjReporte().Parametro(QStringLiteral("PrintFileName"), pdf);
    ObjReporte().Parametro(QStringLiteral("PrintFileType"), QStringLiteral("31"));
    ObjReporte().setDestino(ObjReporte().DestinoArchivo());
    ObjReporte().Imprime(QStringLiteral("Asientos"), {"", "", ""},
                         QStringLiteral("{MV_ASIENTOS.TC} = 'CB' AND {MV_ASIENTOS.SUCURSAL} = '0001' AND "
                                        "{MV_ASIENTOS.NUMERO} = '00000101' AND {MV_ASIENTOS.LETRA} = 'A'"),
                         Modulo().CadenaConexionReporte, QStringLiteral("EMPRESA = 'D'Angelo e Hijos'"),
                         QStringLiteral("ENQUEMONEDA = '1'"));
    const QString texto = TextoPdf(pdf);
    EXPECT_TRUE(texto.contains(QStringLiteral("Asiento Contable"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("D'Angelo e Hijos")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Cobranza marzo")));
    EXPECT_TRUE(texto.contains(QStringLiteral("1,770.00")));
}

}
