#include "platform/base/ArchivoSeguro.h"

#include "platform/base/Err.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QCryptographicHash>
#include <QDateTime>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSysInfo>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Names another process took first are skipped.
constexpr int IntentosDeNombre = 100;
// A write still under way touches its file far more often than this.
constexpr qint64 EdadDeAbandonoMs = 5 * 60 * 1000;

// Eight hex digits of the host's name: short, and the same in every process
// of the host whatever its Qt, so the cleanup knows its own host's files.
QString MarcaDelHost()
{
    static const QString marca = QString::fromLatin1(
        QCryptographicHash::hash(QSysInfo::machineHostName().toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
    return marca;
}

// ".<host>-<pid>-<random>.tmp": under 32 characters, so a target name as
// long as the system allows still has a provisional one beside it.
const QRegularExpression& FormaProvisional()
{
    static const QRegularExpression forma(QStringLiteral("^\\.([0-9a-f]{8})-([0-9]+)-[0-9a-z]+\\.tmp$"));
    return forma;
}

std::atomic<SincronizacionDeCarpeta>& SincronizacionActual()
{
    static std::atomic<SincronizacionDeCarpeta> sincroniza{::fsync};
    return sincroniza;
}

// What a file system answers on a folder it keeps no entry of its own for.
bool SinCarpetaQueSincronizar(int error)
{
#if EOPNOTSUPP != ENOTSUP
    if (error == EOPNOTSUPP)
        return true;
#endif
    return error == EINVAL || error == ENOTSUP;
}

bool ProcesoVivo(qint64 pid)
{
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

}

ArchivoProvisional CreaProvisional(const QString& ruta)
{
    const QString carpeta = QFileInfo(ruta).path() + QStringLiteral("/.");
    for (int intento = 0;; ++intento) {
        // 40 random bits: the pid alone repeats on another host.
        const quint64 azar = QRandomGenerator::system()->generate64() >> 24;
        ArchivoProvisional p;
        p.nombre = QFile::encodeName(carpeta + MarcaDelHost() + QLatin1Char('-')
                                     + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-')
                                     + QString::number(azar, 36) + QStringLiteral(".tmp"));
        p.descriptor = ::open(p.nombre.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (p.descriptor >= 0)
            return p;
        if (errno != EEXIST || intento == IntentosDeNombre)
            FallaAccesoArchivo(ruta, qt_error_string(errno));
    }
}

void LimpiaProvisionales(const QString& carpeta)
{
    const QDir dir(carpeta);
    const QDateTime limite = QDateTime::currentDateTime().addMSecs(-EdadDeAbandonoMs);
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch m = FormaProvisional().match(info.fileName());
        if (m.hasMatch() && m.captured(1) == MarcaDelHost() && !ProcesoVivo(m.captured(2).toLongLong())
            && info.lastModified() < limite)
            QFile::remove(info.filePath());
    }
}

void LimpiaProvisionalesUnaVez(const QString& carpeta)
{
    static std::mutex cerrojo;
    static QSet<QString> limpias;
    {
        const std::lock_guard<std::mutex> l(cerrojo);
        if (limpias.contains(carpeta))
            return;
        limpias.insert(carpeta);
    }
    LimpiaProvisionales(carpeta);
}

void FallaAccesoArchivo(const QString& ruta, const QString& motivo)
{
    if (!QFileInfo(ruta).absoluteDir().exists())
        throw Err(NumeroError::RutaNoEncontrada, QStringLiteral("No se encontró la ruta de acceso: %1").arg(ruta));
    throw Err(NumeroError::ErrorAccesoRuta,
              QStringLiteral("Error de acceso a la ruta o al archivo: %1 (%2)").arg(ruta, motivo));
}

EscrituraSegura::EscrituraSegura(const QString& ruta, bool duradera) : ruta_(ruta), duradera_(duradera)
{
    ArchivoProvisional p = CreaProvisional(ruta);
    provisional_ = p.nombre;
    descriptor_ = p.descriptor;
    // A replaced file keeps who may read and write it.
    struct stat anterior;
    if (::stat(QFile::encodeName(ruta).constData(), &anterior) == 0 && S_ISREG(anterior.st_mode))
        ::fchmod(descriptor_, anterior.st_mode & 07777);
}

EscrituraSegura::~EscrituraSegura()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    if (!provisional_.isEmpty())
        ::unlink(provisional_.constData());
}

void EscrituraSegura::falla(int error)
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    ::unlink(provisional_.constData());
    provisional_.clear();
    FallaAccesoArchivo(ruta_, qt_error_string(error));
}

void EscrituraSegura::escribe(qint64 posicion, const char* datos, qint64 largo)
{
    const qint64 desde = posicion;
    const qint64 total = largo;
    while (largo > 0) {
        const ssize_t escritos = ::pwrite(descriptor_, datos, size_t(largo), off_t(posicion));
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos <= 0)
            falla(escritos < 0 ? errno : ENOSPC);
        datos += escritos;
        posicion += escritos;
        largo -= escritos;
    }
    // Only a hint: whatever it leaves is written by the sync.
    if (duradera_)
        ::sync_file_range(descriptor_, off_t(desde), off_t(total), SYNC_FILE_RANGE_WRITE);
}

void EscrituraSegura::sincroniza()
{
    if (descriptor_ < 0)
        return;
    if (duradera_ && ::fdatasync(descriptor_) != 0)
        falla(errno);
    const int cerrado = ::close(descriptor_);
    descriptor_ = -1;
    if (cerrado != 0)
        falla(errno);
}

void EscrituraSegura::confirma()
{
    sincroniza();
    if (::rename(provisional_.constData(), QFile::encodeName(ruta_).constData()) != 0)
        falla(errno);
    provisional_.clear();
}

void EscribeArchivoCompleto(const QString& ruta, const QByteArray& contenido)
{
    EscrituraSegura archivo(ruta);
    archivo.escribe(0, contenido.constData(), contenido.size());
    archivo.confirma();
}

void EscribeArchivoPasajero(const QString& ruta, const QByteArray& contenido)
{
    EscrituraSegura archivo(ruta, false);
    archivo.escribe(0, contenido.constData(), contenido.size());
    archivo.confirma();
}

void setSincronizacionDeCarpeta(SincronizacionDeCarpeta sincroniza)
{
    SincronizacionActual().store(sincroniza ? sincroniza : ::fsync);
}

void SincronizaCarpeta(const QString& carpeta)
{
    const int descriptor = ::open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        FallaAccesoArchivo(carpeta, qt_error_string(errno));
    const int sincronizada = SincronizacionActual().load()(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (sincronizada != 0 && !SinCarpetaQueSincronizar(error))
        FallaAccesoArchivo(carpeta, qt_error_string(error));
}

void AgregaAlArchivo(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Append))
        FallaAccesoArchivo(ruta, archivo.errorString());
    if (archivo.write(contenido) != contenido.size() || !archivo.flush())
        FallaAccesoArchivo(ruta, archivo.errorString());
}

QByteArray LeeArchivoCompleto(const QString& ruta)
{
    QFile archivo(ruta);
    const bool abierto = archivo.open(QIODevice::ReadOnly);
    // Asked after the open, so a file removed meanwhile is a missing file.
    const QFileInfo info(ruta);
    if (!abierto && !info.exists())
        throw Err(NumeroError::ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo: %1").arg(ruta));
    if (!abierto || info.isDir())
        FallaAccesoArchivo(ruta, info.isDir() ? QStringLiteral("es una carpeta") : archivo.errorString());
    return archivo.readAll();
}
