#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtPlugin>

// The SMTP transport is a plugin beside the program, loaded by the first
// send: libcurl and the TLS and login libraries it brings are never mapped
// by a start that sends nothing.

// A file part of the message: its path, its MIME type and its own header
// lines (the disposition with the name it is sent under, Content-ID).
struct ParteSmtp {
    QByteArray ruta;
    QByteArray tipo;
    QList<QByteArray> encabezados;
};

// One send, checked and laid out: the transport only speaks to the server.
struct SobreSmtp {
    QByteArray url;
    bool exigeTls = false;
    QByteArray usuario;
    QByteArray clave;
    QByteArray certificados;
    QByteArray remitente;
    QList<QByteArray> destinatarios;
    QList<QByteArray> encabezados;
    QByteArray html;
    QList<ParteSmtp> imagenes;
    QList<ParteSmtp> adjuntos;
};

// Why a send failed: an ErrorCorreo number and the server's reason; a zero
// number is a send that went through.
struct FalloSmtp {
    long numero = 0;
    QString motivo;
};

// The one object the plugin exports. Safe to call from any thread.
class TransporteSmtp {
public:
    virtual ~TransporteSmtp() = default;
    virtual FalloSmtp Envia(const SobreSmtp& sobre) = 0;
};

#define TransporteSmtp_iid "escaneo.TransporteSmtp/2"
Q_DECLARE_INTERFACE(TransporteSmtp, TransporteSmtp_iid)
