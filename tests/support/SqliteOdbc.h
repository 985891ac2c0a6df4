#pragma once

#include <QString>

// SQLite's ODBC driver stands in for the server in tests: real driver
// manager, real driver, real database file. Its library path, else the name
// the driver manager may know it by.
QString DriverSqliteOdbc();
