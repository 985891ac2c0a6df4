#include "platform/data/odbc/BibliotecaOdbc.h"

#include "platform/base/BibliotecaDelSistema.h"

namespace {

const EntradasDeBiblioteca<FuncionesOdbc>& carga()
{
    static const EntradasDeBiblioteca<FuncionesOdbc> entradas(QStringLiteral("odbc"), 2, [](auto& b, FuncionesOdbc& f) {
        b.resuelve(f.AllocHandle, "SQLAllocHandle");
        b.resuelve(f.BindParameter, "SQLBindParameter");
        b.resuelve(f.DescribeCol, "SQLDescribeCol");
        b.resuelve(f.Disconnect, "SQLDisconnect");
        b.resuelve(f.DriverConnect, "SQLDriverConnect");
        b.resuelve(f.ExecDirect, "SQLExecDirect");
        b.resuelve(f.Fetch, "SQLFetch");
        b.resuelve(f.FreeHandle, "SQLFreeHandle");
        b.resuelve(f.GetConnectAttr, "SQLGetConnectAttr");
        b.resuelve(f.GetData, "SQLGetData");
        b.resuelve(f.GetDiagRec, "SQLGetDiagRec");
        b.resuelve(f.GetInfo, "SQLGetInfo");
        b.resuelve(f.MoreResults, "SQLMoreResults");
        b.resuelve(f.NumResultCols, "SQLNumResultCols");
        b.resuelve(f.PrimaryKeys, "SQLPrimaryKeys");
        b.resuelve(f.RowCount, "SQLRowCount");
        b.resuelve(f.SetConnectAttr, "SQLSetConnectAttr");
        b.resuelve(f.SetEnvAttr, "SQLSetEnvAttr");
        b.resuelve(f.SetStmtAttr, "SQLSetStmtAttr");
        b.resuelve(f.Tables, "SQLTables");
    });
    return entradas;
}

}

const FuncionesOdbc* Odbc()
{
    return carga().completas();
}

QString MotivoSinOdbc()
{
    return carga().motivo();
}
