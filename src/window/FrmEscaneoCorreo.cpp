#include "window/FrmEscaneo.h"

#include "email/ContactosCorreo.h"
#include "email/FrmEnviar.h"
#include "email/PiePagina.h"
#include "email/PreparaCorreo.h"
#include "platform/dialogs/Dialogos.h"
#include "printing/AuxiliarComprobantes.h"
#include "services/Objetos.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>

// The e-mail of the voucher on view.

void FrmEscaneo::CmdImprimir_Click()
{
    bool porEmail = true;
    Imprimir(porEmail);
}

void FrmEscaneo::Imprimir(bool& PorEmail)
{
    const QString titulo = QStringLiteral("Aviso al operador");
    // What fails here is shown and ends the preparation; the window goes on.
    try {
        const QString carpeta = CreaCarpetaEnvios(QDateTime::currentDateTime());
        if (Campo(QStringLiteral("ResCpte"))->text().trimmed().isEmpty()) {
            dialogos().MsgBox(QStringLiteral("Debe seleccionar al menos un comprobante!!!"), Botones::IconoPregunta,
                              titulo);
            return;
        }
        SeleccionCorreo s = DivideSeleccion(Campo(QStringLiteral("Restc"))->text(), Campo(QStringLiteral("ResCpte"))->text());
        if (!PorEmail) {
            GeneraAuxiliarComprobantes(s.TC, s.Sucursal, s.Numero, s.Letra, QStringLiteral("0"), 3, QString(),
                                       QString(), QString(), QString(), QString(), QString(), QString());
            return;
        }
        if (ArchivoHtmlActual.trimmed().isEmpty() || !QFileInfo(ArchivoHtmlActual).isFile()) {
            dialogos().MsgBox(QStringLiteral("No hay una página del comprobante para enviar. Elija el comprobante "
                                             "en la grilla y vuelva a intentarlo."),
                              Botones::IconoExclamacion, titulo);
            return;
        }
        PreparaExportacion(carpeta, s.Clave);
        QString pie;
        GeneraPiePagina(pie);

        FrmEnviar frm(this);
        frm.MostrarAntes = true;
        frm.ArchivoWeb = pie;
        frm.TC = s.TC;
        frm.IdComprobante = s.IdComprobante;
        frm.Cuenta = Campo(QStringLiteral("ResCuenta"))->text();
        frm.Carga();
        frm.Campo(QStringLiteral("De"))->setText(RemitenteCorreo());
        frm.Campo(QStringLiteral("Para"))->setText(ObtieneMailsCuenta(s.TC, Campo(QStringLiteral("ResCuenta"))->text()));
        frm.Campo(QStringLiteral("Asunto"))->setText(AsuntoCorreo(s.TC, s.IdComprobante));
        const QString texto = LeeTextoPagina(ArchivoHtmlActual);
        frm.NavegaWebBrowser1(ArchivoHtmlActual);
        frm.Campo(QStringLiteral("Mensaje"))->setText(texto);
        frm.txtAttach->setText(ObjUtilidades().AgregaBarra(RutaTemporal) + QStringLiteral("Style_Vantrelo.css"));
        frm.MostrarAntes = true;
        frm.MuestraModal();
    } catch (const Err& e) {
        ObjUtilidades().MuestraErrorObjeto(e, Botones::IconoCritico, QStringLiteral("Imprimir"));
    }
}
