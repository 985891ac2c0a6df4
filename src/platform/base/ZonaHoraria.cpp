#include "platform/base/ZonaHoraria.h"

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

void FijaZonaHoraria()
{
    // ":/etc/localtime" is the zone the library would read anyway, and Qt
    // takes it as the system zone too.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", QByteArrayLiteral(":/etc/localtime"));
    tzset();
}
