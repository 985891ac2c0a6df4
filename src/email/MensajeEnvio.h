#pragma once

#include "email/CuentaEmail.h"
#include "platform/mail/MensajeCorreo.h"

#include <QString>

// What the e-mail window holds for one message.
struct DatosEnvio {
    QString de;
    QString para;
    QString asunto;
    // The "Mensaje" text: the page's HTML, or plain text in plain-text mode.
    QString mensaje;
    // The comment as typed (CR LF between its lines).
    QString comentario;
    bool arriba = false;
    bool EnvioManual = false;
    // The page file the browser shows, whose local pictures travel along.
    QString pagina;
    // Full paths separated by ";".
    QString adjuntos;
    CuentaEmail cuenta;
};

// The message as it leaves: sender the account's name and login when there
// is a login, else "De"; the comment above or below the text, three breaks
// and the footer; the shown page's local pictures embedded and pointed at by
// cid:; the attachments without the empty pieces of the list. Raises Err 53
// when the page shown cannot be read.
MensajeCorreo ArmaMensaje(const DatosEnvio& datos);
