#include "email/FrmEnviar.h"
#include "email/ReglaEmail.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/reports/MotorInformes.h"
#include "platform/reports/VistaPreviaInforme.h"
#include "services/CargaConfiguracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "support/ParteReal.h"
#include "support/ServidorSmtp.h"
#include "support/TextoPdf.h"
#include "support/TextoQt.h"
#include "support/VistaGrabadora.h"
#include "support/modulo/BaseDePrueba.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gmock/gmock.h>

#include <functional>

namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// What a caller hands the mailing, and gets back changed.
struct Documento {
    QString Cuenta;
    QString TC;
    QVariant IdComprobante;
    bool PorPantalla = false;
    bool ForzarEnvio = false;
};

class VerificaEmailTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
        CargaConfiguracion(QString());
        Modulo().ClaveEstacionSesion = QStringLiteral("PUESTO1|DEMO");
        ejecuta(QStringLiteral("UPDATE ta_usuarios SET email_usuario = 'envios@example.com', "
                               "email_Password = 'clave', email_ServerOtro = '127.0.0.1' WHERE Nombre = 'demo'"));
        ObjReporte().InstalaMotor(std::make_unique<MotorInformes>(ConexionPrincipal()));
    }
    void TearDown() override
    {
        ObjReporte().InstalaMotor(nullptr);
        BaseDePrueba::TearDown();
    }

    bool arrancaServidor()
    {
        servidor = std::make_unique<ServidorSmtp>(ServidorSmtp::Modo::Plano, QStringLiteral("envios@example.com"),
                                                  QStringLiteral("clave"));
        if (!servidor->disponible())
            return false;
        ponePuerto(servidor->puerto());
        return true;
    }
    void ponePuerto(int puerto)
    {
        ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'EMAIL_PUERTO'").arg(puerto));
    }

    // Runs the mailing; `enVentana` acts where the operator would, once the
    // window shows for confirmation.
    void verifica(Documento& d, std::function<void()> enVentana = {})
    {
        if (enVentana)
            alMostrarse(std::move(enVentana));
        frm.VerificaeMail(d.Cuenta, d.TC, d.IdComprobante, d.PorPantalla, d.ForzarEnvio);
    }
    void alMostrarse(std::function<void()> accion)
    {
        QTimer::singleShot(10, &frm, [this, accion] {
            if (!frm.isVisible())
                return alMostrarse(accion);
            vistaConfirmada = true;
            accion();
        });
    }

    // The one work folder (date, then time, below ENVIOS); empty when
    // there is none or more than one.
    QString carpetaEnvio() const
    {
        const QDir envios(carpetaTemporal + QStringLiteral("E-MAILS/ENVIOS"));
        QStringList horas;
        for (const QString& fecha : envios.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString& hora : QDir(envios.filePath(fecha)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                horas << envios.filePath(fecha + u'/' + hora);
        return horas.size() == 1 ? horas[0] : QString();
    }
    // Its files, by name.
    QStringList archivosEnvio() const
    {
        const QString carpeta = carpetaEnvio();
        return carpeta.isEmpty() ? QStringList{QStringLiteral("(no work folder)")}
                                 : QDir(carpeta).entryList(QDir::Files, QDir::Name);
    }
    static QJsonArray Partes(const QJsonObject& nodo) { return nodo.value(QStringLiteral("partes")).toArray(); }

    ConVistaGrabadora vistas;
    std::unique_ptr<ServidorSmtp> servidor;
    FrmEnviar frm;
    bool vistaConfirmada = false;
};

// The rule a type takes: the type anywhere inside codigoactivador, only
// active rules, the first by its key.
TEST_F(VerificaEmailTest, TheRuleIsTheFirstActiveOneWhoseTriggerHoldsTheType)
{
    struct Caso {
        const char* antes;
        const char* tipo;
        const char* asunto;  // null: no rule
        bool sinConfirmacionNula;
    };
    const Caso casos[] = {
        {"", "FC", "Comprobante", false},
        {"", "ND", "Comprobante", false},
        {"", "C NC", "Comprobante", false},
        {"", "CB", "Recibo", false},
        {"", "cbct", "Recibo", false},
        {"", "OPG", "Orden de pago", true},
        {"", "@CJA", "Cierre de caja", true},
        {"", "OT", nullptr, false},
        {"", "XX", nullptr, false},
        {"", "O'T", nullptr, false},
        {"UPDATE v_ma_email SET baja = 1 WHERE Asunto = 'Recibo'", "CB", "Recibo de cobranza", false},
        {"INSERT INTO v_ma_email (Id, codigoactivador, baja, Asunto) VALUES (100, 'OT', 0, 'Taller')", "OT",
         "Taller", true},
    };
    for (const Caso& c : casos) {
        if (*c.antes)
            ejecuta(QString::fromUtf8(c.antes));
        ReglaEmail regla;
        const bool hay = BuscaReglaEmail(QString::fromUtf8(c.tipo), regla);
        EXPECT_EQ(hay, c.asunto != nullptr) << c.tipo;
        if (hay) {
            EXPECT_EQ(regla.Asunto.toString(), QString::fromUtf8(c.asunto)) << c.tipo;
            EXPECT_EQ(regla.SinConfirmacion.isNull(), c.sinConfirmacionNula) << c.tipo;
        }
    }
}

// A voucher: its print rows, the HTML export and the saved report in the
// work folder, the PDF made from it attached; the window shows for
// confirmation and the operator sends.
TEST_F(VerificaEmailTest, AVoucherIsExportedAttachedAsPdfAndSentOnceTheOperatorConfirms)
{
    EXIGE_PARTE_REAL(arrancaServidor(), servidor->motivo().toStdString());
    EXIGE_PARTE_REAL(HayPdftotext(), "poppler-utils (pdftotext) is not installed");
    Documento d{QStringLiteral("1002"), QStringLiteral("FC"), QStringLiteral("000100000013A")};
    QString asunto, para, de, comentario, adjunto;
    QStringList enCarpeta;
    verifica(d, [&] {
        asunto = frm.Campo(QStringLiteral("Asunto"))->text();
        para = frm.Campo(QStringLiteral("Para"))->text();
        de = frm.Campo(QStringLiteral("De"))->text();
        comentario = frm.TxtComen->toPlainText();
        adjunto = frm.txtAttach->text();
        enCarpeta = archivosEnvio();
        frm.cmdSend->click();
    });

    EXPECT_TRUE(vistaConfirmada);
    EXPECT_EQ(d.TC, QStringLiteral("FC  ")) << "the caller's type comes back padded";
    EXPECT_EQ(asunto, QStringLiteral("Comprobante(FC   000100000013A)"));
    EXPECT_EQ(para, QStringLiteral("admin@norte.example"));
    EXPECT_EQ(de, QStringLiteral("envios@example.com"));
    EXPECT_EQ(comentario, QStringLiteral("Adjuntamos su comprobante."));
    EXPECT_THAT(enCarpeta, ElementsAre(QStringLiteral("1002.htm"), QStringLiteral("10021.PDF"),
                                       QStringLiteral("10021.RPT")));
    EXPECT_EQ(QFileInfo(adjunto).fileName(), QStringLiteral("10021.PDF"));
    EXPECT_TRUE(TextoPdf(adjunto).contains(QStringLiteral("0001-00000013"))) << TextoPdf(adjunto).toStdString();
    EXPECT_THAT(archivosEnvio(), ElementsAre(QStringLiteral("10021.PDF"), QStringLiteral("10021.RPT")))
        << "the HTML export is deleted at the end";
    EXPECT_EQ(QFileInfo(carpetaEnvio()).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                                    QFile::ExeOwner | QFile::ReadUser |
                                                                    QFile::WriteUser | QFile::ExeUser);
    EXPECT_GT(cuenta(QStringLiteral("AUX_MV_CPTE WHERE TC = 'FC' AND IDCOMPROBANTE = '000100000013A'")), 0);

    const auto recibidos = servidor->recibidos(1);
    ASSERT_EQ(recibidos.size(), 1u);
    EXPECT_THAT(recibidos[0].destinatarios, ElementsAre(QStringLiteral("admin@norte.example")));
    EXPECT_EQ(Encabezado(recibidos[0].arbol, QStringLiteral("Subject")), asunto);
    const QJsonObject pdf = Partes(recibidos[0].arbol)[1].toObject();
    EXPECT_EQ(pdf.value(QStringLiteral("nombre")).toString(), QStringLiteral("10021.PDF"));
    EXPECT_EQ(pdf.value(QStringLiteral("tipo")).toString(), QStringLiteral("application/pdf"));
    EXPECT_TRUE(Contenido(pdf).startsWith("%PDF"));

    EXPECT_EQ(valor(QStringLiteral("SELECT Status || '|' || TC || '|' || IdComprobante || '|' || Cuenta || '|' || "
                                   "Para || '|' || Adjunto FROM v_ma_emailmov")),
              QStringLiteral("OK|FC  |000100000013A|1002|admin@norte.example|") + adjunto);
}

// A receipt whose rule sends without confirmation: no window, no box, the
// contacts that take receipts as recipients, the type as passed.
TEST_F(VerificaEmailTest, AReceiptWhoseRuleNeedsNoConfirmationGoesStraightToItsContacts)
{
    EXIGE_PARTE_REAL(arrancaServidor(), servidor->motivo().toStdString());
    Documento d{QStringLiteral("1001"), QStringLiteral("CB"), QStringLiteral("000100000101A")};
    verifica(d);

    EXPECT_FALSE(vistaConfirmada);
    EXPECT_TRUE(dialogos->avisos.empty()) << dialogos->mensajes().join(u'|').toStdString();
    EXPECT_FALSE(frm.isVisible());
    EXPECT_EQ(d.TC, QStringLiteral("CB"));
    EXPECT_GT(cuenta(QStringLiteral("AUX_MV_CPTE WHERE TC = 'CB' AND USUARIO = 'PUESTO1|DEMO'")), 0);
    EXPECT_THAT(archivosEnvio(), ElementsAre(QStringLiteral("10011.PDF"), QStringLiteral("10011.RPT")));

    const auto recibidos = servidor->recibidos(1);
    ASSERT_EQ(recibidos.size(), 1u);
    EXPECT_THAT(recibidos[0].destinatarios,
                UnorderedElementsAre(QStringLiteral("compras@tornillo.example"), QStringLiteral("tesoreria@tornillo.example")));
    EXPECT_EQ(Encabezado(recibidos[0].arbol, QStringLiteral("Subject")), QStringLiteral("Recibo(CB 000100000101A)"));
    EXPECT_EQ(Partes(recibidos[0].arbol)[1].toObject().value(QStringLiteral("nombre")).toString(),
              QStringLiteral("10011.PDF"));
    EXPECT_EQ(valor(QStringLiteral("SELECT Status || '|' || TC || '|' || Asunto FROM v_ma_emailmov")),
              QStringLiteral("OK|CB|Recibo(CB 000100000101A)"));
}

// A cash closing with a blank account is filed under its number: its HTML
// export is written and deleted, the mail has no attachment and goes to the
// rule's recipients.
TEST_F(VerificaEmailTest, ACashClosingIsFiledUnderItsNumberAndMailedWithoutAttachment)
{
    EXIGE_PARTE_REAL(arrancaServidor(), servidor->motivo().toStdString());
    Documento d{QStringLiteral("  "), QStringLiteral("@CJA"), 12};
    QString html, adjunto, para;
    verifica(d, [&] {
        const QStringList archivos = archivosEnvio();
        if (!archivos.isEmpty())
            html = QString::fromUtf8(LeeArchivoCompleto(carpetaEnvio() + u'/' + archivos[0]));
        adjunto = frm.txtAttach->text();
        para = frm.Campo(QStringLiteral("Para"))->text();
        frm.cmdSend->click();
    });

    EXPECT_EQ(d.Cuenta, QStringLiteral("12"));
    EXPECT_TRUE(html.contains(QStringLiteral("Ventas de contado"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("La Fonda de Prueba")));
    EXPECT_TRUE(adjunto.isEmpty());
    EXPECT_EQ(para, QStringLiteral("gerencia@example.com"));
    EXPECT_TRUE(archivosEnvio().isEmpty()) << archivosEnvio().join(u',').toStdString();
    const auto recibidos = servidor->recibidos(1);
    ASSERT_EQ(recibidos.size(), 1u);
    EXPECT_EQ(Encabezado(recibidos[0].arbol, QStringLiteral("Subject")), QStringLiteral("Cierre de caja(@CJA 12)"));
    EXPECT_EQ(Partes(recibidos[0].arbol).size(), 1) << "no attachment";
    EXPECT_EQ(valor(QStringLiteral("SELECT Status || '|' || TC || '|' || IdComprobante || '|' || Cuenta || '|' || "
                                   "Adjunto FROM v_ma_emailmov")),
              QStringLiteral("OK|@CJA|12|12|"));
}

// A "Selectivo" type prints nothing to a printer, but on this road its
// report is exported and mailed.
TEST_F(VerificaEmailTest, ASelectiveTypeStillExportsItsReportForTheMail)
{
    EXIGE_PARTE_REAL(arrancaServidor(), servidor->motivo().toStdString());
    Documento d{QStringLiteral("1001"), QStringLiteral("NP"), QStringLiteral("000100000020X")};
    verifica(d);
    EXPECT_THAT(archivosEnvio(), ElementsAre(QStringLiteral("10011.PDF"), QStringLiteral("10011.RPT")));
    ASSERT_EQ(servidor->recibidos(1).size(), 1u);
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov WHERE Status = 'OK' AND TC = 'NP  '")), 1);
}

// Without a rule nothing is printed or made; forcing the send needs no rule,
// clears the preview and always asks for confirmation, where leaving sends
// nothing.
TEST_F(VerificaEmailTest, NoRuleDoesNothingAndAForcedSendAlwaysConfirms)
{
    const long filas = cuenta(QStringLiteral("AUX_MV_CPTE"));
    Documento sinRegla{QStringLiteral("1002"), QStringLiteral("OT"), QStringLiteral("000100000050X")};
    verifica(sinRegla);
    EXPECT_EQ(cuenta(QStringLiteral("AUX_MV_CPTE")), filas);
    EXPECT_FALSE(QFileInfo::exists(carpetaTemporal + QStringLiteral("E-MAILS")));
    EXPECT_TRUE(dialogos->avisos.empty());

    Documento forzado{QStringLiteral("1002"), QStringLiteral("OT"), QStringLiteral("000100000050X"), true, true};
    QString asunto, de, mensaje;
    verifica(forzado, [&] {
        asunto = frm.Campo(QStringLiteral("Asunto"))->text();
        de = frm.Campo(QStringLiteral("De"))->text();
        mensaje = frm.Campo(QStringLiteral("Mensaje"))->text() + frm.TxtComen->toPlainText();
        frm.cmdExit->click();
    });
    EXPECT_TRUE(vistaConfirmada);
    EXPECT_FALSE(forzado.PorPantalla);
    EXPECT_EQ(forzado.TC, QStringLiteral("OT  "));
    EXPECT_EQ(asunto, QStringLiteral("(OT   000100000050X)"));
    EXPECT_EQ(de, QStringLiteral("Usuario Demo")) << "the user's e-mail name, as the voucher on view takes it";
    EXPECT_TRUE(mensaje.isEmpty());
    EXPECT_GT(cuenta(QStringLiteral("AUX_MV_CPTE")), 0);
    EXPECT_FALSE(frm.isVisible());
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 0);
    EXPECT_THAT(archivosEnvio(), ElementsAre(QStringLiteral("10021.PDF"), QStringLiteral("10021.RPT")));
}

// On screen both prints are previewed and nothing is mailed: no conversion
// is tried, the window stays loaded.
TEST_F(VerificaEmailTest, OnScreenBothPrintsArePreviewedAndNothingIsMailed)
{
    int vistas = 0;
    std::function<void()> cierra = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* vista = qobject_cast<VistaPreviaInforme*>(w); vista && vista->isVisible()) {
                ++vistas;
                vista->CmdCerrar->click();
            }
        if (vistas < 2)
            QTimer::singleShot(10, cierra);
    };
    QTimer::singleShot(10, cierra);
    Documento d{QStringLiteral("1002"), QStringLiteral("FC"), QStringLiteral("000100000013A"), true};
    verifica(d);
    EXPECT_EQ(vistas, 2);
    EXPECT_TRUE(dialogos->avisos.empty()) << dialogos->mensajes().join(u'|').toStdString();
    EXPECT_TRUE(archivosEnvio().isEmpty());
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 0);
}

// A voucher whose report cannot be found leaves no attachment: the operator
// is told by the print and by the conversion, and nothing is sent or logged.
TEST_F(VerificaEmailTest, AMissingExportSendsNothing)
{
    ejecuta(QStringLiteral("INSERT INTO v_ma_email (codigoactivador, baja, SinConfirmacion, Asunto) "
                           "VALUES ('XX', 0, 1, 'Sin formulario')"));
    Documento d{QStringLiteral("1002"), QStringLiteral("XX"), QStringLiteral("000100000013A")};
    verifica(d);
    ASSERT_EQ(dialogos->avisos.size(), 3u) << dialogos->mensajes().join(u'|').toStdString();
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("No se encuentra el Formulario "));
    EXPECT_TRUE(dialogos->avisos[2].mensaje.startsWith(QStringLiteral("No se encontró el Reporte: \r\n")));
    EXPECT_TRUE(dialogos->avisos[2].mensaje.endsWith(QStringLiteral("/10021.RPT")));
    EXPECT_FALSE(vistaConfirmada);
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 0);
    EXPECT_TRUE(archivosEnvio().isEmpty()) << "the HTML export is gone too";
}

// A send that fails is the window's: told, answered, logged as a failure.
TEST_F(VerificaEmailTest, ASendFailureIsToldAndLoggedAsAFailure)
{
    ponePuerto(ServidorSmtp::PuertoCerrado());
    dialogos->responde(1).responde(5).responde(1);
    Documento d{QStringLiteral("1001"), QStringLiteral("CB"), QStringLiteral("000100000101A")};
    verifica(d);
    EXPECT_EQ(dialogos->mensajes().size(), 3) << dialogos->mensajes().join(u'|').toStdString();
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 1);
    EXPECT_EQ(valor(QStringLiteral("SELECT IFNULL(Status, '') || '|' || TC FROM v_ma_emailmov")),
              QStringLiteral("|CB"));
    EXPECT_FALSE(frm.isVisible());
}

// A failing step asks the operator with the routine's name: leaving ends the
// mailing where it is, and going on without a work folder ends it too.
TEST_F(VerificaEmailTest, AFailingStepAsksTheOperatorAndNoWorkFolderEndsTheMailing)
{
    EscribeArchivoCompleto(carpetaTemporal + QStringLiteral("E-MAILS"), "no es una carpeta");
    for (const int respuesta : {3, 5}) {
        dialogos->avisos.clear();
        dialogos->responde(respuesta);
        Documento d{QStringLiteral("1002"), QStringLiteral("FC"), QStringLiteral("000100000013A")};
        verifica(d);
        ASSERT_EQ(dialogos->avisos.size(), 1u) << respuesta;
        EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("Ha ocurrido el Siguiente Error (75) Error de acceso a la "
                                                              "ruta o al archivo: ") +
                                                   carpetaTemporal +
                                                   QStringLiteral("E-MAILS (no es una carpeta: no se escribe en ella)"));
        EXPECT_TRUE(dialogos->avisos[0].titulo.contains(QStringLiteral(" - Aceptar ")));
        EXPECT_EQ(dialogos->avisos[0].botones, 18);
    }
    EXPECT_FALSE(vistaConfirmada);
    EXPECT_EQ(cuenta(QStringLiteral("AUX_MV_CPTE WHERE TC = 'FC' AND IDCOMPROBANTE = '000100000013A'")), 0);
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 0);
}

}
