#pragma once

#include <QDateTime>
#include <QString>

// The work folder of one mailing: TEMP, "E-MAILS", "ENVIOS", the date
// (dd-MM-yyyy) and the time (HH.mm.ss) of `Momento`, without a "/" at the
// end. Each missing level is made for the owner alone (0700) and stays
// writable; a level that exists is left as it is, so two mailings in the same
// second share the folder. Raises Err 75 when a level cannot be made.
QString CreaCarpetaEnvios(const QDateTime& Momento = QDateTime::currentDateTime());
