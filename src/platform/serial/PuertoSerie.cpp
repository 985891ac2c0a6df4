#include "platform/serial/PuertoSerie.h"

#include "platform/base/Ajustes.h"
#include "platform/base/Err.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString razon(int numero)
{
    return QString::fromLocal8Bit(std::strerror(numero));
}

[[noreturn]] void fallaApertura(const QString& dispositivo, const QString& motivo)
{
    throw Err(NumeroError::NumeroPuertoInvalido,
              QStringLiteral("No se puede abrir el puerto %1: %2").arg(dispositivo, motivo),
              QStringLiteral("PuertoSerie"));
}

bool configuraLinea(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    t.c_cflag &= ~tcflag_t(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    t.c_oflag &= ~tcflag_t(OPOST);
    return cfsetispeed(&t, B9600) == 0 && cfsetospeed(&t, B9600) == 0 && tcsetattr(fd, TCSANOW, &t) == 0;
}

}

QString DispositivoDePuerto(int puerto)
{
    const QString com = QStringLiteral("COM%1").arg(puerto);
    const QByteArray variable = "ESCANEO_PUERTO_" + com.toLatin1();
    return Ajustes::valor(QStringLiteral("puertos/") + com, variable.constData(),
                          QStringLiteral("/dev/ttyS%1").arg(puerto - 1));
}

PuertoSerie::~PuertoSerie()
{
    cierra();
}

void PuertoSerie::setCommPort(int puerto)
{
    if (PortOpen())
        throw Err(NumeroError::PuertoYaAbierto, QStringLiteral("El puerto ya está abierto"),
                  QStringLiteral("PuertoSerie"));
    if (puerto < 1)
        throw Err(NumeroError::NumeroPuertoInvalido, QStringLiteral("Número de puerto no válido"),
                  QStringLiteral("PuertoSerie"));
    puerto_ = puerto;
}

void PuertoSerie::setPortOpen(bool abierto)
{
    if (abierto == PortOpen()) {
        if (abierto)
            throw Err(NumeroError::PuertoYaAbierto, QStringLiteral("El puerto ya está abierto"),
                  QStringLiteral("PuertoSerie"));
        return;
    }
    if (abierto)
        abre();
    else
        cierra();
}

void PuertoSerie::abre()
{
    const QString dispositivo = DispositivoDePuerto(puerto_);
    // Non-blocking only while opening: a line without carrier must not hang.
    const int fd = ::open(QFile::encodeName(dispositivo).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fallaApertura(dispositivo, razon(errno));
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int numero = errno;
        ::close(fd);
        fallaApertura(dispositivo, numero == EWOULDBLOCK ? QStringLiteral("lo está usando otro programa") : razon(numero));
    }
    if (!configuraLinea(fd) || fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        const int numero = errno;
        ::close(fd);
        fallaApertura(dispositivo, razon(numero));
    }
    fd_ = fd;
}

void PuertoSerie::cierra()
{
    if (fd_ < 0)
        return;
    tcdrain(fd_);
    ::close(fd_);
    fd_ = -1;
}

void PuertoSerie::setOutput(const QByteArray& bytes)
{
    if (!PortOpen())
        throw Err(NumeroError::PuertoNoAbierto, QStringLiteral("La operación no es válida con el puerto cerrado"),
                  QStringLiteral("PuertoSerie"));
    qsizetype enviados = 0;
    while (enviados < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + enviados, size_t(bytes.size() - enviados));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw Err(NumeroError::ErrorDeLinea, QStringLiteral("Error al enviar por el puerto: ") + razon(errno),
                      QStringLiteral("PuertoSerie"));
        enviados += n;
    }
}
