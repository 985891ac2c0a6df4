#include "platform/base/Rutas.h"

#include <QStandardPaths>
#include <QtGlobal>

QString AgregaBarra(const QString& carpeta)
{
    QString r = carpeta;
    while (r.endsWith(u'/'))
        r.chop(1);
    return r + u'/';
}

QString CarpetaTemporalDelSistema()
{
    const QString tmp = qEnvironmentVariable("TMPDIR").trimmed();
    return tmp.isEmpty() ? QStringLiteral("/tmp") : tmp;
}

QString CarpetaTemporalSistema()
{
    const QString carpeta = qEnvironmentVariable("TEMP").trimmed();
    return AgregaBarra(carpeta.isEmpty() ? CarpetaTemporalDelSistema() : carpeta);
}

QString CarpetaDatosUsuario()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/escaneo/");
}
