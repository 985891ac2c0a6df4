#include "support/ServidorCups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace {

// The scheduler's programs are in sbin, which a normal user's PATH lacks.
QString Programa(const QString& nombre)
{
    const QString enPath = QStandardPaths::findExecutable(nombre);
    return enPath.isEmpty() ? QStandardPaths::findExecutable(nombre, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
                            : enPath;
}

bool escribe(const QString& ruta, const QString& texto)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(texto.toUtf8()) == texto.toUtf8().size();
}

}

bool ServidorCups::Disponible()
{
    return !Programa(QStringLiteral("cupsd")).isEmpty() && !Programa(QStringLiteral("lpadmin")).isEmpty();
}

ServidorCups::ServidorCups() : servidorAnterior_(qgetenv("CUPS_SERVER"))
{
    if (!Disponible()) {
        error_ = QStringLiteral("cupsd or lpadmin is not installed (Debian package cups)");
        return;
    }
    const QDir d(dir_.path());
    // The scheduler's filters run as lp, which must reach the spool.
    QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7755));
    for (const char* sub : {"spool", "spool/tmp", "cache", "state", "ppd", "log"})
        d.mkpath(QLatin1String(sub));
    socket_ = d.filePath(QStringLiteral("cups.sock"));
    const QString conf = QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\nPreserveJobFiles Yes\n"
                                        "PreserveJobHistory Yes\nMaxJobs 0\n"
                                        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                             .arg(socket_);
    const QString archivos = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                                            "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                            "PageLog %1/log/page_log\nFileDevice Yes\nServerBin /usr/lib/cups\n"
                                            "DataDir /usr/share/cups\nSystemGroup root\n")
                                 .arg(dir_.path());
    if (!escribe(d.filePath(QStringLiteral("cupsd.conf")), conf) ||
        !escribe(d.filePath(QStringLiteral("cups-files.conf")), archivos)) {
        error_ = QStringLiteral("cannot write the scheduler's configuration");
        return;
    }
    cupsd_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cupsd_.start(Programa(QStringLiteral("cupsd")),
                 {QStringLiteral("-f"), QStringLiteral("-c"), d.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                  d.filePath(QStringLiteral("cups-files.conf"))});
    if (!cupsd_.waitForStarted(10000)) {
        error_ = QStringLiteral("cupsd did not start: ") + cupsd_.errorString();
        return;
    }
    const QDeadlineTimer plazo(15000);
    while (!QFileInfo::exists(socket_) && !plazo.hasExpired() && cupsd_.state() == QProcess::Running)
        QThread::msleep(50);
    if (!QFileInfo::exists(socket_)) {
        error_ = QStringLiteral("cupsd did not open its socket");
        return;
    }
    qputenv("CUPS_SERVER", QFile::encodeName(socket_));
    if (!agregaCola(Cola()) || !lpadmin({QStringLiteral("-d"), Cola()}))
        error_ = QStringLiteral("lpadmin could not set up the queue: ") + error_;
}

ServidorCups::~ServidorCups()
{
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }
    if (servidorAnterior_.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", servidorAnterior_);
}

bool ServidorCups::agregaCola(const QString& nombre)
{
    return lpadmin({QStringLiteral("-p"), nombre, QStringLiteral("-E"), QStringLiteral("-v"), QStringLiteral("file:///dev/null")});
}

bool ServidorCups::lpadmin(const QStringList& argumentos)
{
    const QString programa = Programa(QStringLiteral("lpadmin"));
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(15000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        error_ += programa + u' ' + argumentos.join(u' ') + QStringLiteral(": ") +
                  QString::fromUtf8(p.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

QStringList ServidorCups::documentos() const
{
    const QDir spool(dir_.filePath(QStringLiteral("spool")));
    QStringList lista;
    for (const QString& nombre : spool.entryList({QStringLiteral("d*")}, QDir::Files, QDir::Name))
        lista << spool.filePath(nombre);
    return lista;
}
