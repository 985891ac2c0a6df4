#include "platform/mail/EnvioSmtp.h"

#include "platform/base/Err.h"
#include "platform/base/Plugins.h"
#include "platform/mail/EncabezadosCorreo.h"
#include "platform/mail/ErroresCorreo.h"
#include "platform/mail/TransporteSmtp.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QThread>

#include <exception>
#include <memory>

namespace {

QByteArray TipoDe(const QString& ruta)
{
    return QMimeDatabase().mimeTypeForFile(ruta).name().toLatin1();
}

ParteSmtp Parte(const QString& ruta, const QByteArray& disposicion, QList<QByteArray> encabezados = {})
{
    encabezados << "Content-Disposition: " + disposicion + ";\r\n " +
                       ParametroMime("filename", QFileInfo(ruta).fileName());
    return {QFile::encodeName(ruta), TipoDe(ruta), encabezados};
}

QByteArray Direccion(const CuentaSmtp& cuenta)
{
    const char* esquema = cuenta.seguridad == SeguridadSmtp::TlsImplicito ? "smtps://" : "smtp://";
    return esquema + cuenta.servidor.trimmed().toUtf8() + ':' + QByteArray::number(cuenta.puerto);
}

SobreSmtp Sobre(const CuentaSmtp& cuenta, const MensajeCorreo& mensaje)
{
    SobreSmtp sobre;
    sobre.url = Direccion(cuenta);
    sobre.exigeTls = cuenta.seguridad != SeguridadSmtp::Ninguna;
    sobre.usuario = cuenta.usuario.toUtf8();
    sobre.clave = cuenta.clave.toUtf8();
    sobre.certificados = QFile::encodeName(cuenta.archivoCertificados);
    sobre.remitente = '<' + LeeBuzon(mensaje.de).direccion.toLatin1() + '>';
    for (const Buzon& b : LeeDestinatarios(mensaje.para))
        sobre.destinatarios << '<' + b.direccion.toLatin1() + '>';
    sobre.encabezados = EncabezadosMensaje(mensaje, QDateTime::currentDateTime());
    sobre.html = mensaje.html.toUtf8();
    for (const ImagenIncrustada& imagen : mensaje.imagenes)
        sobre.imagenes << Parte(imagen.ruta, "inline", {"Content-ID: <" + imagen.contentId.toUtf8() + '>'});
    for (const QString& adjunto : mensaje.adjuntos)
        sobre.adjuntos << Parte(adjunto, "attachment");
    return sobre;
}

TransporteSmtp& Transporte()
{
    static TransporteSmtp& transporte =
        PluginDe<TransporteSmtp>(QStringLiteral(ESCANEO_PLUGIN_SMTP), QString(), QStringLiteral("el envío de correo"));
    return transporte;
}

}

void EnviaSmtp(const CuentaSmtp& cuenta, const MensajeCorreo& mensaje)
{
    ValidaMensaje(mensaje);
    if (cuenta.servidor.trimmed().isEmpty())
        throw Err(ErrorCorreo::FaltanDatos, QStringLiteral("Falta el servidor SMTP de la cuenta"));
    const FalloSmtp fallo = Transporte().Envia(Sobre(cuenta, mensaje));
    if (fallo.numero)
        throw Err(fallo.numero, fallo.motivo, QStringLiteral("SMTP"));
}

void EnviaSmtpSinBloquear(const CuentaSmtp& cuenta, const MensajeCorreo& mensaje)
{
    if (!QCoreApplication::instance()) {
        EnviaSmtp(cuenta, mensaje);
        return;
    }
    // Loaded here, so that its object belongs to a thread that lives on.
    Transporte();
    std::exception_ptr fallo;
    QEventLoop espera;
    std::unique_ptr<QThread> hilo(QThread::create([&] {
        try {
            EnviaSmtp(cuenta, mensaje);
        } catch (...) {
            fallo = std::current_exception();
        }
    }));
    QObject::connect(hilo.get(), &QThread::finished, &espera, &QEventLoop::quit, Qt::QueuedConnection);
    hilo->start();
    espera.exec(QEventLoop::ExcludeUserInputEvents);
    hilo->wait();
    if (fallo)
        std::rethrow_exception(fallo);
}
