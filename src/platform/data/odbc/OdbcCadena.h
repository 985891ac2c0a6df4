#pragma once

#include "platform/data/MotorDatos.h"

#include <QString>

// What the driver manager is given for a connection, and the provider text the
// connection then reports: "oracle" for the suite's Oracle OLE DB string,
// "SQLOLEDB" for the SQL Server string built from the properties, "ODBC" for
// any other string passed as it stands.
struct CadenaOdbc {
    QString cadena;
    QString proveedor;
};

// The Oracle OLE DB string becomes "DSN=<data source>;UID=<user>;PWD=<password>;".
// A blank string gives the FreeTDS string for SQL Server built from the server
// ("host", "host,port" or "host:port"), database, user and password; the
// driver name is an installation setting ("odbc/driver", or the variable
// ESCANEO_ODBC_DRIVER), FreeTDS when not set.
CadenaOdbc cadenaOdbc(const DatosConexion& datos);
