#include "platform/base/Ajustes.h"

#include "platform/base/ArchivoSeguro.h"

#include <QSettings>
#include <QStandardPaths>

namespace Ajustes {

QString archivo()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/escaneo/escaneo.conf");
}

QString valor(const QString& clave, const char* variableEntorno, const QString& porDefecto)
{
    if (variableEntorno) {
        const QString entorno = qEnvironmentVariable(variableEntorno);
        if (!entorno.trimmed().isEmpty())
            return entorno;
    }
    return QSettings(archivo(), QSettings::IniFormat).value(clave, porDefecto).toString();
}

void guarda(const QString& clave, const QString& valor)
{
    QSettings ajustes(archivo(), QSettings::IniFormat);
    ajustes.setValue(clave, valor);
    ajustes.sync();
    if (ajustes.status() != QSettings::NoError)
        FallaAccesoArchivo(archivo(), QStringLiteral("no se pudo guardar el ajuste %1").arg(clave));
}

}
