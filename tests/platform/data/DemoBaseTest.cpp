#include "BaseDePrueba.h"

#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/MotorSqlite.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <utility>

namespace {

QString script(const char* nombre)
{
    return QStringLiteral(ESCANEO_SOURCE_DIR "/db/") + QLatin1String(nombre);
}

// The demo database, built as the demo script builds it.
class DemoBase : public ::testing::Test, public BaseDePrueba {
protected:
    DemoBase() : BaseDePrueba(QStringList{script("schema.sql"), script("demo.sql")}, "escaneo.db", "demo") {}
};

}

TEST_F(DemoBase, EveryTableTheModuleReadsHasRows)
{
    for (const char* tabla : {"TA_CONFIGURACION", "ta_usuarios", "Control_Acceso", "TA_TAREAS", "TA_MENU",
                              "MA_CUENTAS", "MA_CUENTAS_USUARIOS", "V_MV_CPTE", "C_MV_CPTE", "CTROL_ESCANEO"})
        EXPECT_GT(cuenta(tabla), 0) << tabla;
    EXPECT_EQ(cuenta("AUX_ERR"), 0);
    EXPECT_EQ(cuenta("ta_usuarios WHERE Nombre = 'demo'"), 1);
}

TEST_F(DemoBase, TextKeysIgnoreCaseAndTrailingBlanks)
{
    EXPECT_EQ(cuenta("V_MV_CPTE WHERE TC = 'fc'"), 4);
    EXPECT_EQ(cuenta("V_MV_CPTE WHERE TC = 'FC  ' AND ANULADA = 0"), 3);
    EXPECT_EQ(cuenta("CTROL_ESCANEO WHERE Cpte = 'fc  000100000012a  '"), 1);
    EXPECT_EQ(db.BuscaValor("TA_CONFIGURACION", "ruta_escaneo", "Valor", "Clave").toString(), "SCAN/");
    EXPECT_EQ(db.BuscaValor("MA_CUENTAS", "1001 ", "DESCRIPCION", "Codigo").toString(),
              "Ferreteria El Tornillo S.A.");
    // Leading blanks and inner blanks still count.
    EXPECT_EQ(cuenta("CTROL_ESCANEO WHERE Cpte = 'FC000100000012A'"), 0);
    EXPECT_EQ(cuenta("ta_usuarios WHERE UNegocio = '1'"), 0);
    // The access log's menu query pads the user with a blank inside the quotes.
    EXPECT_EQ(cuenta("TA_TAREAS INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave "
                     "WHERE (TA_TAREAS.USUARIO = 'DEMO ') AND (TA_MENU.Proceso LIKE '%escaneo%')"),
              1);
}

TEST_F(DemoBase, KeysRejectDuplicatesThatDifferOnlyInCaseOrBlanks)
{
    EXPECT_EQ(nativo("INSERT INTO TA_CONFIGURACION (Clave, Valor) VALUES ('ruta_escaneo  ', 'x')"), 2627);
    EXPECT_EQ(nativo("INSERT INTO ta_usuarios (Nombre) VALUES ('DEMO')"), 2627);
    EXPECT_EQ(nativo("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, CUENTA) VALUES ('fc', '000100000012A', '1')"),
              2627);
    EXPECT_EQ(cuenta("TA_CONFIGURACION WHERE Clave = 'RUTA_ESCANEO'"), 1);
}

TEST_F(DemoBase, MenuTasksMustNameAnExistingMenu)
{
    EXPECT_EQ(nativo("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('demo', 'NOEXISTE')"), 547);
    db.Ejecuta("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('JUAN', 'esc01 ')");
    EXPECT_EQ(cuenta("TA_TAREAS WHERE USUARIO = 'juan'"), 2);
}

TEST_F(DemoBase, DatesComeBackAsDates)
{
    auto rs = db.AbreRecordset("SELECT Fecha, FhActualizado FROM CTROL_ESCANEO WHERE Cpte = 'FC  000100000012A'");
    ASSERT_FALSE(rs->EOF());
    EXPECT_EQ(rs->Campo("Fecha").toDateTime(), QDateTime(QDate(2025, 3, 3), QTime(0, 0)));
    EXPECT_EQ(rs->Campo("Fecha").typeId(), QMetaType::QDateTime);
}

TEST_F(DemoBase, RegisterStatementsRunOnTheSchema)
{
    const QString fecha = db.LiteralFecha(QDateTime(QDate(2025, 3, 20), QTime(0, 0)));
    db.Ejecuta("INSERT INTO CTROL_ESCANEO (Cuenta,Cpte,Fecha,Usuario,RutaArchivo,NombreArchivo) "
               " VALUES ('1002','FC  000100000013A'," + fecha + ",'demo','SCAN/f13.bmp','f13')");
    db.Ejecuta("UPDATE CTROL_ESCANEO SET ELIMINADO=1,ELIMINADOPOR ='demo' WHERE NombreArchivo='F13'");
    EXPECT_EQ(cuenta("CTROL_ESCANEO WHERE (Eliminado = 0 OR ELIMINADO IS NULL) AND Cuenta='1002'"), 0);
    EXPECT_EQ(cuenta("V_MV_CPTE WHERE ANULADA = 0 AND SUBSTRING(IDCOMPROBANTE,1,4)='0001' "
                     "AND SUBSTRING(IDCOMPROBANTE,5,8)='00000012' AND RIGHT(IDCOMPROBANTE,1)='A'"),
              1);
}

TEST(CreaBaseSqlite, NeverBuildsOverAnExistingFile)
{
    QTemporaryDir dir;
    const QString archivo = dir.filePath("escaneo.db");
    {
        QFile f(archivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("datos del operador");
    }
    EXPECT_THROW(CreaBaseSqlite(archivo, {script("schema.sql")}), Err);
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("datos del operador"));
}

TEST(CreaBaseSqlite, StatisticsSchemaKeepsItsKeys)
{
    QTemporaryDir dir;
    const QString archivo = dir.filePath("QX_PRESIDIUMBAR.db");
    CreaBaseSqlite(archivo, {script("QX_PRESIDIUMBAR.sql")});
    ConexionDatos db;
    db.setServidor("SQLite");
    db.setBaseDatos(archivo);
    db.Conecta(false, 3, QString(), true, false);
    ASSERT_TRUE(db.EstaConectado());
    db.Ejecuta("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('BaseDeDatos', 'TIMEOUT', '0')");
    EXPECT_EQ(db.BuscaValor("TA_CONFIGURACION", "timeout ", "Valor", "Clave").toString(), "0");
    EXPECT_THROW(db.Ejecuta("INSERT INTO TA_CONFIGURACION (Clave) VALUES ('TimeOut')"), Err);
}

// Debian's sqlite3 shell, with the engine's collation and functions loaded
// from the extension, reads the demo database as the engine does.
TEST_F(DemoBase, TheSqliteShellReadsItWithTheEnginesExtension)
{
    const auto shell = [&](const QStringList& opciones, const QString& sql) {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), opciones + QStringList{archivo, sql});
        EXPECT_TRUE(p.waitForFinished(30000)) << "sqlite3 (Debian package sqlite3) must be installed";
        const QByteArray salida = p.readAllStandardOutput() + p.readAllStandardError();
        return std::pair{p.exitCode(), QString::fromUtf8(salida).trimmed()};
    };
    const QStringList extension{QStringLiteral("-cmd"),
                                QStringLiteral(".load " ESCANEO_BINARY_DIR "/libescaneo_sqlite")};
    const struct {
        const char* enElShell;
        const char* enElMotor;
    } casos[] = {
        {"SELECT COUNT(*) FROM CTROL_ESCANEO", "SELECT COUNT(*) FROM CTROL_ESCANEO"},
        {"SELECT COUNT(*) FROM CTROL_ESCANEO WHERE Cpte = 'fc  000100000012a  '",
         "SELECT COUNT(*) FROM CTROL_ESCANEO WHERE Cpte = 'fc  000100000012a  '"},
        {"SELECT COUNT(*) FROM V_MV_CPTE WHERE len(TC) = 2 AND sqlsrv_left(TC, 1) = 'f' COLLATE SQLSRV",
         "SELECT COUNT(*) FROM V_MV_CPTE WHERE LEN(TC) = 2 AND LEFT(TC, 1) = 'f'"},
        {"SELECT upper(sqlsrv_isnull(NULL, 'ñandú'))", "SELECT UPPER(ISNULL(NULL, 'ñandú'))"},
    };
    for (const auto& c : casos) {
        const auto [estado, salida] = shell(extension, QString::fromUtf8(c.enElShell));
        EXPECT_EQ(estado, 0) << salida.toStdString();
        auto rs = db.AbreRecordset(QString::fromUtf8(c.enElMotor));
        EXPECT_EQ(salida, rs->Campo(0).toString()) << c.enElShell;
    }
    const auto [estado, salida] = shell({}, QStringLiteral("SELECT COUNT(*) FROM CTROL_ESCANEO"));
    EXPECT_NE(estado, 0);
    EXPECT_TRUE(salida.contains(QStringLiteral("no such collation sequence"))) << "without it the shell cannot";
}
