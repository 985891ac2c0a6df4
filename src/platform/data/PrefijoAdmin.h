#pragma once

#include <QString>

// The suite names the tables of its administration database "@ADMIN_..."
// (the journal lines @ADMIN_MV_ASIENTOS). Every statement the data layer
// runs has that prefix, outside string literals, quoted names and comments,
// turned into the installation's: the setting "datos/prefijo_admin"
// (environment ESCANEO_PREFIJO_ADMIN), "ADMIN_" by default.
QString PrefijoAdmin();
QString AplicaPrefijoAdmin(const QString& sql);
