#pragma once

#include <sql.h>
#include <sqlext.h>

#include <QString>

// The driver manager's entry points. libodbc, and the libraries it brings,
// load with the first connection through ODBC, so a start on the embedded
// database never maps them.
struct FuncionesOdbc {
    decltype(&::SQLAllocHandle) AllocHandle;
    decltype(&::SQLBindParameter) BindParameter;
    decltype(&::SQLDescribeCol) DescribeCol;
    decltype(&::SQLDisconnect) Disconnect;
    decltype(&::SQLDriverConnect) DriverConnect;
    decltype(&::SQLExecDirect) ExecDirect;
    decltype(&::SQLFetch) Fetch;
    decltype(&::SQLFreeHandle) FreeHandle;
    decltype(&::SQLGetConnectAttr) GetConnectAttr;
    decltype(&::SQLGetData) GetData;
    decltype(&::SQLGetDiagRec) GetDiagRec;
    decltype(&::SQLGetInfo) GetInfo;
    decltype(&::SQLMoreResults) MoreResults;
    decltype(&::SQLNumResultCols) NumResultCols;
    decltype(&::SQLPrimaryKeys) PrimaryKeys;
    decltype(&::SQLRowCount) RowCount;
    decltype(&::SQLSetConnectAttr) SetConnectAttr;
    decltype(&::SQLSetEnvAttr) SetEnvAttr;
    decltype(&::SQLSetStmtAttr) SetStmtAttr;
    decltype(&::SQLTables) Tables;
};

// Loaded once for the whole process. Null when libodbc cannot be loaded or
// lacks an entry point; the reason is then in MotivoSinOdbc().
const FuncionesOdbc* Odbc();
QString MotivoSinOdbc();

// Only once a connection has been made through them.
inline const FuncionesOdbc& odbc()
{
    return *Odbc();
}
