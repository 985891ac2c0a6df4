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

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

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

// One thread for every send, started by the first: a thread started per
// send waited, on a busy machine, up to milliseconds for a processor, while
// one that sleeps is woken beside the thread that wakes it.
class Hilo {
public:
    Hilo() : hilo_([this] { corre(); }) {}
    ~Hilo()
    {
        {
            const std::lock_guard<std::mutex> bloqueo(cerrojo_);
            fin_ = true;
        }
        aviso_.notify_one();
        hilo_.join();
    }
    // Runs the task there, after those handed over before it; the future
    // holds its end, or what it threw.
    std::future<void> encarga(std::function<void()> tarea)
    {
        std::packaged_task<void()> encargo(std::move(tarea));
        std::future<void> fin = encargo.get_future();
        {
            const std::lock_guard<std::mutex> bloqueo(cerrojo_);
            tareas_.push_back(std::move(encargo));
        }
        aviso_.notify_one();
        return fin;
    }

private:
    void corre()
    {
        std::unique_lock<std::mutex> bloqueo(cerrojo_);
        for (;;) {
            aviso_.wait(bloqueo, [this] { return fin_ || !tareas_.empty(); });
            if (tareas_.empty())
                return;
            std::packaged_task<void()> tarea = std::move(tareas_.front());
            tareas_.pop_front();
            bloqueo.unlock();
            tarea();
            bloqueo.lock();
        }
    }

    std::mutex cerrojo_;
    std::condition_variable aviso_;
    std::deque<std::packaged_task<void()>> tareas_;
    bool fin_ = false;
    // Last, so that it starts once the rest is there.
    std::thread hilo_;
};

Hilo& Obrero()
{
    static Hilo hilo;
    return hilo;
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
    QEventLoop espera;
    std::future<void> fin = Obrero().encarga([&] {
        // However the send ends, the wait ends.
        const std::unique_ptr<QEventLoop, void (*)(QEventLoop*)> avisa(&espera, [](QEventLoop* e) {
            QMetaObject::invokeMethod(e, &QEventLoop::quit, Qt::QueuedConnection);
        });
        EnviaSmtp(cuenta, mensaje);
    });
    espera.exec(QEventLoop::ExcludeUserInputEvents);
    // The loop also ends when the program quits: the send still has the
    // message in hand until its future is ready.
    fin.get();
}
