#pragma once

#include "platform/mail/CuentaSmtp.h"
#include "platform/mail/MensajeCorreo.h"

// Sends the message through the account's server: multipart/mixed around
// multipart/related around the UTF-8 quoted-printable body, the pictures
// with their Content-IDs, the attachments in base64. Blocks until the SMTP
// dialogue ends. Raises Err with an ErrorCorreo number and the server's
// reason; a message ValidaMensaje refuses never connects.
void EnviaSmtp(const CuentaSmtp& cuenta, const MensajeCorreo& mensaje);

// The same on a worker thread, while this thread's events keep running
// (windows repaint; user input waits), so a window can send without freezing.
void EnviaSmtpSinBloquear(const CuentaSmtp& cuenta, const MensajeCorreo& mensaje);
