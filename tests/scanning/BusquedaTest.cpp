#include "support/escaneo/BaseEscaneo.h"

#include "platform/base/GuardaErrores.h"
#include "platform/data/sql/AdaptadorSql.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "scanning/Busqueda.h"
#include "scanning/GrillaFlex.h"
#include "services/Objetos.h"

#include <QDateTime>
#include <QFile>

#include <gmock/gmock.h>

#include <sqlite3.h>

namespace {

FiltroBusqueda Filtro(bool soloEscaneados, const char* cuenta = "", const char* tc = "", const char* sucursal = "",
                      const char* numero = "", const char* letra = "")
{
    FiltroBusqueda f;
    f.SoloEscaneados = soloEscaneados;
    f.Cuenta = QString::fromUtf8(cuenta);
    f.TC = QString::fromUtf8(tc);
    f.Sucursal = QLatin1String(sucursal);
    f.Numero = QLatin1String(numero);
    f.Letra = QLatin1String(letra);
    return f;
}

const QString Fechas = QStringLiteral(" (Fecha>='1990-01-01 00:00:00' AND Fecha<'2200-01-02 00:00:00') ");

// The module started on the demo database, whose vouchers and scans are
// those of the test: sales and purchases of several types, accounts,
// branches, letters and dates (one with a time of day), annulled ones, and
// scans active, withdrawn, without a location and of an annulled voucher.
class BusquedaEnDemo : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        inicia();
        for (const char* sql : {
                 "DELETE FROM V_MV_CPTE", "DELETE FROM C_MV_CPTE", "DELETE FROM CTROL_ESCANEO",
                 "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, FECHA, ANULADA) VALUES "
                 "('FC  ', '000100000012A', '1001', '2025-03-03 00:00:00', 0), "
                 "('FC  ', '000100000013A', '1002', '2025-03-05 00:00:00', 0), "
                 "('FC  ', '000100000014A', '1001', '2025-03-15 00:00:00', 1), "
                 "('ND  ', '000100000002A', '1002', '2025-03-11 00:00:00', 0), "
                 "('RM  ', '000100000031R', '1001', '2025-03-03 00:00:00', 0), "
                 "('TKFC', '000300000210A', '1003', '2024-12-28 10:35:00', 0), "
                 "('NP  ', '000100000045X', '1001', '2025-03-18 00:00:00', 0), "
                 "('NC  ', '000200000005B', '1003', '2025-03-19 00:00:00', 1), "
                 "('PG  ', '000100000033X', '2001', '2025-03-20 00:00:00', 0)",
                 "INSERT INTO C_MV_CPTE (CUENTA, TC, IDCOMPROBANTE, FECHA, ANULADA) VALUES "
                 "('2001', 'FCC ', '000400001520A', '2025-02-27 00:00:00', 0), "
                 "('2002', 'FCC ', '001200004410B', '2025-03-08 00:00:00', 0), "
                 "('2002', 'RMC ', '001200000873R', '2025-03-08 00:00:00', 0), "
                 "('2002', 'FCC ', '001200004411B', '2025-03-21 00:00:00', 1), "
                 "('2001', 'OC  ', '000100000550X', '2024-10-02 00:00:00', 0)",
                 "INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, Fecha, RutaArchivo, NombreArchivo, Eliminado) VALUES "
                 "('1001', 'FC  000100000012A', '2025-03-03 00:00:00', 'SCAN/', 'f12.jpg', NULL), "
                 "('1002', 'ND  000100000002A', '2025-03-11 00:00:00', 'SCAN/', 'nd2.jpg', 1), "
                 "('1003', 'TKFC000300000210A', '2024-12-28 10:40:12', 'SCAN/', 'tk210.jpg', 0), "
                 "('1001', 'NP  000100000045X', '2025-03-18 16:42:10', NULL, 'np45.jpg', NULL), "
                 "('1003', 'NC  000200000005B', '2025-03-19 00:00:00', 'SCAN/', 'nc5.jpg', NULL), "
                 "('2001', 'PG  000100000033X', '2025-03-20 00:00:00', 'SCAN/', 'pg33.jpg', 0), "
                 "('2001', 'FCC 000400001520A', '2025-03-01 00:00:00', 'SCAN/', 'fcc1520.jpg', NULL), "
                 "('2002', 'FCC 001200004410B', '2025-03-09 00:00:00', 'SCAN/', 'fcc4410.jpg', 1)"})
            ejecuta(QLatin1String(sql));
    }

    // Searches as the window does: a cleared grid, the wait window, and an
    // error handler that records each error and answers as told.
    int busca(const FiltroBusqueda& filtro, Respuesta respuesta = Respuesta::Salir)
    {
        grilla.Clear();
        grilla.setRows(2);
        GuardaErrores guarda([this, respuesta](const Err& e) {
            errores << e.Number;
            return respuesta;
        });
        return Busca(ConexionPrincipal(), filtro, grilla, ObjVentanaEspera(), guarda);
    }

    // Column 3 of every result row.
    QStringList comprobantes() const
    {
        QStringList lista;
        for (int r = 1; r < grilla.Rows() - 1; ++r)
            lista << grilla.TextMatrix(r, 3);
        return lista;
    }

    QStringList fila(int r) const
    {
        QStringList celdas;
        for (int c = 0; c < grilla.Cols(); ++c)
            celdas << grilla.TextMatrix(r, c);
        return celdas;
    }

    GrillaFlex grilla;
    QList<long> errores;
};

}

TEST(SearchCondition, HasOneClausePerFilledFieldInEachMode)
{
    ConexionDatos cn;
    cn.setServidor(QStringLiteral("sqlite"));
    const QString escaneos = QStringLiteral(" Where  (Eliminado = 0 OR ELIMINADO IS NULL) ");
    const QString comprobantes = QStringLiteral(" Where  ANULADA = 0 ");
    const struct {
        FiltroBusqueda filtro;
        QString condicion;
    } casos[] = {
        {Filtro(true), escaneos + " and " + Fechas},
        {Filtro(true, "1234"), escaneos + " AND Cuenta='1234'  and " + Fechas},
        {Filtro(true, "", "FC"), escaneos + " AND SUBSTRING(CPTE,1,4)='FC  '  and " + Fechas},
        {Filtro(true, "", "", "0001"), escaneos + " AND SUBSTRING(CPTE,5,4)='0001'  and " + Fechas},
        {Filtro(true, "", "", "", "00000012"), escaneos + " AND SUBSTRING(CPTE,9,8)='00000012'  and " + Fechas},
        {Filtro(true, "", "", "", "", "A"), escaneos + " AND RIGHT(CPTE,1)='A'  and " + Fechas},
        {Filtro(true, "1001", "TKFC", "0003", "00000210", "A"),
         escaneos + " AND Cuenta='1001'  AND SUBSTRING(CPTE,1,4)='TKFC'  AND SUBSTRING(CPTE,5,4)='0003'  AND "
                    "SUBSTRING(CPTE,9,8)='00000210'  AND RIGHT(CPTE,1)='A'  and " + Fechas},
        {Filtro(false), comprobantes + " and " + Fechas},
        {Filtro(false, "2001"), comprobantes + " AND Cuenta='2001'  and " + Fechas},
        // The views' type goes as typed, blanks and all.
        {Filtro(false, "", "FC "), comprobantes + " AND TC='FC '  and " + Fechas},
        {Filtro(false, "", "", "0012"), comprobantes + " AND SUBSTRING(IDCOMPROBANTE,1,4)='0012'  and " + Fechas},
        {Filtro(false, "", "", "", "00004410"),
         comprobantes + " AND SUBSTRING(IDCOMPROBANTE,5,8)='00004410'  and " + Fechas},
        {Filtro(false, "", "", "", "", "B"), comprobantes + " AND RIGHT(IDCOMPROBANTE,1)='B'  and " + Fechas},
        {Filtro(false, "2002", "FCC", "0012", "00004410", "B"),
         comprobantes + " AND Cuenta='2002'  AND TC='FCC'  AND SUBSTRING(IDCOMPROBANTE,1,4)='0012'  AND "
                        "SUBSTRING(IDCOMPROBANTE,5,8)='00004410'  AND RIGHT(IDCOMPROBANTE,1)='B'  and " + Fechas},
        // An apostrophe is doubled, not left to break the statement.
        {Filtro(false, "O'Brien"), comprobantes + " AND Cuenta='O''Brien'  and " + Fechas},
        {Filtro(true, "", "d'a"), escaneos + " AND SUBSTRING(CPTE,1,4)='d''a '  and " + Fechas},
    };
    for (const auto& c : casos)
        EXPECT_EQ(CondicionBusqueda(cn, c.filtro), c.condicion) << c.condicion.toStdString();
}

TEST(SearchCondition, DatesAreTheEnginesLiteralsAndTheLastDayIsWhole)
{
    ConexionDatos sqlite, servidor;
    sqlite.setServidor(QStringLiteral("sqlite"));
    servidor.setServidor(QStringLiteral("SERVIDOR\\CONTABLE"));
    FiltroBusqueda f;
    EXPECT_TRUE(CondicionBusqueda(servidor, f).endsWith(
        QStringLiteral(" and  (Fecha>='19900101 00:00:00' AND Fecha<'22000102 00:00:00') ")));
    f.Desde = QDate(2015, 7, 9);
    f.Hasta = QDate(2015, 7, 31);
    EXPECT_TRUE(CondicionBusqueda(sqlite, f).endsWith(
        QStringLiteral(" (Fecha>='2015-07-09 00:00:00' AND Fecha<'2015-08-01 00:00:00') ")));
}

TEST(SearchCondition, TheStatementsOfEachMode)
{
    const QString condicion = QStringLiteral(" Where  ANULADA = 0  and ") + Fechas;
    EXPECT_EQ(SentenciasBusqueda(QStringLiteral(" Where  (Eliminado = 0 OR ELIMINADO IS NULL)  and ") + Fechas, true),
              QStringList{QStringLiteral("SELECT * FROM CTROL_ESCANEO  Where  (Eliminado = 0 OR ELIMINADO IS NULL)  "
                                         "and  (Fecha>='1990-01-01 00:00:00' AND Fecha<'2200-01-02 00:00:00')  "
                                         "ORDER BY Fecha Desc,Cpte,Cuenta")});
    EXPECT_EQ(SentenciasBusqueda(condicion, false),
              (QStringList{QStringLiteral("SELECT CUENTA,TC ,IDCOMPROBANTE AS CPTE, FECHA, '' AS NOMBREARCHIVO, '' "
                                          "AS RUTAARCHIVO FROM V_MV_CPTE ")
                               + condicion + QStringLiteral(" ORDER BY Fecha Desc,IDCOMPROBANTE,Cuenta"),
                           QStringLiteral("SELECT CUENTA,TC,IDCOMPROBANTE AS CPTE, FECHA, '' AS NOMBREARCHIVO, '' "
                                          "AS RUTAARCHIVO FROM C_MV_CPTE ")
                               + condicion + QStringLiteral(" ORDER BY Fecha Desc,IDCOMPROBANTE,Cuenta")}));
}

TEST(SearchDates, EmptyTextsKeepTheDefaultsAndAnyOtherMustBeADate)
{
    const struct {
        const char* desde;
        const char* hasta;
        bool valido;
        QDate fechaDesde, fechaHasta;
    } casos[] = {
        {"", "", true, {1990, 1, 1}, {2200, 1, 1}},
        {"  ", "01/01/2200", true, {1990, 1, 1}, {2200, 1, 1}},
        {"09/07/2015", "", true, {2015, 7, 9}, {2200, 1, 1}},
        {" 1/3/25 ", "31/3/2025", true, {2025, 3, 1}, {2025, 3, 31}},
        {"31/02/2015", "", false, {}, {}},
        {"", "mañana", false, {}, {}},
    };
    for (const auto& c : casos) {
        FiltroBusqueda f;
        EXPECT_EQ(LeeFechasDeBusqueda(QString::fromUtf8(c.desde), QString::fromUtf8(c.hasta), f), c.valido)
            << c.desde << " " << c.hasta;
        EXPECT_EQ(f.Desde, c.valido ? c.fechaDesde : QDate(1990, 1, 1)) << c.desde;
        EXPECT_EQ(f.Hasta, c.valido ? c.fechaHasta : QDate(2200, 1, 1)) << c.hasta;
    }
}

TEST_F(BusquedaEnDemo, ImagesOnlyListsTheScansNotWithdrawnAllBold)
{
    EXPECT_EQ(busca(Filtro(true)), 6);
    EXPECT_EQ(grilla.Rows(), 8);
    EXPECT_EQ(grilla.Cols(), 7);
    EXPECT_EQ(fila(0), (QStringList{"", "Cuenta", "Nombre", "Cpte", "Fecha", "Nombre", "Ruta"}));
    const int anchos[] = {100, 1100, 2300, 1900, 1200, 3500, 3500};
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(grilla.ColWidth(c), anchos[c]);
    EXPECT_EQ(fila(1), (QStringList{"", "2001", "Papelera del Sur S.A.", "PG  000100000033X", "20/03/2025", "pg33.jpg",
                                    "SCAN/"}));
    // Annulled vouchers' scans still show; a missing location reads empty.
    EXPECT_EQ(fila(2), (QStringList{"", "1003", "Pérez Juan Carlos", "NC  000200000005B", "19/03/2025", "nc5.jpg",
                                    "SCAN/"}));
    EXPECT_EQ(fila(3), (QStringList{"", "1001", "Ferreteria El Tornillo S.A.", "NP  000100000045X",
                                    "18/03/2025 16:42:10", "np45.jpg", ""}));
    EXPECT_EQ(comprobantes().mid(3), (QStringList{"FC  000100000012A", "FCC 000400001520A", "TKFC000300000210A"}));
    for (int r = 1; r <= 6; ++r)
        EXPECT_TRUE(grilla.CellFontBold(r, 1) && grilla.CellFontBold(r, 6)) << r;
    EXPECT_EQ(fila(7), QStringList(7, QString()));
    EXPECT_TRUE(errores.isEmpty());
}

TEST_F(BusquedaEnDemo, VoucherModeListsSalesThenPurchasesBoldWhenScannedEvenIfWithdrawn)
{
    EXPECT_EQ(busca(Filtro(false)), 11);
    EXPECT_EQ(grilla.Rows(), 13);
    EXPECT_EQ(comprobantes(),
              (QStringList{"PG  000100000033X", "NP  000100000045X", "ND  000100000002A", "FC  000100000013A",
                           "FC  000100000012A", "RM  000100000031R", "TKFC000300000210A", "RMC 001200000873R",
                           "FCC 001200004410B", "FCC 000400001520A", "OC  000100000550X"}));
    const QList<int> negritas = {1, 2, 3, 5, 7, 9, 10};
    for (int r = 1; r <= 11; ++r)
        EXPECT_EQ(grilla.CellFontBold(r, 3), negritas.contains(r)) << r;
    EXPECT_EQ(fila(3), (QStringList{"", "1002", "Distribuidora Norte SRL", "ND  000100000002A", "11/03/2025",
                                    "nd2.jpg", "SCAN/"}));
    EXPECT_EQ(fila(4), (QStringList{"", "1002", "Distribuidora Norte SRL", "FC  000100000013A", "05/03/2025", "",
                                    ""}));
    EXPECT_EQ(fila(7).at(4), QStringLiteral("28/12/2024 10:35:00"));
    EXPECT_EQ(fila(9).at(5), QStringLiteral("fcc4410.jpg"));
    EXPECT_TRUE(errores.isEmpty());
}

TEST_F(BusquedaEnDemo, EachFilterFindsItsRows)
{
    const auto entre = [](FiltroBusqueda f, QDate desde, QDate hasta) {
        f.Desde = desde;
        f.Hasta = hasta;
        return f;
    };
    const struct {
        FiltroBusqueda filtro;
        QStringList esperados;
    } casos[] = {
        {Filtro(false, "", "FC"), {"FC  000100000013A", "FC  000100000012A"}},
        {Filtro(false, "", "fc"), {"FC  000100000013A", "FC  000100000012A"}},
        {Filtro(true, "", "FC"), {"FC  000100000012A"}},
        {Filtro(false, "2001"), {"PG  000100000033X", "FCC 000400001520A", "OC  000100000550X"}},
        {Filtro(true, "2001"), {"PG  000100000033X", "FCC 000400001520A"}},
        {Filtro(false, "", "", "0012"), {"RMC 001200000873R", "FCC 001200004410B"}},
        {Filtro(false, "", "", "", "00000012"), {"FC  000100000012A"}},
        {Filtro(true, "", "", "", "00000012"), {"FC  000100000012A"}},
        {Filtro(false, "", "", "", "", "X"), {"PG  000100000033X", "NP  000100000045X", "OC  000100000550X"}},
        {Filtro(true, "", "", "", "", "B"), {"NC  000200000005B"}},
        {Filtro(false, "1001", "FC", "0001", "00000012", "A"), {"FC  000100000012A"}},
        // Rows with a time of day on the last day are in.
        {entre(Filtro(false), {2024, 12, 28}, {2024, 12, 28}), {"TKFC000300000210A"}},
        {entre(Filtro(true), {2025, 3, 18}, {2025, 3, 18}), {"NP  000100000045X"}},
        {entre(Filtro(false), {2024, 1, 1}, {2024, 12, 31}), {"TKFC000300000210A", "OC  000100000550X"}},
        {Filtro(false, "", "ZZ"), {}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(busca(c.filtro), c.esperados.size());
        EXPECT_EQ(comprobantes(), c.esperados) << c.esperados.join(u',').toStdString();
        EXPECT_EQ(grilla.Rows(), c.esperados.size() + 2);
    }
    EXPECT_TRUE(errores.isEmpty());
}

TEST_F(BusquedaEnDemo, AnApostropheInAFilterFindsWhatItShould)
{
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, FECHA) "
                           "VALUES ('FC  ', '000900000001A', 'O''Brien', '2025-04-01 00:00:00')"));
    ejecuta(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('O''Brien', 'Bar O''Brien')"));
    ejecuta(QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, Fecha, NombreArchivo) "
                           "VALUES ('O''Brien', 'FC  000900000001A', '2025-04-01 00:00:00', 'd''or.jpg')"));
    for (bool soloEscaneados : {false, true}) {
        EXPECT_EQ(busca(Filtro(soloEscaneados, "O'Brien")), 1);
        EXPECT_EQ(fila(1), (QStringList{"", "O'Brien", "Bar O'Brien", "FC  000900000001A", "01/04/2025", "d'or.jpg",
                                        ""}));
        EXPECT_TRUE(grilla.CellFontBold(1, 1));
    }
    EXPECT_EQ(busca(Filtro(false, "1001' OR '1'='1")), 0);
    EXPECT_TRUE(errores.isEmpty());
}

TEST_F(BusquedaEnDemo, EveryRowShowsItsVoucherOnTheWaitWindow)
{
    busca(Filtro(false, "2002"));
    EXPECT_EQ(dialogos->espera, (std::vector<QString>{"Actualiza:RMC 001200000873R", "Actualiza:FCC 001200004410B"}));
    dialogos->espera.clear();
    busca(Filtro(true, "2001"));
    EXPECT_EQ(dialogos->espera, (std::vector<QString>{"Actualiza:PG  000100000033X", "Actualiza:FCC 000400001520A"}));
}

TEST_F(BusquedaEnDemo, AFailedStatementGoesToTheHandlerWhoseAnswerRules)
{
    ejecuta(QStringLiteral("ALTER TABLE V_MV_CPTE RENAME TO V_MV_CPTE_APARTE"));
    // Leaving ends the search with what it has: nothing.
    EXPECT_EQ(busca(Filtro(false)), 0);
    EXPECT_EQ(errores, QList<long>{NumeroError::ErrorDelServidor});
    EXPECT_EQ(grilla.Rows(), 2);
    // Going on skips the sales and still lists the purchases.
    errores.clear();
    EXPECT_EQ(busca(Filtro(false), Respuesta::Siguiente), 4);
    EXPECT_EQ(errores.size(), 1);
    EXPECT_EQ(comprobantes().first(), QStringLiteral("RMC 001200000873R"));
}

TEST_F(BusquedaEnDemo, AFailedLookupSkippedLeavesItsCellsEmpty)
{
    ejecuta(QStringLiteral("ALTER TABLE MA_CUENTAS RENAME TO MA_CUENTAS_APARTE"));
    EXPECT_EQ(busca(Filtro(true, "2001"), Respuesta::Siguiente), 2);
    EXPECT_EQ(errores.size(), 1);
    EXPECT_EQ(fila(1), (QStringList{"", "2001", "", "PG  000100000033X", "20/03/2025", "pg33.jpg", "SCAN/"}));
}

TEST_F(BusquedaEnDemo, TheGridShowsItsViewsTheRowsOnlyOnceTheyAreAllIn)
{
    int reinicios = 0;
    QObject::connect(&grilla, &QAbstractItemModel::modelReset, [&reinicios] { ++reinicios; });
    busca(Filtro(false));
    EXPECT_EQ(reinicios, 1);
    EXPECT_TRUE(grilla.Redraw());
    ejecuta(QStringLiteral("DROP TABLE C_MV_CPTE"));
    busca(Filtro(false));
    EXPECT_TRUE(grilla.Redraw());
}

// The demo database as it ships: every filter finds something in it, and
// no annulled voucher shows.
class BusquedaEnLaDemo : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        inicia();
    }
};

TEST_F(BusquedaEnLaDemo, EveryFilterFindsSomething)
{
    const auto entre = [](FiltroBusqueda f, QDate desde, QDate hasta) {
        f.Desde = desde;
        f.Hasta = hasta;
        return f;
    };
    const FiltroBusqueda filtros[] = {
        Filtro(false, "1001"), Filtro(false, "2002"), Filtro(false, "", "TKFC"), Filtro(false, "", "NCC"),
        Filtro(false, "", "", "0003"), Filtro(false, "", "", "0012"), Filtro(false, "", "", "", "00000033"),
        Filtro(false, "", "", "", "", "B"), Filtro(false, "", "", "", "", "R"),
        entre(Filtro(false), {2024, 1, 1}, {2024, 12, 31}), Filtro(true, "2001"), Filtro(true, "", "FCC"),
        Filtro(true, "", "", "", "", "X"), entre(Filtro(true), {2024, 1, 1}, {2024, 12, 31}),
    };
    GrillaFlex grilla;
    for (const FiltroBusqueda& f : filtros) {
        GuardaErrores guarda(politicas::saleEnSilencio());
        EXPECT_GT(Busca(ConexionPrincipal(), f, grilla, ObjVentanaEspera(), guarda), 0)
            << f.Cuenta.toStdString() << f.TC.toStdString() << f.Sucursal.toStdString() << f.Letra.toStdString();
        EXPECT_FALSE(guarda.huboError());
    }
    GuardaErrores guarda(politicas::saleEnSilencio());
    EXPECT_EQ(Busca(ConexionPrincipal(), Filtro(false), grilla, ObjVentanaEspera(), guarda),
              cuenta(QStringLiteral("V_MV_CPTE WHERE ANULADA = 0")) + cuenta(QStringLiteral("C_MV_CPTE WHERE ANULADA = 0")));
    EXPECT_LT(cuenta(QStringLiteral("V_MV_CPTE WHERE ANULADA = 0")), cuenta(QStringLiteral("V_MV_CPTE")));
}

// However wide the period, each statement, as the engine runs it, reads an
// index in its own order: no table read whole, no sort of the rows.
TEST_F(BusquedaEnLaDemo, EveryStatementOfAPeriodReadsAnIndexInItsOrder)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(archivoBase).constData(), &db, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    RegistraFuncionesSqlite(db, nullptr);
    for (const bool soloEscaneados : {true, false}) {
        for (const QDate desde : {QDate(1990, 1, 1), QDate(2025, 3, 1)}) {
            FiltroBusqueda f = Filtro(soloEscaneados);
            f.Desde = desde;
            for (const QString& sql : SentenciasBusqueda(CondicionBusqueda(ConexionPrincipal(), f), soloEscaneados)) {
                const QByteArray texto = ("EXPLAIN QUERY PLAN " + AdaptaSentencia(sql)).toUtf8();
                sqlite3_stmt* st = nullptr;
                ASSERT_EQ(sqlite3_prepare_v2(db, texto.constData(), -1, &st, nullptr), SQLITE_OK) << texto.data();
                std::vector<std::string> plan;
                while (sqlite3_step(st) == SQLITE_ROW)
                    plan.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 3)));
                sqlite3_finalize(st);
                EXPECT_THAT(plan, testing::ElementsAre(testing::MatchesRegex(
                                      "SEARCH [A-Z_]+ USING (COVERING )?INDEX IX_[A-Za-z_]+ .*")))
                    << texto.data();
            }
        }
    }
    sqlite3_close(db);
}
