#include "email/FrmEnviar.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/Objetos.h"
#include "support/ParteReal.h"
#include "support/ServidorSmtp.h"
#include "support/TextoQt.h"
#include "support/VistaGrabadora.h"
#include "support/modulo/BaseDePrueba.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

const QString Clave = QStringLiteral("clave'secreta");

class FrmEnviarTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
        ejecuta(QStringLiteral("UPDATE ta_usuarios SET email_usuario = 'envios@example.com', "
                               "email_Password = 'clave''secreta', email_ServerOtro = '127.0.0.1' WHERE Nombre = 'demo'"));
        ObjBuscador().setConexion(&ConexionPrincipal());
        imagen = carpetaTemporal + QStringLiteral("escaneo 1.jpg");
        EscribeArchivoCompleto(imagen, "jpeg");
        hoja = carpetaTemporal + QStringLiteral("Style_Vantrelo.css");
        EscribeArchivoCompleto(hoja, "body {}");
        textoPagina = QStringLiteral("<html><body><p>Factura N\u00ba 12</p><img alt=\"\" src=\"%1\" width=100%  >"
                                     "<img src=\"http://example.com/logo.png\"></body></html>")
                          .arg(QUrl::fromLocalFile(imagen).toString(QUrl::FullyEncoded));
        pagina = carpetaTemporal + QStringLiteral("FC-A.htm");
        EscribeArchivoCompleto(pagina, ACp1252Html(textoPagina));
    }

    // The server the demo account sends to, on its port.
    bool arrancaServidor(ServidorSmtp::Modo modo = ServidorSmtp::Modo::Plano)
    {
        servidor = std::make_unique<ServidorSmtp>(modo, QStringLiteral("envios@example.com"), Clave);
        if (!servidor->disponible())
            return false;
        ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'EMAIL_PUERTO'")
                    .arg(servidor->puerto()));
        return true;
    }

    // The window as the e-mail preparation leaves it, shown.
    void prepara(FrmEnviar& frm, const QString& para = QStringLiteral("cliente@example.com;"))
    {
        frm.MostrarAntes = true;
        frm.ArchivoWeb = carpetaTemporal + QStringLiteral("PiePag.htm");
        frm.TC = QStringLiteral("FC");
        frm.IdComprobante = QStringLiteral("000100000012A");
        frm.Cuenta = QStringLiteral("1001 ");
        frm.show();
        frm.Campo(QStringLiteral("De"))->setText(QStringLiteral("envios@example.com"));
        frm.Campo(QStringLiteral("Para"))->setText(para);
        frm.Campo(QStringLiteral("Asunto"))->setText(QStringLiteral("Factura 000100000012A"));
        frm.NavegaWebBrowser1(pagina);
        frm.Campo(QStringLiteral("Mensaje"))->setText(textoPagina);
        frm.txtAttach->setText(hoja);
    }

    QStringList titulos()
    {
        QStringList t;
        for (const auto& a : dialogos->avisos)
            t << a.titulo;
        return t;
    }

    ConVistaGrabadora vistas;
    std::unique_ptr<ServidorSmtp> servidor;
    QString imagen, hoja, pagina, textoPagina;
};

QJsonArray Partes(const QJsonObject& nodo)
{
    return nodo.value(QStringLiteral("partes")).toArray();
}

}

TEST_F(FrmEnviarTest, LoadsEitherLayout)
{
    FrmEnviar frm;
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Formulario Envio de eMail"));
    EXPECT_EQ(frm.cmdSend->text(), QStringLiteral("[F2] Enviar Email"));
    EXPECT_EQ(frm.cmdExit->text(), QStringLiteral("[ESC] Salir"));
    EXPECT_EQ(frm.CmdConsultar->text(), QStringLiteral("[F5] Seleccionar"));
    frm.MostrarAntes = true;
    frm.ArchivoWeb = pagina;
    frm.show();
    ASSERT_NE(frm.WebBrowser1, nullptr);
    EXPECT_EQ(frm.WebBrowser1->Direccion(), QUrl::fromLocalFile(pagina));
    EXPECT_TRUE(frm.WebBrowser1->isVisible());
    EXPECT_EQ(frm.WebBrowser1->x(), 1);
    EXPECT_EQ(frm.WebBrowser1->width(), (frm.width() * 15 - 260 + 7) / 15);
    EXPECT_FALSE(frm.Campo(QStringLiteral("Mensaje"))->isVisible());
    // Hidden, the page it holds is kept but never laid out for display.
    frm.Campo(QStringLiteral("Mensaje"))->setText(QStringLiteral("<html>página</html>"));
    EXPECT_EQ(frm.Campo(QStringLiteral("Mensaje"))->text(), QStringLiteral("<html>página</html>"));
    EXPECT_TRUE(frm.Campo(QStringLiteral("Mensaje"))->displayText().isEmpty());
    EXPECT_TRUE(frm.TxtComen->isVisible());
    EXPECT_EQ(frm.CuentaActual().UsuarioCuenta, QStringLiteral("envios@example.com"));
    EXPECT_THAT(frm.ListaMails(), ElementsAre(QString()));

    FrmEnviar manual;
    manual.EnvioManual = true;
    manual.show();
    EXPECT_EQ(manual.WebBrowser1, nullptr);
    EXPECT_TRUE(manual.Campo(QStringLiteral("Mensaje"))->isVisible());
    manual.Campo(QStringLiteral("Mensaje"))->setText(QStringLiteral("texto escrito"));
    EXPECT_EQ(manual.Campo(QStringLiteral("Mensaje"))->displayText(), QStringLiteral("texto escrito"));
    for (QWidget* w : {static_cast<QWidget*>(manual.TxtComen), static_cast<QWidget*>(manual.LblComen),
                       static_cast<QWidget*>(manual.OptArriba), static_cast<QWidget*>(manual.OptAbajo)})
        EXPECT_FALSE(w->isVisible());
    // The load has run: preview mode set now changes nothing in the layout.
    manual.MostrarAntes = true;
    manual.Carga();
    EXPECT_EQ(manual.WebBrowser1, nullptr);
    manual.cmdExit_Click();
    EXPECT_FALSE(manual.EnvioManual);
    EXPECT_FALSE(manual.isVisible());
}

// One recipient in preview mode: the message leaves with the comment, the
// page's picture inside and the style sheet attached; the log keeps the
// text as shown; the operator is told and the window unloads.
TEST_F(FrmEnviarTest, SendsOneMessageLogsItAndUnloads)
{
    EXIGE_PARTE_REAL(arrancaServidor(), servidor->motivo().toStdString());
    FrmEnviar frm;
    prepara(frm);
    frm.TxtComen->setPlainText(QStringLiteral("Buenos  días <Juan>\nSaludos"));
    dialogos->responde(1);
    frm.cmdSend_Click();

    EXPECT_THAT(dialogos->mensajes(), ElementsAre(QStringLiteral("Mensaje enviado correctamente")));
    EXPECT_FALSE(frm.isVisible());
    EXPECT_TRUE(frm.cmdSend->isEnabled());
    EXPECT_EQ(frm.lstStatus->item(0)->text(), QStringLiteral("Mensaje enviado!"));
    const auto recibidos = servidor->recibidos(1);
    ASSERT_EQ(recibidos.size(), 1u);
    const auto& r = recibidos[0];
    EXPECT_THAT(r.destinatarios, ElementsAre(QStringLiteral("cliente@example.com")));
    EXPECT_EQ(Encabezado(r.arbol, QStringLiteral("From")), QStringLiteral("Usuario Demo <envios@example.com>"));
    const QJsonArray relacionada = Partes(Partes(r.arbol)[0].toObject());
    ASSERT_EQ(relacionada.size(), 2);
    const QString html = QString::fromUtf8(Contenido(relacionada[0].toObject()));
    EXPECT_TRUE(html.startsWith(QStringLiteral("Buenos&nbsp;&nbsp;días&nbsp;&lt;Juan&gt;<br />Saludos<br /><br />"
                                               "<html><body><p>Factura N\u00ba 12</p><img alt=\"\" src=\"cid:escaneo_1.jpg0\""))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<img src=\"http://example.com/logo.png\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("</html><BR /><BR /><BR /><style type=\"text/css\">")));
    EXPECT_EQ(Encabezado(relacionada[1].toObject(), QStringLiteral("Content-ID")), QStringLiteral("<escaneo_1.jpg0>"));
    EXPECT_EQ(Partes(r.arbol)[1].toObject().value(QStringLiteral("nombre")).toString(),
              QStringLiteral("Style_Vantrelo.css"));

    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 1);
    EXPECT_EQ(valor(QStringLiteral("SELECT Para FROM v_ma_emailmov")), QStringLiteral("cliente@example.com"));
    EXPECT_EQ(valor(QStringLiteral("SELECT Mensaje FROM v_ma_emailmov")).toString(),
              QStringLiteral("Buenos  días <Juan>\r\nSaludos\r\n\r\n\r\n") + textoPagina);
    EXPECT_EQ(valor(QStringLiteral("SELECT Status || '|' || TC || '|' || IdComprobante || '|' || Cuenta || '|' || "
                                   "CuentaEmail || '|' || Adjunto FROM v_ma_emailmov")),
              QStringLiteral("OK|FC|000100000012A|1001 |envios@example.com|") + hoja);
}

// Outside preview mode a good send is logged without a box and the window
// stays; with an event it hides.
TEST_F(FrmEnviarTest, AGoodSendOutsidePreviewShowsNoBox)
{
    EXIGE_PARTE_REAL(arrancaServidor(), servidor->motivo().toStdString());
    for (const char* evento : {"", "E1"}) {
        SCOPED_TRACE(evento);
        FrmEnviar frm;
        prepara(frm);
        frm.MostrarAntes = false;
        frm.IdEvento = QString::fromLatin1(evento);
        frm.cmdSend_Click();
        EXPECT_TRUE(dialogos->avisos.empty());
        EXPECT_EQ(frm.isVisible(), frm.IdEvento.isEmpty());
    }
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov WHERE Status = 'OK'")), 2);
    EXPECT_EQ(servidor->recibidos(2).size(), 2u);
}

TEST_F(FrmEnviarTest, ABlankRecipientIsRefusedAndTheWindowStays)
{
    FrmEnviar frm;
    prepara(frm, QStringLiteral("   "));
    dialogos->responde(1);
    // F2 anywhere in the window sends.
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(frm.Campo(QStringLiteral("Asunto")), &f2);
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("Debe informar la cuenta del destinatario"));
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(dialogos->avisos[0].botones, 16);
    EXPECT_TRUE(frm.isVisible());
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 0);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(frm.Campo(QStringLiteral("Asunto")), &esc);
    EXPECT_FALSE(frm.isVisible());
}

// Several addresses chosen: one message and one row each, the comment in
// front of the logged text once, no success box, one unload at the end.
TEST_F(FrmEnviarTest, SendsOneMessagePerChosenAddress)
{
    EXIGE_PARTE_REAL(arrancaServidor(), servidor->motivo().toStdString());
    FrmEnviar frm;
    prepara(frm);
    frm.TxtComen->setPlainText(QStringLiteral("Atte."));
    dialogos->responde(QVariant::fromValue(QList<int>{0, 1, 2}));
    frm.CmdConsultar_Click();
    EXPECT_EQ(frm.Campo(QStringLiteral("Para"))->text(), QStringLiteral("Seleccion Multiple"));
    const QStringList elegidos{frm.ListaMails()[1], frm.ListaMails()[2], frm.ListaMails()[3]};
    EXPECT_EQ(frm.ListaMails().size(), 4u);
    frm.cmdSend_Click();

    EXPECT_TRUE(dialogos->avisos.size() == 1 && dialogos->avisos[0].tipo == QStringLiteral("EligeFilas"));
    EXPECT_FALSE(frm.isVisible());
    const auto recibidos = servidor->recibidos(3);
    ASSERT_EQ(recibidos.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_THAT(recibidos[size_t(i)].destinatarios, ElementsAre(elegidos[i]));
        EXPECT_EQ(valor(QStringLiteral("SELECT Para FROM v_ma_emailmov WHERE Id = %1").arg(i + 1)), elegidos[i]);
        EXPECT_EQ(valor(QStringLiteral("SELECT Mensaje FROM v_ma_emailmov WHERE Id = %1").arg(i + 1)).toString(),
                  QStringLiteral("Atte.\r\n\r\n\r\n") + textoPagina);
    }
    // The temporary pages are gone.
    EXPECT_FALSE(QFile::exists(frm.ArchivoWeb));
}

TEST_F(FrmEnviarTest, TheLookupFillsOrClearsTheRecipients)
{
    FrmEnviar frm;
    prepara(frm);
    dialogos->responde(QVariant::fromValue(QList<int>{0, 1}));
    frm.CmdConsultar_Click();
    ASSERT_EQ(frm.ListaMails().size(), 3u);
    dialogos->responde(QVariant::fromValue(QList<int>{}));
    frm.CmdConsultar_Click();
    EXPECT_EQ(frm.Campo(QStringLiteral("Para"))->text(), QString());
    EXPECT_EQ(frm.ListaMails().size(), 3u);
    dialogos->responde(QVariant::fromValue(QList<int>{2}));
    frm.CmdConsultar_Click();
    EXPECT_EQ(frm.ListaMails().size(), 2u);
    EXPECT_EQ(frm.Campo(QStringLiteral("Para"))->text(), frm.ListaMails()[1]);
    EXPECT_TRUE(frm.ListaMails()[1].contains(u'@'));

    // Typed by hand without a lookup of several: nothing goes, the window
    // unloads.
    FrmEnviar aMano;
    prepara(aMano, QStringLiteral("seleccion multiple"));
    aMano.cmdSend_Click();
    EXPECT_FALSE(aMano.isVisible());
    EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 0);
}

// A failed send shows its box and the error dialog; Ignore reports and logs
// a failure, anything else leaves the window open with nothing logged.
TEST_F(FrmEnviarTest, FailuresAreReportedAndLoggedAsFailures)
{
    EXIGE_PARTE_REAL(arrancaServidor(), servidor->motivo().toStdString());
    const auto cuentaBase = [this](const QString& puerto, const char* tipo, const char* clave) {
        ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'EMAIL_PUERTO'").arg(puerto));
        ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'EMAIL_SERVER'")
                    .arg(QLatin1String(tipo)));
        ejecuta(QStringLiteral("UPDATE ta_usuarios SET email_Password = '%1' WHERE Nombre = 'demo'")
                    .arg(QLatin1String(clave)));
    };
    const QString abierto = QString::number(servidor->puerto());
    const QString cerrado = QString::number(ServidorSmtp::PuertoCerrado());
    const struct {
        const char* caso;
        QString puerto;
        const char* tipo;
        const char* clave;
        std::function<void(FrmEnviar&)> cambia;
        int respuesta;
        const char* titulo;
        const char* texto;
    } casos[] = {
        {"closed port", cerrado, "Otro", "clave''secreta", [](FrmEnviar&) {}, 5, "Error al enviar correo",
         " No hay conexión a internet. Proceso cancelado."},
        {"closed port, abort", cerrado, "Otro", "clave''secreta", [](FrmEnviar&) {}, 3, "Error al enviar correo",
         " No hay conexión a internet. Proceso cancelado."},
        {"closed port, retry then abort", cerrado, "Otro", "clave''secreta", [](FrmEnviar&) {}, 4,
         "Error al enviar correo", " No hay conexión a internet. Proceso cancelado."},
        {"wrong password", abierto, "Otro", "otra", [](FrmEnviar&) {}, 5, " No se envió el correo ",
         "La dirección de correo y/o la contraseña\r\nno son correctas."},
        {"header injection", abierto, "Otro", "clave''secreta",
         [](FrmEnviar& f) { f.Campo(QStringLiteral("Asunto"))->setText(QStringLiteral("Hola\r\nBcc: todos@example.com")); },
         3, " No se envió el correo. ", "El campo Asunto contiene"},
        {"missing attachment", abierto, "Otro", "clave''secreta",
         [](FrmEnviar& f) { f.txtAttach->setText(f.txtAttach->text() + QStringLiteral(";;/no/hay.pdf")); }, 3,
         " No se envió el correo. ", "No se encuentra el archivo /no/hay.pdf"},
        {"refused recipient", abierto, "Otro", "clave''secreta",
         [](FrmEnviar& f) { f.Campo(QStringLiteral("Para"))->setText(QStringLiteral("rechazado@example.com")); }, 5,
         " No se envió el correo. ", "El servidor rechazó al destinatario rechazado@example.com: 550 5.1.1"},
        {"unknown account type", abierto, "Propio", "clave''secreta", [](FrmEnviar&) {}, 3, "Error al enviar correo",
         "Faltan Datos. Verifique su Configuracion"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        ejecuta(QStringLiteral("DELETE FROM v_ma_emailmov"));
        cuentaBase(c.puerto, c.tipo, c.clave);
        FrmEnviar frm;
        prepara(frm);
        c.cambia(frm);
        dialogos->avisos.clear();
        dialogos->responde(1).responde(c.respuesta);
        if (c.respuesta == 5)
            dialogos->responde(1).responde(1);
        // The step runs again and fails again.
        if (c.respuesta == 4)
            dialogos->responde(1).responde(3);
        frm.cmdSend_Click();
        ASSERT_GE(dialogos->avisos.size(), 2u);
        EXPECT_EQ(dialogos->avisos[0].titulo, QString::fromUtf8(c.titulo));
        EXPECT_TRUE(dialogos->avisos[0].mensaje.startsWith(QString::fromUtf8(c.texto)))
            << dialogos->avisos[0].mensaje.toStdString();
        EXPECT_EQ(dialogos->avisos[0].botones, 16);
        EXPECT_EQ(dialogos->avisos[1].botones, 18);
        EXPECT_FALSE(dialogos->avisos[1].mensaje.contains(Clave));
        EXPECT_TRUE(frm.cmdSend->isEnabled());
        if (c.respuesta == 5) {
            EXPECT_EQ(titulos().mid(2), (QStringList{QStringLiteral(" Error al enviar el amil "), QString()}));
            EXPECT_TRUE(dialogos->avisos.back().mensaje.startsWith(
                QStringLiteral("El envío del Email falló por las posibles razones:: \r\n")));
            EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov WHERE Status = '' AND CodigoActivador = ''")), 1);
            EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 1);
            EXPECT_FALSE(frm.isVisible());
        } else {
            EXPECT_EQ(dialogos->avisos.size(), c.respuesta == 4 ? 4u : 2u);
            EXPECT_EQ(cuenta(QStringLiteral("v_ma_emailmov")), 0);
            EXPECT_TRUE(frm.isVisible());
        }
        EXPECT_TRUE(dialogos->respuestas.empty());
    }
    EXPECT_TRUE(servidor->recibidos().empty());
}

TEST_F(FrmEnviarTest, AttachmentsAreChosenAppendedAndCancelled)
{
    FrmEnviar frm;
    frm.show();
    dialogos->responde(QStringList{QStringLiteral("/datos/a.pdf")})
        .responde(QStringList{QStringLiteral("/datos/b.pdf"), QStringLiteral("/datos/c d.pdf")})
        .responde(QStringList{})
        .responde(1);
    frm.cmdBrowse_Click();
    EXPECT_EQ(frm.txtAttach->text(), QStringLiteral("/datos/a.pdf"));
    frm.cmdBrowse_Click();
    EXPECT_EQ(frm.txtAttach->text(), QStringLiteral("/datos/a.pdf;/datos/b.pdf;/datos/c d.pdf"));
    frm.cmdBrowse_Click();
    EXPECT_EQ(frm.txtAttach->text(), QStringLiteral("/datos/a.pdf;/datos/b.pdf;/datos/c d.pdf"));
    ASSERT_EQ(dialogos->avisos.size(), 4u);
    EXPECT_EQ(dialogos->avisos[0].tipo, QStringLiteral("AbrirArchivos"));
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Select File Attachment(s)"));
    EXPECT_EQ(dialogos->avisos[3].titulo, QStringLiteral("Error"));
    EXPECT_EQ(dialogos->avisos[3].mensaje, QStringLiteral("Se seleccionó Cancelar."));
    EXPECT_EQ(dialogos->avisos[3].botones, 16);

    frm.MuestraProgreso(40);
    EXPECT_EQ(frm.lblProgress->text(), QStringLiteral("40%"));
    frm.AgregaEstado(QStringLiteral("uno"));
    frm.AgregaEstado(QStringLiteral("dos"));
    EXPECT_EQ(frm.lstStatus->count(), 2);
    EXPECT_EQ(frm.lstStatus->item(1)->text(), QStringLiteral("dos"));
    EXPECT_TRUE(frm.lstStatus->selectedItems().isEmpty());
}
