#include "email/FrmEnviar.h"

#include "email/ArchivoTemporal.h"
#include "email/MensajeEnvio.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/mail/EnvioSmtp.h"
#include "platform/mail/ErroresCorreo.h"
#include "services/Objetos.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

// The send: one message, or one per address of the last lookup, each
// reported and logged.

namespace {

// What the account's data failed to do, as the operator is told.
constexpr long DatosDeCuentaIncorrectos = 3749;

void MuestraErrorEnvio(const Err& e)
{
    QString titulo, texto;
    switch (e.Number) {
    case ErrorCorreo::FaltanDatos:
        titulo = QStringLiteral("Error al enviar correo");
        texto = QStringLiteral("Faltan Datos. Verifique su Configuracion");
        break;
    case ErrorCorreo::AutenticacionFallida:
        titulo = QStringLiteral(" No se envió el correo ");
        texto = QStringLiteral("La dirección de correo y/o la contraseña\r\nno son correctas.");
        break;
    case ErrorCorreo::SinConexion:
        titulo = QStringLiteral("Error al enviar correo");
        texto = QStringLiteral(" No hay conexión a internet. Proceso cancelado.");
        break;
    case DatosDeCuentaIncorrectos:
        titulo = QStringLiteral("Aviso al Operador");
        texto = QStringLiteral("Los datos de cuenta no son correctos. Por favor verifique la configuración de su Cuenta");
        break;
    default:
        titulo = QStringLiteral(" No se envió el correo. ");
        texto = e.Description;
        break;
    }
    dialogos().MsgBox(texto, Botones::IconoCritico, titulo);
}

// The hourglass stays only while a send runs.
void CursorNormal()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

}

void FrmEnviar::cmdSend_Click()
{
    Carga();
    QLineEdit* para = Campo(QStringLiteral("Para"));
    if (para->text().trimmed().isEmpty()) {
        dialogos().MsgBox(QStringLiteral("Debe informar la cuenta del destinatario"), Botones::IconoCritico,
                          QStringLiteral("Aviso al Operador"));
        return;
    }
    // Each message carries the page as it was before the comment was put in
    // front of the logged text, and the comment goes in front once.
    const QString mensajeOriginal = Campo(QStringLiteral("Mensaje"))->text();
    bool comentarioPuesto = false;
    bool seguir = true;
    if (para->text().trimmed().compare(QLatin1String("Seleccion Multiple"), Qt::CaseInsensitive) == 0) {
        const std::vector<QString> lista = ListaMails_;
        for (size_t i = 0; i < lista.size() && seguir; ++i) {
            para->setText(lista[i]);
            QString extension = QStringLiteral("htm"), ruta;
            ArchivoTemporal(1, Campo(QStringLiteral("Mensaje"))->text(), extension, ruta);
            ArchivoWeb = ruta;
            if (!para->text().trimmed().isEmpty())
                seguir = EnviaUno(mensajeOriginal, comentarioPuesto);
            ArchivoTemporal(4, QString(), extension, ruta);
        }
    } else {
        seguir = EnviaUno(mensajeOriginal, comentarioPuesto);
    }
    cmdSend->setEnabled(true);
    if (!seguir)
        return;
    EnvioManual = false;
    if (MostrarAntes)
        Descarga();
}

bool FrmEnviar::EnviaUno(const QString& mensajeOriginal, bool& comentarioPuesto)
{
    cmdSend->setEnabled(false);
    lstStatus->clear();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QLineEdit* para = Campo(QStringLiteral("Para"));
    const QString destinatarios = para->text().trimmed();
    if (destinatarios.endsWith(u';'))
        para->setText(destinatarios.chopped(1));

    const Politica pregunta = politicas::dialogo([](const Err& e) { return ObjUtilidades().MuestraErrorObjeto(e); });
    const Politica manejador = [&pregunta](const Err& e) {
        MuestraErrorEnvio(e);
        CursorNormal();
        return pregunta(e);
    };
    GuardaErrores g(manejador);
    // The comment as typed, its lines ended by CR LF as the log keeps them.
    const QString comentario = TxtComen->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    MensajeCorreo mensaje;
    CuentaSmtp cuenta;
    g.paso([&] {
        cuenta = CuentaDeEnvio(cuenta_);
        mensaje = ArmaMensaje({Campo(QStringLiteral("De"))->text(), para->text(), Campo(QStringLiteral("Asunto"))->text(),
                               mensajeOriginal, comentario, OptArriba->isChecked(), EnvioManual, PaginaMostrada(),
                               txtAttach->text(), cuenta_});
    });
    g.paso([&] {
        if (comentarioPuesto)
            return;
        QLineEdit* texto = Campo(QStringLiteral("Mensaje"));
        texto->setText(comentario + QStringLiteral("\r\n\r\n\r\n") + texto->text());
        comentarioPuesto = true;
    });
    bool enviado = false;
    g.paso([&] {
        EnviaSmtpSinBloquear(cuenta, mensaje);
        enviado = true;
    });
    CursorNormal();
    if (g.salio())
        return false;
    if (enviado) {
        lstStatus->clear();
        lstStatus->addItem(QStringLiteral("Mensaje enviado!"));
        // The message has left: whatever marking it as an answer does, the
        // send is logged.
        if (!UidlRespuesta.trimmed().isEmpty()) {
            GuardaErrores contestado(manejador);
            contestado.paso([&] { ActualizaContestado(ConexionPrincipal().Usuario(), UidlRespuesta, CuentaRespuesta); });
        }
        g.paso([&] { InformaEnvioCorrecto(); });
    } else {
        // A failure the operator let pass is still a failure.
        const QString motivo = g.ultimoError().Description;
        g.paso([&] {
            dialogos().MsgBox(motivo, Botones::IconoCritico, QStringLiteral(" Error al enviar el amil "));
            InformaEnvioFallido(motivo);
        });
    }
    return !g.salio();
}

void FrmEnviar::InformaEnvioCorrecto()
{
    RegistrarEnvio(false, QString(), QString());
    if (!IdEvento.isEmpty()) {
        lblProgress->clear();
        hide();
        return;
    }
    if (ListaMails_.size() <= 2 && MostrarAntes)
        dialogos().MsgBox(QStringLiteral("Mensaje enviado correctamente"), Botones::IconoInformacion,
                          QStringLiteral("Estado de envío"));
    lblProgress->clear();
}

void FrmEnviar::InformaEnvioFallido(const QString& T)
{
    if (MostrarAntes)
        dialogos().MsgBox(QStringLiteral("El envío del Email falló por las posibles razones:: \r\n") + T,
                          Botones::SoloAceptar, QString());
    lblProgress->clear();
    CursorNormal();
    cmdSend->setEnabled(true);
    RegistrarEnvio(true, T, QString());
}

FilaEnvio FrmEnviar::Fila() const
{
    return {Campo(QStringLiteral("De"))->text(),     Campo(QStringLiteral("Para"))->text(),
            Campo(QStringLiteral("Asunto"))->text(), Campo(QStringLiteral("Mensaje"))->text(),
            txtAttach->text(),                       TC,
            IdComprobante,                           Cuenta,
            cuenta_.UsuarioCuenta};
}

void FrmEnviar::RegistrarEnvio(bool HayError, const QString& TextoError, const QString& CodigoActivador)
{
    ::RegistrarEnvio(Fila(), HayError, TextoError, CodigoActivador);
}

void FrmEnviar::ActualizaContestado(const QString& Usuario, const QString& UIDL, const QString& CuentaEmail)
{
    ::ActualizaContestado(Usuario, UIDL, CuentaEmail);
}
