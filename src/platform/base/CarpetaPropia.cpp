#include "platform/base/CarpetaPropia.h"

#include "platform/base/ArchivoSeguro.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Defecto(const struct stat& st)
{
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("es un enlace y no una carpeta");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("no es una carpeta");
    if (st.st_uid != ::geteuid())
        return QStringLiteral("la carpeta es de otro usuario");
    if (st.st_mode & (S_IRWXG | S_IRWXO))
        return QStringLiteral("otros usuarios pueden entrar en la carpeta");
    return {};
}

}

void AseguraCarpetaPropia(const QString& carpeta)
{
    QString ruta = carpeta;
    // With a trailing "/" lstat would follow a link.
    while (ruta.size() > 1 && ruta.endsWith(u'/'))
        ruta.chop(1);
    const QByteArray nombre = QFile::encodeName(ruta);
    if (::mkdir(nombre.constData(), S_IRWXU) != 0 && errno != EEXIST)
        FallaAccesoArchivo(ruta, qt_error_string(errno));
    struct stat st {};
    if (::lstat(nombre.constData(), &st) != 0)
        FallaAccesoArchivo(ruta, qt_error_string(errno));
    if (const QString defecto = Defecto(st); !defecto.isEmpty())
        FallaAccesoArchivo(ruta, defecto + QStringLiteral(": no se escribe en ella"));
}
