#include "support/CarpetaMontada.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

CarpetaMontada::CarpetaMontada(const QString& carpeta, qint64 bytes)
    : carpeta_(QFile::encodeName(carpeta)), opciones_("size=" + QByteArray::number(bytes))
{
    montada_ = ::mount("tmpfs", carpeta_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, opciones_.constData()) == 0;
}

CarpetaMontada::~CarpetaMontada()
{
    if (montada_)
        ::umount2(carpeta_.constData(), MNT_DETACH);
}

bool CarpetaMontada::soloLectura()
{
    return montada_
           && ::mount("tmpfs", carpeta_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                      opciones_.constData())
                  == 0;
}

bool CarpetaMontada::llena()
{
    if (!montada_)
        return false;
    const int relleno = ::open((carpeta_ + "/relleno").constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (relleno < 0)
        return false;
    const char bloque[4096] = {};
    while (::write(relleno, bloque, sizeof bloque) > 0) {
    }
    // Only a full disk stops the writes.
    const bool llena = errno == ENOSPC;
    ::close(relleno);
    return llena;
}
