#pragma once

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"

#include <QDir>
#include <QFile>
#include <QString>

// SANE reads SANE_CONFIG_DIR as the caller set it; when it is not set, this
// makes a folder in `carpeta` with only the test backend, paced as the tests
// pace it. The backend ends its reader thread with an asynchronous cancel,
// which now and again leaves the loader's lock taken when it lands while the
// thread frees memory on its way out, and the process then hangs in
// sane_exit; a pause after each block keeps the thread asleep at that moment.
inline bool ConfiguraSaneDePrueba(const QString& carpeta)
{
    if (!qEnvironmentVariableIsEmpty("SANE_CONFIG_DIR"))
        return true;
    const QString sane = carpeta + QStringLiteral("/sane");
    try {
        if (!QDir().mkpath(sane))
            return false;
        EscribeArchivoPasajero(sane + QStringLiteral("/dll.conf"), "test\n");
        EscribeArchivoPasajero(sane + QStringLiteral("/test.conf"), "read-delay true\nread-delay-duration 1000\n");
    } catch (const Err&) {
        return false;
    }
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(sane));
    return true;
}
