// Sends a voucher page of 200 KB with five pictures and one attachment to a
// local SMTP server (aiosmtpd, discarding what it gets) through the e-mail
// window's send road, with no window shown: the account read, the message
// built and sent through libcurl on its worker thread, the log row written.
// The baseline is curl uploading the very message our road sent, captured
// once beforehand, to the same server. The two take turns; the medians are
// compared.

#include "base/ConexionPrincipal.h"
#include "base/SinOperador.h"
#include "email/FrmEnviar.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/Err.h"
#include "platform/browser/CreaVistaPagina.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Rondas = 15;
const QString Python = QStringLiteral("/usr/bin/python3");

double mediana(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

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

    Prepara(envio, texto);
    envio.cmdSend_Click();
    const QString preparado = carpeta.filePath(QStringLiteral("recibidos/1.eml"));
    const QDeadlineTimer limite(20000);
    while (!QFile::exists(preparado) && !limite.hasExpired())
        QThread::msleep(20);
    captura.reset();
    if (!QFile::exists(preparado)) {
        std::fprintf(stderr, "el envío de prueba no llegó\n");
        return 1;
    }
    Proceso sumidero(Python, {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                              QStringLiteral("-c"), QStringLiteral("aiosmtpd.handlers.Sink"), QStringLiteral("-l"),
                              QStringLiteral("127.0.0.1:%1").arg(puerto)});
    if (!EsperaPuerto(puerto)) {
        std::fprintf(stderr, "no arrancó aiosmtpd\n");
        return 1;
    }

    const QStringList argumentosCurl{QStringLiteral("-s"),          QStringLiteral("--url"),
                                     QStringLiteral("smtp://127.0.0.1:%1").arg(puerto),
                                     QStringLiteral("--mail-from"), QStringLiteral("demo@example.com"),
                                     QStringLiteral("--mail-rcpt"), QStringLiteral("cliente@example.com"),
                                     QStringLiteral("--upload-file"), preparado};
    std::vector<double> nuestro, base;
    QElapsedTimer reloj;
    for (int ronda = -1; ronda < Rondas; ++ronda) {
        Prepara(envio, texto);
        reloj.start();
        envio.cmdSend_Click();
        const double a = double(reloj.nsecsElapsed()) / 1e6;

        QProcess curl;
        reloj.start();
        curl.start(QStringLiteral("curl"), argumentosCurl);
        curl.waitForFinished(60000);
        const double b = double(reloj.nsecsElapsed()) / 1e6;
        if (curl.exitCode() != 0) {
            std::fprintf(stderr, "curl falló: %d\n", curl.exitCode());
            return 1;
        }
        if (ronda >= 0) {
            nuestro.push_back(a);
            base.push_back(b);
        }
    }
    const long filas = ConexionPrincipal()
                           .BuscaValor(QStringLiteral("v_ma_emailmov"), QStringLiteral("OK"), QStringLiteral("count(*)"),
                                       QStringLiteral("Status"))
                           .toLongLong();
    if (filas != Rondas + 2) {
        std::fprintf(stderr, "envíos registrados: %ld de %d\n", filas, Rondas + 2);
        return 1;
    }
    const double n = mediana(nuestro), b = mediana(base);
    std::printf("mensaje: %lld bytes, página de %lld caracteres, 5 imágenes y 1 adjunto\n",
                static_cast<long long>(QFileInfo(preparado).size()), static_cast<long long>(texto.size()));
    std::printf("envío de la ventana: mediana %.1f ms   curl --upload-file: mediana %.1f ms (%d rondas)\n", n, b, Rondas);
    std::printf("ratio %.2f goal <= 1.2\n", n / b);
    return 0;
}
