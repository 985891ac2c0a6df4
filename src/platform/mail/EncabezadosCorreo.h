#pragma once

#include "platform/mail/MensajeCorreo.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// A mailbox as written in a header: the display name (may be empty) and the
// address.
struct Buzon {
    QString nombre;
    QString direccion;
};

// Reads "Name<address>", "Name <address>" or a bare address, trimmed.
Buzon LeeBuzon(const QString& texto);
// The addresses of a recipients text: pieces between ";" or ",", trimmed,
// empty pieces skipped.
QList<Buzon> LeeDestinatarios(const QString& texto);

// Refuses, before anything connects, what would let a value break out of its
// header or would not reach anyone: CR, LF or NUL in any header value, file
// name or Content-ID (the error names the field), an address that is not one,
// a message without sender or recipient, and a file to send that is not
// there. Raises Err.
void ValidaMensaje(const MensajeCorreo& mensaje);

// Text for a header: ASCII as it is, anything else as RFC 2047 encoded words
// (UTF-8, base64), each short enough for a header line.
QByteArray CodificaTextoEncabezado(const QString& texto);
// A parameter of a MIME header, `atributo=valor`: ASCII as a quoted string,
// its quotes and backslashes escaped; anything else in RFC 2231's form
// (UTF-8, percent-encoded), in numbered pieces on lines of their own when
// long.
QByteArray ParametroMime(const QByteArray& atributo, const QString& valor);
// A mailbox for From or To, its name encoded or quoted as needed.
QByteArray CodificaBuzon(const Buzon& buzon);

// The header lines of the message, without line ends: Date, From, To,
// Subject, Message-ID.
QList<QByteArray> EncabezadosMensaje(const MensajeCorreo& mensaje, const QDateTime& fecha);
