#include "support/Pseudoterminal.h"

#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

Pseudoterminal::Pseudoterminal()
{
    char nombre[256] = {};
    if (openpty(&maestro_, &esclavo_, nombre, nullptr, nullptr) != 0) {
        maestro_ = esclavo_ = -1;
        return;
    }
    nombre_ = QFile::decodeName(nombre);
    fcntl(maestro_, F_SETFL, fcntl(maestro_, F_GETFL) | O_NONBLOCK);
}

Pseudoterminal::~Pseudoterminal()
{
    if (maestro_ >= 0)
        ::close(maestro_);
    if (esclavo_ >= 0)
        ::close(esclavo_);
}

QByteArray Pseudoterminal::recibido()
{
    QByteArray datos;
    pollfd p{maestro_, POLLIN, 0};
    // A short wait lets the line discipline hand over the last bytes.
    while (poll(&p, 1, 100) > 0 && (p.revents & POLLIN)) {
        char bloque[4096];
        const ssize_t n = ::read(maestro_, bloque, sizeof bloque);
        if (n <= 0)
            break;
        datos.append(bloque, n);
    }
    return datos;
}
