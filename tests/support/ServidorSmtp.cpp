#include "support/ServidorSmtp.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

QString Guion()
{
    return QStringLiteral(ESCANEO_SOURCE_DIR "/tests/support/servidor_smtp.py");
}

// Runs a program to its end; the reason it failed, or empty.
QString Corre(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return programa + QStringLiteral(" falló: ") + p.errorString() + u' ' +
               QString::fromLocal8Bit(p.readAllStandardError());
    return QString();
}

}

ServidorSmtp::ServidorSmtp(Modo modo, const QString& usuario, const QString& clave)
{
    if (!QFile::exists(Python)) {
        motivo_ = QStringLiteral("falta /usr/bin/python3 (paquete python3)");
        return;
    }
    if (const QString falla = Corre(Python, {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")});
        !falla.isEmpty()) {
        motivo_ = QStringLiteral("falta python3-aiosmtpd: ") + falla;
        return;
    }
    QStringList argumentos{Guion(), QStringLiteral("--carpeta"), dir_.path(), QStringLiteral("--usuario"), usuario,
                           QStringLiteral("--clave"), clave, QStringLiteral("--modo")};
    argumentos << (modo == Modo::Plano ? QStringLiteral("plano")
                   : modo == Modo::StartTls ? QStringLiteral("starttls")
                                            : QStringLiteral("smtps"));
    if (modo != Modo::Plano) {
        certificado_ = dir_.filePath(QStringLiteral("certificado.pem"));
        const QString llave = dir_.filePath(QStringLiteral("llave.pem"));
        if (const QString falla = Corre(QStringLiteral("openssl"),
                                        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                                         QStringLiteral("rsa:2048"), QStringLiteral("-nodes"),
                                         QStringLiteral("-keyout"), llave, QStringLiteral("-out"), certificado_,
                                         QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                                         QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
                                         QStringLiteral("subjectAltName=DNS:localhost,IP:127.0.0.1")});
            !falla.isEmpty()) {
            motivo_ = QStringLiteral("no se pudo crear el certificado (paquete openssl): ") + falla;
            return;
        }
        argumentos << QStringLiteral("--certificado") << certificado_ << QStringLiteral("--llave") << llave;
    }
    proceso_ = std::make_unique<QProcess>();
    proceso_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proceso_->start(Python, argumentos);
    const QDeadlineTimer limite(30000);
    while (!proceso_->canReadLine() && !limite.hasExpired() && proceso_->state() != QProcess::NotRunning)
        proceso_->waitForReadyRead(100);
    puerto_ = proceso_->canReadLine() ? proceso_->readLine().trimmed().toInt() : 0;
    if (puerto_ <= 0)
        motivo_ = QStringLiteral("el servidor SMTP de prueba (paquete python3-aiosmtpd) no arrancó");
}

ServidorSmtp::~ServidorSmtp()
{
    if (!proceso_)
        return;
    proceso_->closeWriteChannel();
    if (!proceso_->waitForFinished(10000)) {
        proceso_->kill();
        proceso_->waitForFinished();
    }
}

std::vector<ServidorSmtp::Recibido> ServidorSmtp::recibidos(int cuantos) const
{
    const QDir carpeta(dir_.path());
    const QDeadlineTimer limite(10000);
    while (int(carpeta.entryList({QStringLiteral("*.eml")}, QDir::Files).size()) < cuantos && !limite.hasExpired())
        QThread::msleep(20);
    std::vector<Recibido> lista;
    for (int n = 1; QFile::exists(carpeta.filePath(QStringLiteral("%1.eml").arg(n))); ++n) {
        const auto lee = [&](const char* extension) {
            QFile f(carpeta.filePath(QStringLiteral("%1.%2").arg(n).arg(QLatin1String(extension))));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        Recibido r;
        r.crudo = lee("eml");
        QStringList sobre = QString::fromUtf8(lee("sobre")).split(u'\n', Qt::SkipEmptyParts);
        r.remitente = sobre.value(0);
        r.destinatarios = sobre.mid(1);
        r.arbol = QJsonDocument::fromJson(lee("json")).object();
        lista.push_back(std::move(r));
    }
    return lista;
}

int ServidorSmtp::PuertoCerrado()
{
    // Bound and closed again without listening: nothing answers there.
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in direccion{};
    direccion.sin_family = AF_INET;
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof direccion;
    bind(s, reinterpret_cast<sockaddr*>(&direccion), largo);
    getsockname(s, reinterpret_cast<sockaddr*>(&direccion), &largo);
    close(s);
    return ntohs(direccion.sin_port);
}

QString Encabezado(const QJsonObject& nodo, const QString& nombre)
{
    for (const QJsonValue& par : nodo.value(QStringLiteral("encabezados")).toArray())
        if (par.toArray().at(0).toString().compare(nombre, Qt::CaseInsensitive) == 0)
            return par.toArray().at(1).toString();
    return QString();
}

QByteArray Contenido(const QJsonObject& nodo)
{
    return QByteArray::fromBase64(nodo.value(QStringLiteral("contenido")).toString().toLatin1());
}
