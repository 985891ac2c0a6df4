#pragma once

#include <QFile>
#include <QString>

#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

// Makes this process `usuario` for good, groups and all. Only calls that are
// safe between fork and exec, so a child of a threaded test may make it.
inline bool PasaAUsuario(uid_t usuario)
{
    return ::setgroups(0, nullptr) == 0 && ::setgid(usuario) == 0 && ::setuid(usuario) == 0;
}

// Copies the file into the folder where every user can read and run it (the
// build folder may be closed to them); the folder is opened to them too.
inline bool CopiaParaTodos(const QString& archivo, const QString& carpeta)
{
    const QFileDevice::Permissions paraTodos = QFileDevice::Permissions(0x7755);
    const QString copia = carpeta + u'/' + archivo.section(u'/', -1);
    return QFile::setPermissions(carpeta, paraTodos) && QFile::copy(archivo, copia)
           && QFile::setPermissions(copia, paraTodos);
}
