// Sends a voucher page of 200 KB with five pictures and one attachment to a
// local SMTP server (aiosmtpd, discarding what it gets) through the e-mail
// window's send road, with no window shown: the account read, the message
// built and sent through libcurl on its worker thread, the log row written.
// The baseline is libcurl in this process sending the very message our road
// sent, captured once beforehand: the same body, headers and files in the
// same curl_mime tree, to the same server, then the same row committed to
// the same database. The two take turns; the medians are compared.

#include "base/ConexionPrincipal.h"
#include "base/Medidas.h"
#include "base/SinOperador.h"
#include "email/FrmEnviar.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/Err.h"
#include "platform/browser/CreaVistaPagina.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QUuid>

#include <curl/curl.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Rondas = 30;
const QString Python = QStringLiteral("/usr/bin/python3");

QByteArray Azar(int largo)
{
    QByteArray bytes(largo, '\0');
    QRandomGenerator azar(20261209);
    for (char& b : bytes)
        b = char(azar.bounded(256));
    return bytes;
}

// The voucher page: its lines, five scanned pictures, about 200 KB.
QString EscribePagina(const QString& carpeta)
{
    QString html = QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"Style_Vantrelo.css\"></head><body>\r\n");
    for (int i = 1; i <= 5; ++i) {
        const QString imagen = carpeta + QStringLiteral("/escaneo %1.jpg").arg(i);
        EscribeArchivoCompleto(imagen, Azar(40 * 1024));
        html += QStringLiteral("<p><img alt=\"\" src=\"%1\" width=100%  ></p>\r\n")
                    .arg(QUrl::fromLocalFile(imagen).toString(QUrl::FullyEncoded));
    }
    for (int linea = 0; html.size() < 200 * 1024; ++linea)
        html += QStringLiteral("<tr><td>%1</td><td>Artículo de ferretería número %1</td><td>1.234,56</td></tr>\r\n")
                    .arg(linea);
    html += QStringLiteral("</body></html>\r\n");
    EscribeArchivoCompleto(carpeta + QStringLiteral("/FC-A.htm"), ACp1252Html(html));
    return html;
}

// A server started in the background; stopped when it goes.
class Proceso {
public:
    Proceso(const QString& programa, const QStringList& argumentos)
    {
        p_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p_.start(programa, argumentos);
    }
    ~Proceso()
    {
        p_.closeWriteChannel();
        p_.terminate();
        if (!p_.waitForFinished(5000))
            p_.kill();
        p_.waitForFinished();
    }
    QProcess& proceso() { return p_; }

private:
    QProcess p_;
};

// The demo account, pointed at the server's port.
void ApuntaCuenta(int puerto)
{
    ConexionPrincipal().Ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'EMAIL_PUERTO'")
                                    .arg(puerto));
    ConexionPrincipal().Ejecuta(QStringLiteral("UPDATE ta_usuarios SET email_ServerOtro = '127.0.0.1' WHERE Nombre = 'demo'"));
}

void Prepara(FrmEnviar& frm, const QString& texto)
{
    frm.Campo(QStringLiteral("Para"))->setText(QStringLiteral("cliente@example.com"));
    frm.Campo(QStringLiteral("Mensaje"))->setText(texto);
}

bool Llega(const QString& recibido)
{
    const QDeadlineTimer limite(20000);
    while (!QFile::exists(recibido) && !limite.hasExpired())
        QThread::msleep(20);
    return QFile::exists(recibido);
}

bool EsperaPuerto(int puerto)
{
    const QDeadlineTimer limite(20000);
    while (!limite.hasExpired()) {
        QProcess prueba;
        prueba.start(Python, {QStringLiteral("-c"),
                              QStringLiteral("import socket; socket.create_connection(('127.0.0.1', %1), 1)").arg(puerto)});
        if (prueba.waitForFinished(5000) && prueba.exitCode() == 0)
            return true;
        QThread::msleep(50);
    }
    return false;
}

// One file part of the captured message: its file, type and own headers.
struct ParteBase {
    QByteArray ruta, tipo;
    QList<QByteArray> encabezados;
};

// Its headers as received, but those curl writes itself.
ParteBase LeeParte(const QJsonObject& nodo, const QString& ruta)
{
    ParteBase parte{QFile::encodeName(ruta), nodo.value(QStringLiteral("tipo")).toString().toLatin1(), {}};
    for (const QJsonValue& par : nodo.value(QStringLiteral("crudos")).toArray()) {
        const QString nombre = par.toArray().at(0).toString();
        if (nombre.compare(QLatin1String("Content-Type"), Qt::CaseInsensitive) &&
            nombre.compare(QLatin1String("Content-Transfer-Encoding"), Qt::CaseInsensitive))
            parte.encabezados << (nombre + QStringLiteral(": ") + par.toArray().at(1).toString()).toUtf8();
    }
    return parte;
}

curl_slist* Lista(const QList<QByteArray>& lineas)
{
    curl_slist* lista = nullptr;
    for (const QByteArray& linea : lineas)
        lista = curl_slist_append(lista, linea.constData());
    return lista;
}

void AgregaParte(curl_mime* mime, const ParteBase& archivo)
{
    curl_mimepart* parte = curl_mime_addpart(mime);
    curl_mime_filedata(parte, archivo.ruta.constData());
    curl_mime_type(parte, archivo.tipo.constData());
    curl_mime_encoder(parte, "base64");
    curl_mime_headers(parte, Lista(archivo.encabezados), 1);
}

// The baseline: the captured message rebuilt and sent by libcurl, and its
// row committed as ours commits it.
class EnvioBase {
public:
    EnvioBase(const QString& recibido, const QString& carpeta, const QString& adjunto, const QString& base, int puerto)
        : url_(QByteArrayLiteral("smtp://127.0.0.1:") + QByteArray::number(puerto))
    {
        const QList<QByteArray> sobre = LeeArchivoCompleto(recibido + QStringLiteral(".sobre")).split('\n');
        remitente_ = sobre.value(0);
        destinatario_ = sobre.value(1);
        const QJsonObject arbol = QJsonDocument::fromJson(LeeArchivoCompleto(recibido + QStringLiteral(".json"))).object();
        for (const QJsonValue& par : arbol.value(QStringLiteral("crudos")).toArray()) {
            const QString nombre = par.toArray().at(0).toString();
            if (nombre == QLatin1String("From") || nombre == QLatin1String("To") || nombre == QLatin1String("Subject"))
                encabezados_ << (nombre + QStringLiteral(": ") + par.toArray().at(1).toString()).toUtf8();
        }
        const QJsonArray partes = arbol.value(QStringLiteral("partes")).toArray();
        const QJsonArray relacionadas = partes[0].toObject().value(QStringLiteral("partes")).toArray();
        html_ = QByteArray::fromBase64(relacionadas[0].toObject().value(QStringLiteral("contenido")).toString().toLatin1());
        for (int i = 1; i < relacionadas.size(); ++i)
            imagenes_.push_back(LeeParte(relacionadas[i].toObject(), carpeta + QStringLiteral("/escaneo %1.jpg").arg(i)));
        adjunto_ = LeeParte(partes[1].toObject(), adjunto);
        sqlite3_open_v2(QFile::encodeName(base).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        RegistraFuncionesSqlite(db_, nullptr);
        sqlite3_exec(db_, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db_,
                           "INSERT INTO v_ma_emailmov (De, Para, Asunto, Mensaje, Adjunto, CodigoActivador, FechaHora, "
                           "Usuario, TC, IdComprobante, Status, Cuenta, CuentaEmail, Tipo) VALUES (?1, ?2, ?3, ?4, ?5, "
                           "'', ?6, 'base', 'FC', '000100000012A', 'OK', '1001', ?7, 'E')",
                           -1, &fila_, nullptr);
    }
    ~EnvioBase()
    {
        sqlite3_finalize(fila_);
        sqlite3_close_v2(db_);
    }

    // False, said on standard error, when the send or the row failed.
    bool envia(const QString& mensaje, const QString& adjunto)
    {
        CURL* c = curl_easy_init();
        curl_mime* raiz = curl_mime_init(c);
        curl_mime* relacionado = curl_mime_init(c);
        curl_mimepart* html = curl_mime_addpart(relacionado);
        curl_mime_data(html, html_.constData(), size_t(html_.size()));
        curl_mime_type(html, "text/html; charset=UTF-8");
        curl_mime_encoder(html, "quoted-printable");
        for (const ParteBase& imagen : imagenes_)
            AgregaParte(relacionado, imagen);
        curl_mimepart* parteRelacionada = curl_mime_addpart(raiz);
        curl_mime_subparts(parteRelacionada, relacionado);
        curl_mime_type(parteRelacionada, "multipart/related");
        AgregaParte(raiz, adjunto_);
        QList<QByteArray> encabezados = encabezados_;
        encabezados << "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1()
                    << "Message-ID: <" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + "@example.com>";
        curl_slist* lineas = Lista(encabezados);
        curl_slist* destinatarios = curl_slist_append(nullptr, ('<' + destinatario_ + '>').constData());
        curl_easy_setopt(c, CURLOPT_URL, url_.constData());
        curl_easy_setopt(c, CURLOPT_USERNAME, remitente_.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, "");
        curl_easy_setopt(c, CURLOPT_MAIL_FROM, ('<' + remitente_ + '>').constData());
        curl_easy_setopt(c, CURLOPT_MAIL_RCPT, destinatarios);
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, lineas);
        curl_easy_setopt(c, CURLOPT_MIMEPOST, raiz);
        const CURLcode resultado = curl_easy_perform(c);
        curl_easy_cleanup(c);
        curl_mime_free(raiz);
        curl_slist_free_all(lineas);
        curl_slist_free_all(destinatarios);
        if (resultado != CURLE_OK) {
            std::fprintf(stderr, "libcurl falló: %s\n", curl_easy_strerror(resultado));
            return false;
        }
        const QByteArray texto = ("\r\n\r\n\r\n" + mensaje).toUtf8(), rutaAdjunto = adjunto.toUtf8();
        const QByteArray fecha = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toLatin1();
        const auto liga = [this](int i, const QByteArray& v) {
            sqlite3_bind_text(fila_, i, v.constData(), int(v.size()), SQLITE_TRANSIENT);
        };
        liga(1, "envios@example.com");
        liga(2, destinatario_);
        liga(3, "Factura 000100000012A");
        liga(4, texto);
        liga(5, rutaAdjunto);
        liga(6, fecha);
        liga(7, remitente_);
        const bool escrita = sqlite3_step(fila_) == SQLITE_DONE;
        sqlite3_reset(fila_);
        if (!escrita)
            std::fprintf(stderr, "la fila no se escribió: %s\n", sqlite3_errmsg(db_));
        return escrita;
    }

private:
    QByteArray url_, remitente_, destinatario_, html_;
    QList<QByteArray> encabezados_;
    std::vector<ParteBase> imagenes_;
    ParteBase adjunto_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* fila_ = nullptr;
};

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir carpeta;
    qputenv("TEMP", QFile::encodeName(carpeta.path()));
    const QString archivo = carpeta.filePath(QStringLiteral("escaneo.db"));
    try {
        CreaBaseSqlite(archivo, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql"),
                                 QStringLiteral(ESCANEO_SOURCE_DIR "/db/demo.sql")});
    } catch (const Err& e) {
        std::fprintf(stderr, "base de datos: %s\n", e.what());
        return 1;
    }
    if (!ConectaPrincipalSqlite(archivo, QStringLiteral("demo")))
        return 1;
    Modulo().UsuarioActual = QStringLiteral("demo");
    instalaDialogos(std::make_unique<SinOperador>());
    // Sending needs no browser pane: the page is only read for its pictures.
    instalaCreadorVistaPagina([](QWidget*) -> VistaPagina* {
        throw Err(NumeroError::NoSePuedeCrearObjeto, QStringLiteral("sin visor"));
    });

    const QString texto = EscribePagina(carpeta.path());
    const QString adjunto = carpeta.filePath(QStringLiteral("Style_Vantrelo.css"));
    EscribeArchivoCompleto(adjunto, Azar(60 * 1024).toBase64());

    // The message our road sends, as the server receives it; the timed
    // server then takes its port.
    QDir().mkpath(carpeta.filePath(QStringLiteral("recibidos")));
    auto captura = std::make_unique<Proceso>(
        Python, QStringList{QStringLiteral(ESCANEO_SOURCE_DIR "/tests/support/servidor_smtp.py"), QStringLiteral("--modo"),
                            QStringLiteral("plano"), QStringLiteral("--usuario"), QStringLiteral("demo@example.com"),
                            QStringLiteral("--carpeta"), carpeta.filePath(QStringLiteral("recibidos"))});
    if (!captura->proceso().waitForReadyRead(30000)) {
        std::fprintf(stderr, "no arrancó el servidor SMTP de prueba (python3-aiosmtpd)\n");
        return 1;
    }
    const int puerto = captura->proceso().readLine().trimmed().toInt();
    ApuntaCuenta(puerto);

    FrmEnviar envio;
    envio.TC = QStringLiteral("FC");
    envio.IdComprobante = QStringLiteral("000100000012A");
    envio.Cuenta = QStringLiteral("1001");
    envio.Carga();
    envio.Campo(QStringLiteral("De"))->setText(QStringLiteral("envios@example.com"));
    envio.Campo(QStringLiteral("Asunto"))->setText(QStringLiteral("Factura 000100000012A"));
    envio.NavegaWebBrowser1(carpeta.filePath(QStringLiteral("FC-A.htm")));
    envio.txtAttach->setText(adjunto);

    // Ours, then the baseline rebuilt from it: the two must be the same
    // message but for its boundaries, date and id.
    Prepara(envio, texto);
    envio.cmdSend_Click();
    const QString preparado = carpeta.filePath(QStringLiteral("recibidos/1.eml"));
    if (!Llega(preparado)) {
        std::fprintf(stderr, "el envío de prueba no llegó\n");
        return 1;
    }
    curl_global_init(CURL_GLOBAL_DEFAULT);
    EnvioBase baseline(carpeta.filePath(QStringLiteral("recibidos/1")), carpeta.path(), adjunto, archivo, puerto);
    const QString deLaBase = carpeta.filePath(QStringLiteral("recibidos/2.eml"));
    if (!baseline.envia(texto, adjunto) || !Llega(deLaBase) ||
        std::abs(QFileInfo(deLaBase).size() - QFileInfo(preparado).size()) > 2) {
        std::fprintf(stderr, "la base no envió el mismo mensaje: %lld bytes contra %lld\n",
                     static_cast<long long>(QFileInfo(deLaBase).size()),
                     static_cast<long long>(QFileInfo(preparado).size()));
        return 1;
    }
    captura.reset();
    Proceso sumidero(Python, {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                              QStringLiteral("-c"), QStringLiteral("aiosmtpd.handlers.Sink"), QStringLiteral("-l"),
                              QStringLiteral("127.0.0.1:%1").arg(puerto)});
    if (!EsperaPuerto(puerto)) {
        std::fprintf(stderr, "no arrancó aiosmtpd\n");
        return 1;
    }

    std::vector<double> nuestro, base;
    QElapsedTimer reloj;
    for (int ronda = -1; ronda < Rondas; ++ronda) {
        Prepara(envio, texto);
        reloj.start();
        envio.cmdSend_Click();
        const double a = double(reloj.nsecsElapsed()) / 1e6;

        reloj.start();
        if (!baseline.envia(texto, adjunto))
            return 1;
        const double b = double(reloj.nsecsElapsed()) / 1e6;
        if (ronda >= 0) {
            nuestro.push_back(a);
            base.push_back(b);
        }
    }
    const long filas = ConexionPrincipal()
                           .BuscaValor(QStringLiteral("v_ma_emailmov"), QStringLiteral("demo"), QStringLiteral("count(*)"),
                                       QStringLiteral("Usuario"))
                           .toLongLong();
    if (filas != Rondas + 2) {
        std::fprintf(stderr, "envíos registrados: %ld de %d\n", filas, Rondas + 2);
        return 1;
    }
    const double n = mediana(nuestro), b = mediana(base);
    std::printf("mensaje: %lld bytes, página de %lld caracteres, 5 imágenes y 1 adjunto\n",
                static_cast<long long>(QFileInfo(preparado).size()), static_cast<long long>(texto.size()));
    std::printf("envío de la ventana: mediana %.1f ms   libcurl y la fila: mediana %.1f ms (%d rondas)\n", n, b, Rondas);
    std::printf("ratio %.2f goal <= 1.2\n", n / b);
    return 0;
}
