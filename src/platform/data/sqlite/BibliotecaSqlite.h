#pragma once

#include <QString>

// SQLite's calls go through the table of entry points its extensions are
// handed, here filled by the program itself: libsqlite3 loads with the
// first database opened, on the thread that opens it (the start-up's
// connection thread), not with the program before main(). The loadable
// extension built from the same sources gets its table from its host.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3

// Loads libsqlite3 once for the whole process and fills the table. False
// when it or one of the entry points used is missing; `motivo` says which.
bool CargaSqlite(QString& motivo);
