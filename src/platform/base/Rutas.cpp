#include "platform/base/Rutas.h"

#include "platform/base/CarpetaPropia.h"

#include <QStandardPaths>
#include <QtGlobal>

#include <unistd.h>

QString AgregaBarra(const QString& carpeta)
{
    QString r = carpeta;
    while (r.endsWith(u'/'))
        r.chop(1);
    return r + u'/';
}

QString CarpetaTemporalPropia()
{
    const QString tmp = qEnvironmentVariable("TMPDIR").trimmed();
    const QString carpeta =
        AgregaBarra(tmp.isEmpty() ? QStringLiteral("/tmp") : tmp) + QStringLiteral("escaneo-%1").arg(::geteuid());
    AseguraCarpetaPropia(carpeta);
    return carpeta + u'/';
}

QString CarpetaTemporalSistema()
{
    const QString carpeta = qEnvironmentVariable("TEMP").trimmed();
    return carpeta.isEmpty() ? CarpetaTemporalPropia() : AgregaBarra(carpeta);
}

QString CarpetaDatosUsuario()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/escaneo/");
}
