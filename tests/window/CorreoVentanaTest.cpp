#include "VentanaEnDemo.h"

#include "email/FrmEnviar.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "support/ParteReal.h"
#include "support/ServidorSmtp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

// "Email" on the voucher on view: the work folder, the report object's
// export settings and the e-mail window filled and shown.

namespace {

class CorreoEnVentana : public VentanaEnDemo {
protected:
    // Picks the demo's first sales voucher in the grid, which shows its page.
    void eligeFactura()
    {
        clic("1001", "FC  000100000012A", "03/03/2025", "factura-0001-00000012.jpg", VistaDeFila::Ventas);
        ASSERT_TRUE(QFileInfo::exists(ventana->ArchivoHtmlActual));
    }

    // Runs "Email"; once the e-mail window shows, `opera` acts where the
    // operator would.
    void email(const std::function<void(FrmEnviar&)>& opera)
    {
        bool mostrada = false;
        QTimer::singleShot(0, ventana.get(), [&] {
            FrmEnviar* frm = ventana->findChild<FrmEnviar*>();
            ASSERT_NE(frm, nullptr);
            ASSERT_TRUE(frm->isVisible());
            ASSERT_TRUE(frm->isModal());
            mostrada = true;
            opera(*frm);
        });
        ventana->CmdImprimir->click();
        EXPECT_TRUE(mostrada);
        EXPECT_EQ(ventana->findChild<FrmEnviar*>(), nullptr);
    }

    QString carpetaDeHoy() const { return carpetaTemporal + QStringLiteral("E-MAILS/ENVIOS/") +
                                          QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")); }
};

}

TEST_F(CorreoEnVentana, WithoutAVoucherOnlyTheWorkFolderIsMade)
{
    dialogos->responde(1);
    ventana->CmdImprimir_Click();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("Debe seleccionar al menos un comprobante!!!"));
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Aviso al operador"));
    EXPECT_EQ(dialogos->avisos[0].botones, 32);
    EXPECT_EQ(QDir(carpetaDeHoy()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    EXPECT_EQ(ObjReporte().Destino(), 0);
}

// The window opens on the voucher: sender, contacts, subject, the page as
// text and in the browser, its style sheet attached; the report object is
// left set up for the export. The operator leaves without sending.
TEST_F(CorreoEnVentana, EmailFillsTheWindowAndSetsTheExport)
{
    eligeFactura();
    const QString pagina = ventana->ArchivoHtmlActual;
    const QString texto = DeCp1252(LeeArchivoCompleto(pagina)).remove(u'\r').remove(u'\n');
    email([&](FrmEnviar& frm) {
        EXPECT_TRUE(frm.MostrarAntes);
        EXPECT_EQ(frm.ArchivoWeb, carpetaTemporal + QStringLiteral("PiePag.htm"));
        EXPECT_EQ(frm.TC, QStringLiteral("FC"));
        EXPECT_EQ(frm.IdComprobante, QStringLiteral("000100000012A"));
        EXPECT_EQ(frm.Cuenta, QStringLiteral("1001"));
        EXPECT_EQ(frm.Campo(QStringLiteral("De"))->text(), QStringLiteral("Usuario Demo"));
        EXPECT_EQ(frm.Campo(QStringLiteral("Para"))->text(),
                  QStringLiteral("compras@tornillo.example;tesoreria@tornillo.example"));
        EXPECT_EQ(frm.Campo(QStringLiteral("Asunto"))->text(), QStringLiteral("Factura 000100000012A"));
        EXPECT_EQ(frm.Campo(QStringLiteral("Mensaje"))->text(), texto);
        EXPECT_EQ(frm.PaginaMostrada(), pagina);
        EXPECT_EQ(frm.WebBrowser1->Direccion(), QUrl::fromLocalFile(pagina));
        EXPECT_EQ(frm.txtAttach->text(), carpetaTemporal + QStringLiteral("Style_Vantrelo.css"));
        frm.cmdExit->click();
    });
    const QStringList carpetas = QDir(carpetaDeHoy()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(carpetas.size(), 1);
    const QString trabajo = carpetaDeHoy() + u'/' + carpetas[0];
    EXPECT_TRUE(QFileInfo(trabajo).isWritable());
    EXPECT_EQ(ObjReporte().Destino(), ObjReporte().DestinoArchivo());
    EXPECT_EQ(ObjReporte().ArchivoExportacion(), trabajo + QStringLiteral("/FC  000100000012A1.RPT"));
    EXPECT_EQ(ObjReporte().TipoExportacion().toInt(), 7);
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 0);
}

// In the running window a send reaches the server and the log.
TEST_F(CorreoEnVentana, ASendFromTheWindowReachesTheServerAndTheLog)
{
    ServidorSmtp servidor(ServidorSmtp::Modo::StartTls, QStringLiteral("demo@example.com"), QStringLiteral("secreta"));
    EXIGE_PARTE_REAL(servidor.disponible(), servidor.motivo().toStdString());
    VariableTemporal hotmail("ESCANEO_SMTP_HOTMAIL", "127.0.0.1");
    VariableTemporal ca("ESCANEO_SMTP_CA", QFile::encodeName(servidor.certificado()));
    ejecuta(QStringLiteral("UPDATE ta_usuarios SET email_Password = 'secreta' WHERE Nombre = 'demo'"));
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = 'Hotmail' WHERE Clave = 'EMAIL_SERVER'"));
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'EMAIL_PUERTO'").arg(servidor.puerto()));
    eligeFactura();
    dialogos->responde(1);
    email([](FrmEnviar& frm) { frm.cmdSend->click(); });
    EXPECT_EQ(dialogos->mensajes(), QStringList{QStringLiteral("Mensaje enviado correctamente")});
    const auto recibidos = servidor.recibidos(1);
    ASSERT_EQ(recibidos.size(), 1u);
    EXPECT_EQ(recibidos[0].destinatarios,
              (QStringList{QStringLiteral("compras@tornillo.example"), QStringLiteral("tesoreria@tornillo.example")}));
    EXPECT_EQ(Encabezado(recibidos[0].arbol, QStringLiteral("Subject")), QStringLiteral("Factura 000100000012A"));
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov WHERE Status = 'OK' AND TC = 'FC' AND Cuenta = '1001' AND "
                                    "IdComprobante = '000100000012A' AND CuentaEmail = 'demo@example.com'")),
              1);
}

// A page that is gone gives a message; the window goes on.
TEST_F(CorreoEnVentana, AMissingPageIsToldAndNothingOpens)
{
    eligeFactura();
    QFile::remove(ventana->ArchivoHtmlActual);
    dialogos->responde(1);
    ventana->CmdImprimir_Click();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.startsWith(QStringLiteral("No hay una página del comprobante")));
    EXPECT_EQ(ventana->findChild<FrmEnviar*>(), nullptr);
}

// Without the e-mail only the voucher's print data is rebuilt.
TEST_F(CorreoEnVentana, WithoutEmailOnlyThePrintDataIsRebuilt)
{
    eligeFactura();
    bool porEmail = false;
    ventana->Imprimir(porEmail);
    EXPECT_GT(cuenta(QStringLiteral("AUX_MV_CPTE WHERE IDCOMPROBANTE = '000100000012A'")), 0);
    EXPECT_EQ(ObjReporte().Destino(), 0);
    EXPECT_TRUE(ObjReporte().ArchivoExportacion().isEmpty());
    EXPECT_TRUE(dialogos->avisos.empty());
}
