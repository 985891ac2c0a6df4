#include "BaseDePrueba.h"

#include "platform/data/sqlite/MotorSqlite.h"
#include "support/SalidaDeHijo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

namespace {

const QString esquema = QStringLiteral(
    "CREATE TABLE CUENTAS (Codigo TEXT COLLATE SQLSRV PRIMARY KEY, Nombre TEXT COLLATE SQLSRV NOT NULL,"
    " Saldo REAL CHECK (Saldo >= 0), Alta DATETIME, Activa BIT);\n"
    "CREATE TABLE MOVIMIENTOS (Id INTEGER PRIMARY KEY, Cuenta TEXT COLLATE SQLSRV REFERENCES CUENTAS(Codigo),"
    " Importe REAL, Nota TEXT COLLATE SQLSRV);\n"
    "CREATE VIEW V_CUENTAS AS SELECT Codigo, Nombre FROM CUENTAS;\n"
    "CREATE TRIGGER V_CUENTAS_UPD INSTEAD OF UPDATE ON V_CUENTAS BEGIN"
    " UPDATE CUENTAS SET Nombre = NEW.Nombre WHERE Codigo = OLD.Codigo; END;\n"
    "INSERT INTO CUENTAS VALUES ('1001', 'Ferretería Ñandú', 10, '2025-03-03 00:00:00', 1);\n");

class MotorSqlite : public ::testing::Test {
protected:
    BaseDePrueba b{esquema};
    ConexionDatos& db = b.db;
};

}  // namespace

TEST(ConexionSqlite, AMissingFileIsAFailedConnectionAndCreatesNothing)
{
    QTemporaryDir dir;
    ConexionDatos db;
    db.setServidor(QStringLiteral("SQLite"));
    db.setBaseDatos(dir.filePath(QStringLiteral("no_existe.db")));
    db.Conecta(false, 3, QString(), false, false);
    EXPECT_FALSE(db.EstaConectado());
    EXPECT_FALSE(db.ErrorConexion().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("no_existe.db"))));
    EXPECT_THROW(db.Ejecuta(QStringLiteral("SELECT 1")), Err);
}

TEST(ConexionSqlite, AFileThatIsNoDatabaseFailsToConnect)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("texto.db")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    ConexionDatos db;
    db.setServidor(QStringLiteral("sqlite"));
    db.setBaseDatos(f.fileName());
    db.Conecta(false, 3, QString(), false, false);
    EXPECT_FALSE(db.EstaConectado());
}

TEST(ConexionSqlite, OtherDatabasesAreFilesBesideTheMainOneOfTheirOwnConnection)
{
    // Two servers, each a folder with its own statistics file; the second is
    // opened last and must not move the first one's.
    BaseDePrueba primera(esquema, QStringLiteral("principal.db"));
    BaseDePrueba segunda(esquema, QStringLiteral("principal.db"));
    for (BaseDePrueba* b : {&primera, &segunda}) {
        const QString marca = b->ruta(QStringLiteral("marca.sql"));
        QFile f(marca);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("CREATE TABLE MARCA (Carpeta TEXT); INSERT INTO MARCA VALUES ('%1');")
                    .arg(b->dir.path())
                    .toUtf8());
        f.close();
        CreaBaseSqlite(b->ruta(QStringLiteral("QX_ESTADISTICAS.db")), {marca});
        EXPECT_EQ(b->db.CarpetaServidor(), QFileInfo(b->archivo).absolutePath());
    }
    for (BaseDePrueba* b : {&primera, &segunda}) {
        ConexionDatos otra;
        otra.setServidor(QStringLiteral("sqlite"));
        otra.setCarpetaServidor(b->db.CarpetaServidor());
        otra.setBaseDatos(QStringLiteral("QX_ESTADISTICAS"));
        otra.Conecta(false, 3, QString(), false, false);
        ASSERT_TRUE(otra.EstaConectado()) << otra.ErrorConexion().toStdString();
        auto rs = otra.AbreRecordset(QStringLiteral("SELECT Carpeta FROM MARCA"));
        EXPECT_EQ(rs->Campo(0).toString(), b->dir.path());
        otra.setBaseDatos(QStringLiteral("NO_EXISTE"));
        otra.Conecta(false, 3, QString(), false, false);
        EXPECT_FALSE(otra.EstaConectado());
        EXPECT_FALSE(QFileInfo::exists(b->ruta(QStringLiteral("NO_EXISTE.db"))));
    }
    ConexionDatos sinServidor;
    sinServidor.setServidor(QStringLiteral("sqlite"));
    sinServidor.setBaseDatos(QStringLiteral("QX_ESTADISTICAS"));
    sinServidor.Conecta(false, 3, QString(), false, false);
    EXPECT_FALSE(sinServidor.EstaConectado()) << "no folder of its own, whatever opened last";
}

// Read uncommitted is the one level SQLite offers below serializable.
TEST_F(MotorSqlite, IsolationLevelsBecomeWhatSqliteOffers)
{
    const auto sinConfirmar = [&] {
        return db.AbreRecordset(QStringLiteral("PRAGMA read_uncommitted"))->Campo(0).toInt();
    };
    const struct {
        long pedido, efectivo;
        int pragma;
    } casos[] = {
        {NivelAislamiento::Caos, NivelAislamiento::LecturaSinConfirmar, 1},
        {NivelAislamiento::LecturaConfirmada, NivelAislamiento::Serializable, 0},
        {NivelAislamiento::LecturaSinConfirmar, NivelAislamiento::LecturaSinConfirmar, 1},
        {NivelAislamiento::SinEspecificar, NivelAislamiento::LecturaSinConfirmar, 1},
        {NivelAislamiento::LecturaRepetible, NivelAislamiento::Serializable, 0},
        {NivelAislamiento::Serializable, NivelAislamiento::Serializable, 0},
    };
    for (const auto& c : casos) {
        db.Conexion().setIsolationLevel(c.pedido);
        EXPECT_EQ(db.Conexion().IsolationLevel(), c.efectivo) << c.pedido;
        EXPECT_EQ(sinConfirmar(), c.pragma) << c.pedido;
    }
}

TEST_F(MotorSqlite, ErrorsAreClearedBeforeEachExecutionAndHoldOnlyErrors)
{
    try {
        db.Ejecuta(QStringLiteral("INSERT INTO NO_HAY (a) VALUES (1)"));
        FAIL() << "a missing table must be rejected";
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, NumeroError::ErrorDelServidor);
        EXPECT_EQ(e.Source, QStringLiteral("SQLite"));
        EXPECT_TRUE(e.Description.contains(QStringLiteral("NO_HAY")));
    }
    ASSERT_EQ(db.Conexion().Errors().Count(), 1);
    EXPECT_EQ(db.Conexion().Errors().Item(0).NativeError, 208);
    EXPECT_EQ(db.Conexion().Errors().Item(0).SQLState, QStringLiteral("42S02"));
    long afectados = -1;
    db.Ejecuta(QStringLiteral("SET NOCOUNT ON UPDATE CUENTAS SET Saldo = 20"), &afectados);
    EXPECT_EQ(db.Conexion().Errors().Count(), 0);
    EXPECT_EQ(afectados, 1);
    EXPECT_THROW(db.Conexion().Errors().Item(0), Err);
}

TEST_F(MotorSqlite, NativeNumbersCallersTest)
{
    EXPECT_EQ(b.nativo(QStringLiteral("INSERT INTO CUENTAS (Codigo, Nombre) VALUES ('1001  ', 'x')")), 2627);
    EXPECT_EQ(b.nativo(QStringLiteral("INSERT INTO MOVIMIENTOS (Cuenta) VALUES ('9999')")), 547);
    EXPECT_EQ(b.nativo(QStringLiteral("INSERT INTO CUENTAS (Codigo, Nombre, Saldo) VALUES ('2', 'x', -1)")), 547);
    EXPECT_EQ(b.nativo(QStringLiteral("INSERT INTO CUENTAS (Codigo) VALUES ('3')")), 547);
    EXPECT_EQ(b.nativo(QStringLiteral("SELECT * FROM NO_HAY")), 208);
    EXPECT_EQ(b.nativo(QStringLiteral("CREATE TABLE CUENTAS (a INT)")), 2714);
    EXPECT_EQ(b.nativo(QStringLiteral("CREATE VIEW V_CUENTAS AS SELECT 1")), 2714);
    EXPECT_EQ(b.nativo(QStringLiteral("SELEC * FROM CUENTAS")), 102);
    EXPECT_EQ(b.nativo(QStringLiteral("COMMIT TRANSACTION")), 3902);
    EXPECT_EQ(b.nativo(QStringLiteral("ROLLBACK TRANSACTION")), 3903);
    EXPECT_THROW(db.AbreRecordset(QStringLiteral("SELECT * FROM NO_HAY")), Err);
    EXPECT_EQ(db.Conexion().Errors().Item(0).NativeError, 208);
}

TEST_F(MotorSqlite, TransactionsSpanSeparateExecutions)
{
    db.Ejecuta(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO CUENTAS (Codigo, Nombre) VALUES ('2', 'b')\r"
                              "INSERT INTO MOVIMIENTOS (Cuenta, Importe) VALUES ('2', 5)\r"));
    db.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("MOVIMIENTOS")), 0);

    // A failing statement ends the batch; its error decides the rollback.
    EXPECT_THROW(db.Ejecuta(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO CUENTAS (Codigo, Nombre) VALUES "
                                           "('3', 'c')\rINSERT INTO CUENTAS (Codigo, Nombre) VALUES ('1001', 'd')\r")),
                 Err);
    EXPECT_EQ(db.Conexion().Errors().Item(0).NativeError, 2627);
    db.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Codigo = '3'")), 0);

    // Nested BEGINs count as the server counts them.
    db.Ejecuta(QStringLiteral("BEGIN TRANSACTION INSERT INTO CUENTAS (Codigo, Nombre) VALUES ('4', 'e')"));
    db.Ejecuta(QStringLiteral("BEGIN TRAN"));
    db.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    db.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Codigo = '4'")), 1);
}

TEST_F(MotorSqlite, WithoutATransactionEarlierStatementsOfAFailedBatchStay)
{
    EXPECT_THROW(db.Ejecuta(QStringLiteral("INSERT INTO CUENTAS (Codigo, Nombre) VALUES ('5', 'f') "
                                           "INSERT INTO CUENTAS (Codigo, Nombre) VALUES ('5', 'g') "
                                           "INSERT INTO CUENTAS (Codigo, Nombre) VALUES ('6', 'h')")),
                 Err);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Codigo IN ('5', '6')")), 1);
    // The engine is not left inside a transaction.
    db.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    db.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
}

TEST_F(MotorSqlite, UpdatableRecordsetInsertsAndUpdates)
{
    auto rs = db.AbreRecordset(QStringLiteral("select  top 1 * from CUENTAS  with(nolock) WHERE Codigo = 'nada'"), 2, 3);
    EXPECT_TRUE(rs->BOF());
    rs->AddNew();
    rs->AsignaCampo(QStringLiteral("codigo"), QStringLiteral("2002"));
    rs->AsignaCampo(QStringLiteral("Nombre"), QStringLiteral("O'Brien"));
    rs->AsignaCampo(QStringLiteral("Alta"), QStringLiteral("20/03/25 10:15"));
    rs->Update();
    EXPECT_EQ(rs->Campo(QStringLiteral("Nombre")).toString(), QStringLiteral("O'Brien"));
    // The row just added can be changed again through the same recordset.
    rs->AsignaCampo(QStringLiteral("Saldo"), 7.5);
    rs->Update();
    db.CierraRecordset(rs);
    EXPECT_FALSE(rs);
    EXPECT_EQ(db.BuscaValor(QStringLiteral("CUENTAS"), QStringLiteral("2002"), QStringLiteral("Saldo"),
                            QStringLiteral("Codigo"))
                  .toDouble(),
              7.5);
    EXPECT_EQ(db.BuscaValor(QStringLiteral("CUENTAS"), QStringLiteral("2002"), QStringLiteral("Alta"),
                            QStringLiteral("Codigo")),
              QVariant(QDateTime(QDate(2025, 3, 20), QTime(10, 15))));

    auto existente = db.AbreRecordset(QStringLiteral("SELECT * FROM CUENTAS WHERE Codigo = '1001'"), 2, 3);
    existente->MoveFirst();
    existente->AsignaCampo(QStringLiteral("Nombre"), QStringLiteral("Nuevo nombre"));
    existente->Update();
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Nombre = 'nuevo NOMBRE'")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS")), 2);
}

TEST_F(MotorSqlite, AFieldWrittenFromTheRowBeingEditedGetsThatValue)
{
    auto rs = db.AbreRecordset(QStringLiteral("SELECT * FROM MOVIMIENTOS"), 2, 3);
    rs->AddNew();
    rs->AsignaCampo(QStringLiteral("Cuenta"), QStringLiteral("1001"));
    // Each value read is held by the edit itself, which grows with the write.
    rs->AsignaCampo(QStringLiteral("Nota"), rs->Campo(QStringLiteral("Cuenta")));
    rs->AsignaCampo(QStringLiteral("Importe"), 2.5);
    rs->AsignaCampo(QStringLiteral("Nota"), rs->Campo(QStringLiteral("Nota")));
    rs->Update();
    EXPECT_EQ(b.cuenta(QStringLiteral("MOVIMIENTOS WHERE Cuenta = '1001' AND Nota = '1001' AND Importe = 2.5")), 1);
}

TEST_F(MotorSqlite, AViewWithoutRowidsIsKeyedByItsValues)
{
    auto rs = db.AbreRecordset(QStringLiteral("SELECT * FROM V_CUENTAS WHERE Codigo = '1001'"), 2, 3);
    rs->AsignaCampo(QStringLiteral("Nombre"), QStringLiteral("Por la vista"));
    rs->Update();
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Nombre = 'Por la vista'")), 1);
    // Someone else changed the row since it was read: nothing is overwritten.
    db.Ejecuta(QStringLiteral("UPDATE CUENTAS SET Nombre = 'Otro puesto'"));
    rs->AsignaCampo(QStringLiteral("Nombre"), QStringLiteral("Tarde"));
    EXPECT_THROW(rs->Update(), Err);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Nombre = 'Otro puesto'")), 1);
}

TEST_F(MotorSqlite, RecordsetWriteFailuresRaiseAndKeepTheTableAsItWas)
{
    auto rs = db.AbreRecordset(QStringLiteral("SELECT * FROM CUENTAS"), 2, 3);
    rs->AddNew();
    rs->AsignaCampo(QStringLiteral("Codigo"), QStringLiteral("1001"));
    rs->AsignaCampo(QStringLiteral("Nombre"), QStringLiteral("duplicada"));
    EXPECT_THROW(rs->Update(), Err);
    EXPECT_EQ(db.Conexion().Errors().Item(0).NativeError, 2627);
    rs->Close();
    auto fecha = db.AbreRecordset(QStringLiteral("SELECT * FROM CUENTAS"), 2, 3);
    EXPECT_THROW(fecha->AsignaCampo(QStringLiteral("NoExiste"), 1), Err);
    fecha->AsignaCampo(QStringLiteral("Alta"), QStringLiteral("no es fecha"));
    try {
        fecha->Update();
        FAIL() << "a text that is no date must not reach a date column";
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, NumeroError::TiposNoCoinciden);
    }
    auto lectura = db.AbreRecordset(QStringLiteral("SELECT * FROM CUENTAS"));
    EXPECT_THROW(lectura->AddNew(), Err);
    auto junta = db.AbreRecordset(QStringLiteral("SELECT * FROM CUENTAS, MOVIMIENTOS"), 2, 3);
    junta->AddNew();
    EXPECT_THROW(junta->Update(), Err);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS")), 1);
}

TEST_F(MotorSqlite, DatesRoundTripAsDates)
{
    const QDateTime cuando(QDate(2024, 12, 31), QTime(23, 59, 58));
    EXPECT_EQ(db.LiteralFecha(cuando), QStringLiteral("'2024-12-31 23:59:58'"));
    db.Ejecuta(QStringLiteral("UPDATE CUENTAS SET Alta = ") + db.LiteralFecha(cuando));
    auto rs = db.AbreRecordset(QStringLiteral("SELECT Alta, Activa, Saldo, getDate() AS ahora, "
                                              "'2024-01-01 00:00:00x' AS texto FROM CUENTAS"));
    EXPECT_EQ(rs->Campo(QStringLiteral("Alta")), QVariant(cuando));
    EXPECT_EQ(rs->Campo(QStringLiteral("Activa")), QVariant(true));
    EXPECT_EQ(rs->Campo(QStringLiteral("Saldo")).toDouble(), 10.0);
    EXPECT_EQ(rs->Campo(QStringLiteral("ahora")).typeId(), QMetaType::QDateTime);
    EXPECT_LT(std::abs(rs->Campo(QStringLiteral("ahora")).toDateTime().secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_EQ(rs->Campo(QStringLiteral("texto")).typeId(), QMetaType::QString);
}

TEST_F(MotorSqlite, TextEqualityIgnoresCaseAndTrailingBlanks)
{
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Codigo = '1001  '")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Nombre = 'FERRETERÍA ñANDÚ'")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Codigo = ' 1001'")), 0);
    EXPECT_EQ(b.cuenta(QStringLiteral("V_CUENTAS WHERE Codigo = '1001 '")), 1);
}

TEST_F(MotorSqlite, TextFunctionResultsAndConcatenationsCompareAsOnTheServer)
{
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE SUBSTRING(Codigo,1,2) = '10  '")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE RIGHT(Nombre,1)='Ú'")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE 'fERRETERÍA ñandú' = UPPER(Nombre)")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE REPLACE(Nombre, 'Ferretería', 'Bazar') = 'bazar ñandú'")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE ISNULL(NULL, Codigo) = '1001 '")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE LTRIM(RTRIM(Codigo)) + 'x' = '1001X '")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE 'Cta ' + Nombre = 'CTA FERRETERÍA ÑANDÚ'")), 1);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Codigo + Codigo = '10011001  '")), 1);
    // Leading blanks and other letters still count.
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE LEFT(Codigo,2) = ' 10'")), 0);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE SUBSTRING(Codigo,1,2) = '1'")), 0);
    // Numbers compare as numbers.
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE ISNULL(Saldo, 0) = 10 AND Codigo + 1 = 1002")), 1);
}

TEST_F(MotorSqlite, ServerFunctionsAndConcatenationRun)
{
    auto rs = db.AbreRecordset(QStringLiteral(
        "SELECT LEN('ab  ') AS l, RIGHT(Codigo, 2) AS r, LEFT(Codigo, 2) AS i, ISNULL(NULL, 'x') AS n, "
        "SYSTEM_USER AS u, 'Cta ' + Codigo + '-' + Nombre AS t, Saldo + 1 AS s, Codigo + 1 AS c, "
        "Codigo + Codigo AS cc, UPPER('ñandú') AS m FROM dbo.CUENTAS WITH (NOLOCK)"));
    EXPECT_EQ(rs->Campo(QStringLiteral("l")).toInt(), 2);
    EXPECT_EQ(rs->Campo(QStringLiteral("r")).toString(), QStringLiteral("01"));
    EXPECT_EQ(rs->Campo(QStringLiteral("i")).toString(), QStringLiteral("10"));
    EXPECT_EQ(rs->Campo(QStringLiteral("n")).toString(), QStringLiteral("x"));
    EXPECT_EQ(rs->Campo(QStringLiteral("u")).toString(), QStringLiteral("operador"));
    EXPECT_EQ(rs->Campo(QStringLiteral("t")).toString(), QStringLiteral("Cta 1001-Ferretería Ñandú"));
    EXPECT_EQ(rs->Campo(QStringLiteral("s")).toDouble(), 11.0);
    // A numeric text column plus a number adds; two texts concatenate.
    EXPECT_EQ(rs->Campo(QStringLiteral("c")).toLongLong(), 1002);
    EXPECT_EQ(rs->Campo(QStringLiteral("cc")).toString(), QStringLiteral("10011001"));
    EXPECT_EQ(rs->Campo(QStringLiteral("m")).toString(), QStringLiteral("ÑANDÚ"));
    EXPECT_THROW(db.AbreRecordset(QStringLiteral("SELECT Nombre + 1 FROM CUENTAS")), Err);
}

TEST_F(MotorSqlite, ProvisioningStatements)
{
    db.Ejecuta(QStringLiteral("EXEC  sp_addlogin N'u', 'p', 'prueba','Spanish'"));
    EXPECT_EQ(db.Conexion().Errors().Count(), 0);
    EXPECT_EQ(b.nativo(QStringLiteral("EXEC  sp_addlogin N'QX_NUEVA', 'QX_NUEVA', 'QX_NUEVA','Spanish'")), 15010);
    db.Ejecuta(QStringLiteral(" EXEC sp_addsrvrolemember N'u', sysadmin EXEC sp_addsrvrolemember N'u',  setupadmin"));
    db.Ejecuta(QStringLiteral("USE QX_NUEVA"));
    db.Ejecuta(QStringLiteral("Create Database QX_NUEVA COLLATE Latin1_General_CI_AI \r\r\n"));
    EXPECT_TRUE(QFileInfo::exists(b.ruta(QStringLiteral("QX_NUEVA.db"))));
    EXPECT_FALSE(QFileInfo::exists(b.ruta(QStringLiteral("QX_NUEVA.db.tmp"))));
    EXPECT_EQ(b.nativo(QStringLiteral("CREATE DATABASE QX_NUEVA")), 1801);
    db.Ejecuta(QStringLiteral("EXEC  sp_addlogin N'QX_NUEVA', 'QX_NUEVA', 'QX_NUEVA','Spanish'"));
    // The login keeps what was set: there are no logins to check.
    EXPECT_EQ(db.Usuario(), QStringLiteral("operador"));
    EXPECT_EQ(db.Password(), QStringLiteral("clave"));
}

TEST_F(MotorSqlite, IfExistsRunsOrSkipsItsStatement)
{
    const QString alta = QStringLiteral("IF NOT EXISTS (SELECT * FROM CUENTAS WHERE Codigo = '7') "
                                        "BEGIN INSERT INTO CUENTAS (Codigo, Nombre) VALUES ('7', 'g') END "
                                        "ELSE UPDATE CUENTAS SET Saldo = 99 WHERE Codigo = '7'");
    db.Ejecuta(alta);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Codigo = '7' AND Saldo IS NULL")), 1);
    db.Ejecuta(alta);
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Codigo = '7' AND Saldo = 99")), 1);
}

TEST(CreaBaseSqlite, AFailingScriptLeavesNoFile)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("malo.sql"));
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("CREATE TABLE a (x INT);\nINSERT INTO b VALUES (1);\n");
    f.close();
    const QString archivo = dir.filePath(QStringLiteral("nueva.db"));
    EXPECT_THROW(CreaBaseSqlite(archivo, {script}), Err);
    EXPECT_THROW(CreaBaseSqlite(archivo, {dir.filePath(QStringLiteral("no_existe.sql"))}), Err);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("malo.sql")});
}

// Another machine cuts the file short in the middle of a read: the rows not
// yet read fail as an error, where a memory map of the file would take the
// process down with SIGBUS.
TEST(ConexionSqliteDeathTest, AFileCutShortUnderAnOpenReadGivesAnError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    BaseDePrueba b(QStringLiteral("CREATE TABLE GRANDE (Texto TEXT);\n"
                                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                                  " INSERT INTO GRANDE SELECT hex(randomblob(500)) FROM n;\n"));
    auto rs = b.db.AbreRecordset(QStringLiteral("SELECT Texto FROM GRANDE"));
    EXPECT_EXIT(
        {
            QFile::resize(b.archivo, 4096);
            try {
                while (!rs->EOF())
                    rs->MoveNext();
            } catch (const Err&) {
                SaleBorrando(b.dir, 0);
            }
            SaleBorrando(b.dir, 1);
        },
        ::testing::ExitedWithCode(0), "");
}
