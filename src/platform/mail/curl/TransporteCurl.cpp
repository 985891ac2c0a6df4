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

// The server's last reply and the command it answers, caught as the
// dialogue goes, so that a refusal is told in the server's own words.
struct Dialogo {
    // The verb of the client's last command: the login's lines carry the
    // password, so nothing more of them is kept.
    QByteArray orden;
    // The address of the last MAIL FROM or RCPT TO.
    QByteArray direccion;
    // The lines of the reply, joined.
    QByteArray respuesta;
    bool respuestaCompleta = true;
    // The QUIT that closes a failed dialogue, whose reply says nothing of it.
    bool despedida = false;

    bool rechazo() const { return respuestaCompleta && (respuesta.startsWith('4') || respuesta.startsWith('5')); }
};

int Escucha(CURL*, curl_infotype tipo, char* datos, size_t largo, void* puntero)
{
    Dialogo& d = *static_cast<Dialogo*>(puntero);
    if ((tipo != CURLINFO_HEADER_OUT && tipo != CURLINFO_HEADER_IN) || d.despedida)
        return 0;
    const QByteArray linea = QByteArray(datos, qsizetype(largo)).trimmed();
    if (tipo == CURLINFO_HEADER_OUT) {
        d.despedida = linea.toUpper() == "QUIT";
        if (d.despedida)
            return 0;
        d.orden = linea.left(4).toUpper();
        // "MAIL FROM:<address> SIZE=n", "RCPT TO:<address>".
        const qsizetype abre = linea.indexOf('<'), cierra = linea.indexOf('>', abre);
        if ((d.orden == "MAIL" || d.orden == "RCPT") && abre >= 0 && cierra > abre)
            d.direccion = linea.mid(abre + 1, cierra - abre - 1);
        d.respuesta.clear();
        d.respuestaCompleta = true;
        return 0;
    }
    // A reply of several lines: "250-" on all but the last.
    d.respuesta = d.respuestaCompleta ? linea : d.respuesta + ' ' + linea.mid(4);
    d.respuestaCompleta = linea.size() < 4 || linea.at(3) != '-';
    return 0;
}

// Why the send failed, for the operator: the server's refusal in its own
// words, else what became of the connection.
QString Motivo(CURLcode codigo, const Dialogo& d, const QByteArray& servidor, const char* detalle)
{
    const QString direccion = QString::fromUtf8(d.direccion);
    if (d.rechazo()) {
        const QString respuesta = QString::fromUtf8(d.respuesta);
        if (codigo == CURLE_LOGIN_DENIED)
            return QStringLiteral("El servidor rechazó el usuario o la contraseña: ") + respuesta;
        if (d.orden == "MAIL")
            return QStringLiteral("El servidor rechazó al remitente %1: %2").arg(direccion, respuesta);
        if (d.orden == "RCPT")
            return QStringLiteral("El servidor rechazó al destinatario %1: %2").arg(direccion, respuesta);
        if (d.orden == "DATA")
            return QStringLiteral("El servidor rechazó el mensaje: ") + respuesta;
        return QStringLiteral("El servidor respondió: ") + respuesta;
    }
    const QString s = QString::fromUtf8(servidor);
    switch (codigo) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("No se encontró el servidor %1").arg(s);
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("No se pudo conectar con el servidor %1").arg(s);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("El servidor %1 no respondió a tiempo").arg(s);
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        return QStringLiteral("El servidor %1 cortó la conexión").arg(s);
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("El certificado del servidor %1 no es de confianza").arg(s);
    case CURLE_SSL_CONNECT_ERROR:
        return QStringLiteral("No se pudo establecer una conexión segura con el servidor %1").arg(s);
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("El servidor %1 no ofrece una conexión segura (STARTTLS)").arg(s);
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("El servidor %1 no aceptó el inicio de sesión").arg(s);
    default:
        break;
    }
    const QString motivo = QString::fromUtf8(detalle).trimmed();
    return motivo.isEmpty() ? QString::fromUtf8(curl_easy_strerror(codigo)) : motivo;
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
    Dialogo dialogo;

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
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, Escucha);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &dialogo);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 30L);
    // A stalled server ends the send instead of holding the window forever.
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, 60L);

    const CURLcode resultado = curl_easy_perform(c);
    if (resultado == CURLE_OK)
        return {};
    const QByteArray servidor = sobre.url.mid(sobre.url.indexOf("://") + 3);
    return {NumeroDe(resultado), Motivo(resultado, dialogo, servidor, detalle)};
}
