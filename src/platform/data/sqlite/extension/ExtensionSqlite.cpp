#include "platform/data/sqlite/FuncionesSqlite.h"

#include <sqlite3ext.h>

SQLITE_EXTENSION_INIT1

// The entry point SQLite looks for in libescaneo_sqlite.so, so the shell's
// ".load" needs no name for it. The shell has no login: SYSTEM_USER is empty.
extern "C" int sqlite3_escaneosqlite_init(sqlite3* db, char**, const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api);
    RegistraFuncionesSqlite(db, nullptr);
    return SQLITE_OK;
}
