#include "support/SqliteOdbc.h"

#include <QFileInfo>

QString DriverSqliteOdbc()
{
    for (const char* ruta : {"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so", "/usr/lib/aarch64-linux-gnu/odbc/libsqlite3odbc.so",
                             "/usr/lib/odbc/libsqlite3odbc.so"})
        if (QFileInfo::exists(QString::fromLatin1(ruta)))
            return QString::fromLatin1(ruta);
    return QStringLiteral("SQLite3");
}
