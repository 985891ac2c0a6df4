#include "email/CarpetaEnvios.h"

#include "platform/base/Err.h"
#include "platform/base/Rutas.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString CreaCarpetaEnvios(const QDateTime& Momento)
{
    QString carpeta = CarpetaTemporalSistema();
    carpeta.chop(1);
    const QStringList niveles{QStringLiteral("E-MAILS"), QStringLiteral("ENVIOS"),
                              Momento.toString(QStringLiteral("dd-MM-yyyy")),
                              Momento.toString(QStringLiteral("HH.mm.ss"))};
    for (const QString& nivel : niveles) {
        carpeta += u'/' + nivel;
        if (QFileInfo::exists(carpeta))
            continue;
        if (!QDir().mkdir(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            throw Err(NumeroError::ErrorAccesoRuta, QStringLiteral("No se pudo crear la carpeta ") + carpeta);
    }
    return carpeta;
}
