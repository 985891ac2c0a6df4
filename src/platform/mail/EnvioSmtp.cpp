#include "platform/mail/EnvioSmtp.h"

#include "platform/base/Err.h"
#include "platform/mail/EncabezadosCorreo.h"
#include "platform/mail/ErroresCorreo.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QThread>

#include <curl/curl.h>

#include <exception>
#include <memory>

namespace {

void IniciaCurl()
{
    static const CURLcode inicio = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (inicio != CURLE_OK)
        throw Err(ErrorCorreo::EnvioFallido, QString::fromUtf8(curl_easy_strerror(inicio)));
}

struct LiberaCurl {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_mime* m) const { curl_mime_free(m); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// A list libcurl copies nothing from: the texts must outlive the transfer.
class ListaCurl {
public:
    void agrega(const QByteArray& linea)
    {
        curl_slist* nueva = curl_slist_append(lista_.get(), linea.constData());
        if (!nueva)
            throw std::bad_alloc();
        lista_.release();
        lista_.reset(nueva);
    }
    curl_slist* get() const { return lista_.get(); }
    curl_slist* suelta() { return lista_.release(); }

private:
    std::unique_ptr<curl_slist, LiberaCurl> lista_;
};

long NumeroDe(CURLcode codigo)
{
    switch (codigo) {
    case CURLE_LOGIN_DENIED:
        return ErrorCorreo::AutenticacionFallida;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_GOT_NOTHING:
        return ErrorCorreo::SinConexion;
    case CURLE_URL_MALFORMAT:
        return ErrorCorreo::FaltanDatos;
    default:
        return ErrorCorreo::EnvioFallido;
    }
}

QByteArray TipoDe(const QString& ruta)
{
    return QMimeDatabase().mimeTypeForFile(ruta).name().toLatin1();
}

// The name a file part carries: its own when ASCII, else encoded words.
QByteArray NombreParte(const QString& ruta)
{
    return CodificaTextoEncabezado(QFileInfo(ruta).fileName()).replace("\r\n ", " ");
}

void ParteArchivo(curl_mimepart* parte, const QString& ruta, const QByteArray& disposicion, ListaCurl extras)
{
    curl_mime_filedata(parte, QFile::encodeName(ruta).constData());
    const QByteArray nombre = NombreParte(ruta);
    curl_mime_filename(parte, nombre.constData());
    curl_mime_type(parte, TipoDe(ruta).constData());
    curl_mime_encoder(parte, "base64");
    extras.agrega("Content-Disposition: " + disposicion + "; filename=\"" + nombre + '"');
    curl_mime_headers(parte, extras.suelta(), 1);
}

// multipart/mixed (the root) around multipart/related around the body.
curl_mime* ArmaCuerpo(CURL* curl, const MensajeCorreo& mensaje)
{
    std::unique_ptr<curl_mime, LiberaCurl> raiz(curl_mime_init(curl));
    std::unique_ptr<curl_mime, LiberaCurl> relacionado(curl_mime_init(curl));
    curl_mimepart* html = curl_mime_addpart(relacionado.get());
    const QByteArray cuerpo = mensaje.html.toUtf8();
    curl_mime_data(html, cuerpo.constData(), size_t(cuerpo.size()));
    curl_mime_type(html, "text/html; charset=UTF-8");
    curl_mime_encoder(html, "quoted-printable");
    for (const ImagenIncrustada& imagen : mensaje.imagenes) {
        ListaCurl id;
        id.agrega("Content-ID: <" + imagen.contentId.toUtf8() + '>');
        ParteArchivo(curl_mime_addpart(relacionado.get()), imagen.ruta, "inline", std::move(id));
    }
    curl_mimepart* parteRelacionada = curl_mime_addpart(raiz.get());
    curl_mime_subparts(parteRelacionada, relacionado.release());
    curl_mime_type(parteRelacionada, "multipart/related");
    for (const QString& adjunto : mensaje.adjuntos)
        ParteArchivo(curl_mime_addpart(raiz.get()), adjunto, "attachment", ListaCurl());
    return raiz.release();
}

QByteArray Direccion(const CuentaSmtp& cuenta)
{
    const char* esquema = cuenta.seguridad == SeguridadSmtp::TlsImplicito ? "smtps://" : "smtp://";
    return esquema + cuenta.servidor.trimmed().toUtf8() + ':' + QByteArray::number(cuenta.puerto);
}

}

void EnviaSmtp(const CuentaSmtp& cuenta, const MensajeCorreo& mensaje)
{
    ValidaMensaje(mensaje);
    if (cuenta.servidor.trimmed().isEmpty())
        throw Err(ErrorCorreo::FaltanDatos, QStringLiteral("Falta el servidor SMTP de la cuenta"));
    IniciaCurl();
    std::unique_ptr<CURL, LiberaCurl> curl(curl_easy_init());
    if (!curl)
        throw Err(ErrorCorreo::EnvioFallido, QStringLiteral("No se pudo iniciar el envío"));
    CURL* c = curl.get();

    const QByteArray url = Direccion(cuenta);
    const QByteArray usuario = cuenta.usuario.toUtf8(), clave = cuenta.clave.toUtf8();
    const QByteArray certificados = QFile::encodeName(cuenta.archivoCertificados);
    const QByteArray remitente = '<' + LeeBuzon(mensaje.de).direccion.toLatin1() + '>';
    ListaCurl destinatarios, encabezados;
    for (const Buzon& b : LeeDestinatarios(mensaje.para))
        destinatarios.agrega('<' + b.direccion.toLatin1() + '>');
    for (const QByteArray& linea : EncabezadosMensaje(mensaje, QDateTime::currentDateTime()))
        encabezados.agrega(linea);
    std::unique_ptr<curl_mime, LiberaCurl> cuerpo(ArmaCuerpo(c, mensaje));
    char detalle[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_USE_SSL,
                     long(cuenta.seguridad == SeguridadSmtp::Ninguna ? CURLUSESSL_NONE : CURLUSESSL_ALL));
    if (!usuario.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, usuario.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, clave.constData());
    }
    if (!certificados.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, certificados.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, remitente.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, destinatarios.get());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, encabezados.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, cuerpo.get());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detalle);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 30L);
    // A stalled server ends the send instead of holding the window forever.
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, 60L);

    const CURLcode resultado = curl_easy_perform(c);
    if (resultado != CURLE_OK) {
        const QString motivo = QString::fromUtf8(detalle).trimmed();
        throw Err(NumeroDe(resultado), motivo.isEmpty() ? QString::fromUtf8(curl_easy_strerror(resultado)) : motivo,
                  QStringLiteral("SMTP"));
    }
}

void EnviaSmtpSinBloquear(const CuentaSmtp& cuenta, const MensajeCorreo& mensaje)
{
    if (!QCoreApplication::instance()) {
        EnviaSmtp(cuenta, mensaje);
        return;
    }
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
