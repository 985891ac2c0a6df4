#include "platform/mail/curl/TransporteCurl.h"

#include "platform/mail/ErroresCorreo.h"

#include <curl/curl.h>

#include <memory>
#include <new>

namespace {

struct LiberaCurl {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_mime* m) const { curl_mime_free(m); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// A list libcurl copies nothing from: the texts must outlive the transfer.
class ListaCurl {
public:
    explicit ListaCurl(const QList<QByteArray>& lineas = {})
    {
        for (const QByteArray& linea : lineas)
            agrega(linea);
    }
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

void AgregaArchivo(curl_mimepart* parte, const ParteSmtp& archivo)
{
    curl_mime_filedata(parte, archivo.ruta.constData());
    curl_mime_type(parte, archivo.tipo.constData());
    curl_mime_encoder(parte, "base64");
    ListaCurl encabezados(archivo.encabezados);
    curl_mime_headers(parte, encabezados.suelta(), 1);
}

// multipart/mixed (the root) around multipart/related around the body.
curl_mime* ArmaCuerpo(CURL* curl, const SobreSmtp& sobre)
{
    std::unique_ptr<curl_mime, LiberaCurl> raiz(curl_mime_init(curl));
    std::unique_ptr<curl_mime, LiberaCurl> relacionado(curl_mime_init(curl));
    curl_mimepart* html = curl_mime_addpart(relacionado.get());
    curl_mime_data(html, sobre.html.constData(), size_t(sobre.html.size()));
    curl_mime_type(html, "text/html; charset=UTF-8");
    curl_mime_encoder(html, "quoted-printable");
    for (const ParteSmtp& imagen : sobre.imagenes)
        AgregaArchivo(curl_mime_addpart(relacionado.get()), imagen);
    curl_mimepart* parteRelacionada = curl_mime_addpart(raiz.get());
    curl_mime_subparts(parteRelacionada, relacionado.release());
    curl_mime_type(parteRelacionada, "multipart/related");
    for (const ParteSmtp& adjunto : sobre.adjuntos)
        AgregaArchivo(curl_mime_addpart(raiz.get()), adjunto);
    return raiz.release();
}

}

FalloSmtp TransporteCurl::Envia(const SobreSmtp& sobre)
{
    static const CURLcode inicio = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (inicio != CURLE_OK)
        return {ErrorCorreo::EnvioFallido, QString::fromUtf8(curl_easy_strerror(inicio))};
    std::unique_ptr<CURL, LiberaCurl> curl(curl_easy_init());
    if (!curl)
        return {ErrorCorreo::EnvioFallido, QStringLiteral("No se pudo iniciar el envío")};
    CURL* c = curl.get();
    ListaCurl destinatarios(sobre.destinatarios), encabezados(sobre.encabezados);
    std::unique_ptr<curl_mime, LiberaCurl> cuerpo(ArmaCuerpo(c, sobre));
    char detalle[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(c, CURLOPT_URL, sobre.url.constData());
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(sobre.exigeTls ? CURLUSESSL_ALL : CURLUSESSL_NONE));
    if (!sobre.usuario.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, sobre.usuario.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, sobre.clave.constData());
    }
    if (!sobre.certificados.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, sobre.certificados.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, sobre.remitente.constData());
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
    if (resultado == CURLE_OK)
        return {};
    const QString motivo = QString::fromUtf8(detalle).trimmed();
    return {NumeroDe(resultado), motivo.isEmpty() ? QString::fromUtf8(curl_easy_strerror(resultado)) : motivo};
}
