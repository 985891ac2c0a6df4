#include "platform/base/Ajustes.h"
#include "platform/data/ConexionDatos.h"
#include "platform/data/MotorDatos.h"
#include "platform/data/odbc/OdbcCadena.h"

#include "support/NumeroDeError.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const long FilaNoEncontrada = -2147217864;
const long NoActualizable = 3251;

// SQLite's ODBC driver stands in for the server: real driver manager, real
// driver, real database file.
QString driverSqlite()
{
    for (const char* ruta : {"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so", "/usr/lib/aarch64-linux-gnu/odbc/libsqlite3odbc.so",
                             "/usr/lib/odbc/libsqlite3odbc.so"})
        if (QFileInfo::exists(QString::fromLatin1(ruta)))
            return QString::fromLatin1(ruta);
    return QStringLiteral("SQLite3");
}

class MotorOdbcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        motor = conecta();
        ASSERT_NE(motor, nullptr) << error.toStdString();
        motor->ejecuta(QStringLiteral("CREATE TABLE clientes (codigo INTEGER PRIMARY KEY, nombre VARCHAR(40), "
                                      "saldo NUMERIC(12,2), alta DATETIME, nota TEXT)"),
                       nullptr, errores);
        motor->ejecuta(QStringLiteral("CREATE TABLE notas (texto VARCHAR(40), autor VARCHAR(20))"), nullptr, errores);
    }

    std::unique_ptr<MotorDatos> conecta()
    {
        DatosConexion datos;
        datos.cadena = QStringLiteral("Driver=%1;Database=%2;").arg(driverSqlite(), dir.filePath(QStringLiteral("base.db")));
        return conectaOdbc(datos, error);
    }

    QVariant valor(const QString& sql)
    {
        auto rs = motor->abre(sql, false, errores);
        return rs->EOF() ? QVariant() : rs->Campo(0);
    }

    QTemporaryDir dir;
    QString error;
    ErroresDatos errores;
    std::unique_ptr<MotorDatos> motor;
};

}  // namespace

TEST(CadenaOdbc, OracleOleDbStringBecomesDsnString)
{
    DatosConexion d;
    d.cadena = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=contable;Password=s3cr;");
    const CadenaOdbc c = cadenaOdbc(d);
    EXPECT_EQ(c.cadena, QStringLiteral("DSN=VENTAS;UID=contable;PWD=s3cr;"));
    EXPECT_EQ(c.proveedor, QStringLiteral("oracle"));
}

TEST(CadenaOdbc, BlankStringBuildsFreeTdsStringWithPortAndQuotedValues)
{
    // A settings folder of our own, so the machine's settings cannot interfere.
    QTemporaryDir ajustes;
    const QByteArray configuracion = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", ajustes.path().toUtf8());
    qunsetenv("ESCANEO_ODBC_DRIVER");

    DatosConexion d{QStringLiteral("SRV01"), QStringLiteral("Contab"), QStringLiteral("sa"), QStringLiteral("a;b}c"), {}};
    CadenaOdbc c = cadenaOdbc(d);
    EXPECT_EQ(c.cadena, QStringLiteral("Driver=FreeTDS;Server=SRV01;Port=1433;Database=Contab;UID=sa;PWD={a;b}}c};"
                                       "ClientCharset=UTF-8;TDS_Version=7.4;"));
    EXPECT_EQ(c.proveedor, QStringLiteral("SQLOLEDB"));

    d.servidor = QStringLiteral("10.0.0.5,1500");
    EXPECT_TRUE(cadenaOdbc(d).cadena.contains(QLatin1String("Server=10.0.0.5;Port=1500;")));
    d.servidor = QStringLiteral("srv:1600");
    EXPECT_TRUE(cadenaOdbc(d).cadena.contains(QLatin1String("Server=srv;Port=1600;")));

    Ajustes::guarda(QStringLiteral("odbc/driver"), QStringLiteral("TDS instalado"));
    EXPECT_TRUE(cadenaOdbc(d).cadena.startsWith(QLatin1String("Driver=TDS instalado;Server=srv;")));
    qputenv("ESCANEO_ODBC_DRIVER", "ODBC Driver 18 for SQL Server");
    EXPECT_TRUE(cadenaOdbc(d).cadena.startsWith(QLatin1String("Driver=ODBC Driver 18 for SQL Server;Server=srv;")));

    qunsetenv("ESCANEO_ODBC_DRIVER");
    if (configuracion.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", configuracion);
}

TEST(CadenaOdbc, OtherStringsPassAsTheyStand)
{
    DatosConexion d;
    d.servidor = QStringLiteral("ignorado");
    d.cadena = QStringLiteral("DSN=contable;UID=x;");
    const CadenaOdbc c = cadenaOdbc(d);
    EXPECT_EQ(c.cadena, d.cadena);
    EXPECT_EQ(c.proveedor, QStringLiteral("ODBC"));
}

TEST_F(MotorOdbcTest, ConnectsAndReportsItself)
{
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(motor->nombre(), QStringLiteral("odbc"));
    EXPECT_EQ(motor->proveedor(), QStringLiteral("ODBC"));
    EXPECT_EQ(motor->literalFecha(QDateTime(QDate(2024, 1, 31), QTime(13, 45, 7))), QStringLiteral("'20240131 13:45:07'"));
}

TEST_F(MotorOdbcTest, FailedConnectionGivesNothingAndSaysWhy)
{
    DatosConexion datos;
    datos.cadena = QStringLiteral("DSN=no_existe_esta_fuente;");
    QString motivo;
    EXPECT_EQ(conectaOdbc(datos, motivo), nullptr);
    EXPECT_TRUE(motivo.contains(QLatin1String("IM002"))) << motivo.toStdString();
}

TEST_F(MotorOdbcTest, CountsAffectedRowsAndTakesNoRowsAsSuccess)
{
    long filas = -1;
    motor->ejecuta(QStringLiteral("INSERT INTO notas VALUES ('a', 'x')"), &filas, errores);
    EXPECT_EQ(filas, 1);
    motor->ejecuta(QStringLiteral("INSERT INTO notas VALUES ('b', 'x')"), &filas, errores);
    motor->ejecuta(QStringLiteral("UPDATE notas SET autor = 'y'"), &filas, errores);
    EXPECT_EQ(filas, 2);
    motor->ejecuta(QStringLiteral("DELETE FROM notas WHERE texto = 'nada'"), &filas, errores);
    EXPECT_EQ(filas, 0);
    EXPECT_EQ(errores.Count(), 0);
}

TEST_F(MotorOdbcTest, ReadsEveryKindOfValue)
{
    motor->ejecuta(QStringLiteral("CREATE TABLE tipos (n INTEGER, t VARCHAR(20), r REAL, m NUMERIC(12,2), "
                                  "f DATETIME, d DATE, b BLOB, x BIT, h TIME)"),
                   nullptr, errores);
    motor->ejecuta(QStringLiteral("INSERT INTO tipos VALUES (7, 'Peña €', 2.5, 1234.56, '2024-01-31 10:20:30', "
                                  "'2024-02-29', x'00FF10', 1, '08:15:00')"),
                   nullptr, errores);
    motor->ejecuta(QStringLiteral("INSERT INTO tipos (n) VALUES (8)"), nullptr, errores);
    auto rs = motor->abre(QStringLiteral("SELECT * FROM tipos ORDER BY n"), false, errores);
    ASSERT_EQ(rs->ContarFilas(), 2);
    EXPECT_EQ(rs->ContarCampos(), 9);
    EXPECT_EQ(rs->NombreCampo(1), QStringLiteral("t"));
    EXPECT_EQ(rs->Campo(QStringLiteral("N")).typeId(), QMetaType::LongLong);
    EXPECT_EQ(rs->Campo(QStringLiteral("n")).toLongLong(), 7);
    EXPECT_EQ(rs->Campo(QStringLiteral("t")).toString(), QStringLiteral("Peña €"));
    EXPECT_DOUBLE_EQ(rs->Campo(QStringLiteral("r")).toDouble(), 2.5);
    EXPECT_EQ(rs->Campo(QStringLiteral("m")).typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(rs->Campo(QStringLiteral("m")).toDouble(), 1234.56);
    EXPECT_EQ(rs->Campo(QStringLiteral("f")).toDateTime(), QDateTime(QDate(2024, 1, 31), QTime(10, 20, 30)));
    EXPECT_EQ(rs->Campo(QStringLiteral("d")).toDateTime(), QDateTime(QDate(2024, 2, 29), QTime(0, 0)));
    EXPECT_EQ(rs->Campo(QStringLiteral("b")).toByteArray(), QByteArray("\x00\xff\x10", 3));
    EXPECT_EQ(rs->Campo(QStringLiteral("x")), QVariant(true));
    EXPECT_EQ(rs->Campo(QStringLiteral("h")).toDateTime(), QDateTime(QDate(1899, 12, 30), QTime(8, 15)));
    rs->MoveNext();
    for (const char* columna : {"t", "r", "m", "f", "d", "b", "x", "h"})
        EXPECT_TRUE(rs->Campo(QString::fromLatin1(columna)).isNull()) << columna;
    EXPECT_EQ(errores.Count(), 0);
}

TEST_F(MotorOdbcTest, LongTextIsReadWholeAcrossChunks)
{
    // Two-byte characters straddle the driver's chunk boundaries.
    const QString largo = QString(9000, QChar(0x00F1)) + QStringLiteral("fin");
    motor->ejecuta(QStringLiteral("INSERT INTO clientes (codigo, nota) VALUES (1, '%1')").arg(largo), nullptr, errores);
    EXPECT_EQ(valor(QStringLiteral("SELECT nota FROM clientes")).toString(), largo);
    EXPECT_EQ(valor(QStringLiteral("SELECT '' AS vacio")).toString(), QString());
    EXPECT_FALSE(valor(QStringLiteral("SELECT '' AS vacio")).isNull());
    EXPECT_EQ(errores.Count(), 0);
}

TEST_F(MotorOdbcTest, EmptyResultKeepsItsColumns)
{
    auto rs = motor->abre(QStringLiteral("SELECT codigo, nombre FROM clientes WHERE 1 = 0"), false, errores);
    EXPECT_TRUE(rs->BOF());
    EXPECT_TRUE(rs->EOF());
    EXPECT_EQ(rs->NombreCampo(1), QStringLiteral("nombre"));
}

TEST_F(MotorOdbcTest, RejectedStatementFillsCollectionAndRaises)
{
    motor->ejecuta(QStringLiteral("INSERT INTO clientes (codigo) VALUES (1)"), nullptr, errores);
    try {
        motor->ejecuta(QStringLiteral("INSERT INTO clientes (codigo) VALUES (1)"), nullptr, errores);
        FAIL() << "a duplicate key must raise";
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, NumeroError::ErrorDelServidor);
        EXPECT_EQ(e.Source, QStringLiteral("ODBC"));
        ASSERT_EQ(errores.Count(), 1);
        EXPECT_EQ(e.Description, errores.Item(0).Description);
    }
    const ErrorDatos& error = errores.Item(0);
    EXPECT_EQ(error.Number, NumeroError::ErrorDelServidor);
    EXPECT_EQ(error.NativeError, 19);  // SQLite's constraint failure
    EXPECT_TRUE(error.Description.contains(QLatin1String("UNIQUE"))) << error.Description.toStdString();
    EXPECT_FALSE(error.Description.startsWith(QLatin1Char('[')));
    EXPECT_EQ(error.SQLState.size(), 5);

    motor->ejecuta(QStringLiteral("INSERT INTO clientes (codigo) VALUES (2)"), nullptr, errores);
    EXPECT_EQ(errores.Count(), 0);

    EXPECT_EQ(numeroDeError([&] { motor->abre(QStringLiteral("SELECT * FROM no_existe"), false, errores); }),
              NumeroError::ErrorDelServidor);
    ASSERT_EQ(errores.Count(), 1);
    EXPECT_TRUE(errores.Item(0).Description.contains(QLatin1String("no_existe")));
}

TEST_F(MotorOdbcTest, WriterInsertsAndUpdatesThroughBoundValues)
{
    auto rs = motor->abre(QStringLiteral("SELECT * FROM clientes"), true, errores);
    rs->AddNew();
    rs->AsignaCampo(QStringLiteral("codigo"), 10);
    rs->AsignaCampo(QStringLiteral("nombre"), QStringLiteral("O'Brien; DROP TABLE clientes --"));
    rs->AsignaCampo(QStringLiteral("saldo"), 15.75);
    rs->AsignaCampo(QStringLiteral("alta"), QDateTime(QDate(2023, 12, 1), QTime(8, 30)));
    rs->Update();
    motor->ejecuta(QStringLiteral("INSERT INTO clientes (codigo, nombre) VALUES (11, 'otro')"), nullptr, errores);

    auto leido = motor->abre(QStringLiteral("SELECT * FROM clientes WHERE codigo = 10"), true, errores);
    ASSERT_EQ(leido->ContarFilas(), 1);
    EXPECT_EQ(leido->Campo(QStringLiteral("nombre")).toString(), QStringLiteral("O'Brien; DROP TABLE clientes --"));
    EXPECT_DOUBLE_EQ(leido->Campo(QStringLiteral("saldo")).toDouble(), 15.75);
    EXPECT_EQ(leido->Campo(QStringLiteral("alta")).toDateTime(), QDateTime(QDate(2023, 12, 1), QTime(8, 30)));
    EXPECT_TRUE(leido->Campo(QStringLiteral("nota")).isNull());

    leido->AsignaCampo(QStringLiteral("nota"), QStringLiteral("d'Artagnan"));
    leido->AsignaCampo(QStringLiteral("saldo"), QVariant());
    leido->Update();
    EXPECT_EQ(valor(QStringLiteral("SELECT nota FROM clientes WHERE codigo = 10")).toString(), QStringLiteral("d'Artagnan"));
    EXPECT_TRUE(valor(QStringLiteral("SELECT saldo FROM clientes WHERE codigo = 10")).isNull());
    EXPECT_EQ(valor(QStringLiteral("SELECT nombre FROM clientes WHERE codigo = 11")).toString(), QStringLiteral("otro"));
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) FROM clientes")).toLongLong(), 2);
}

TEST_F(MotorOdbcTest, WriterFindsRowByPrimaryKeyEvenWhenOtherColumnsChanged)
{
    motor->ejecuta(QStringLiteral("INSERT INTO clientes (codigo, nombre) VALUES (1, 'antes')"), nullptr, errores);
    auto rs = motor->abre(QStringLiteral("SELECT codigo, nombre FROM clientes"), true, errores);
    motor->ejecuta(QStringLiteral("UPDATE clientes SET nombre = 'cambiado por otro'"), nullptr, errores);
    rs->AsignaCampo(QStringLiteral("nombre"), QStringLiteral("mío"));
    rs->Update();
    EXPECT_EQ(valor(QStringLiteral("SELECT nombre FROM clientes")).toString(), QStringLiteral("mío"));
}

TEST_F(MotorOdbcTest, WriterWithoutKeyMatchesWholeRowIncludingNulls)
{
    motor->ejecuta(QStringLiteral("INSERT INTO notas VALUES ('uno', NULL)"), nullptr, errores);
    motor->ejecuta(QStringLiteral("INSERT INTO notas VALUES ('uno', 'ana')"), nullptr, errores);
    auto rs = motor->abre(QStringLiteral("SELECT * FROM notas WHERE autor IS NULL"), true, errores);
    rs->AsignaCampo(QStringLiteral("autor"), QStringLiteral("l'autor"));
    rs->Update();
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) FROM notas WHERE autor = 'l''autor'")).toLongLong(), 1);
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) FROM notas WHERE autor = 'ana'")).toLongLong(), 1);

    // A row changed behind the recordset is no longer the row it read.
    auto viejo = motor->abre(QStringLiteral("SELECT * FROM notas WHERE autor = 'ana'"), true, errores);
    motor->ejecuta(QStringLiteral("UPDATE notas SET texto = 'dos' WHERE autor = 'ana'"), nullptr, errores);
    viejo->AsignaCampo(QStringLiteral("autor"), QStringLiteral("eva"));
    EXPECT_EQ(numeroDeError([&] { viejo->Update(); }), FilaNoEncontrada);
    ASSERT_EQ(errores.Count(), 1);
    EXPECT_EQ(errores.Item(0).Number, FilaNoEncontrada);
}

TEST_F(MotorOdbcTest, WriterRefusesJoinsAndClosedConnections)
{
    motor->ejecuta(QStringLiteral("INSERT INTO notas VALUES ('uno', 'ana')"), nullptr, errores);
    auto junta = motor->abre(QStringLiteral("SELECT * FROM notas a, notas b"), true, errores);
    junta->AsignaCampo(QStringLiteral("autor"), QStringLiteral("x"));
    EXPECT_EQ(numeroDeError([&] { junta->Update(); }), NoActualizable);

    auto rs = motor->abre(QStringLiteral("SELECT * FROM notas"), true, errores);
    motor.reset();
    rs->AsignaCampo(QStringLiteral("autor"), QStringLiteral("x"));
    EXPECT_EQ(numeroDeError([&] { rs->Update(); }), NoActualizable);
}

TEST_F(MotorOdbcTest, TimeoutAndDefaultDatabaseLeaveOtherServersWorking)
{
    motor->fijaTiempoEspera(5);
    motor->fijaBaseDefecto(QStringLiteral("otra"));
    long filas = 0;
    motor->ejecuta(QStringLiteral("INSERT INTO notas VALUES ('a', 'b')"), &filas, errores);
    EXPECT_EQ(filas, 1);
}

TEST(ConexionDatosOdbc, AnyServerButSqliteGoesThroughOdbcWithTheGivenString)
{
    QTemporaryDir dir;
    ConexionDatos conexion;
    conexion.setServidor(QStringLiteral("SRVCONTABLE"));
    conexion.setBaseDatos(QStringLiteral("Contable"));
    conexion.Conecta(false, 3,
                     QStringLiteral("Driver=%1;Database=%2;").arg(driverSqlite(), dir.filePath(QStringLiteral("c.db"))),
                     false, false);
    ASSERT_TRUE(conexion.EstaConectado()) << conexion.ErrorConexion().toStdString();
    EXPECT_EQ(conexion.ObtieneMotor(), QStringLiteral("odbc"));
    EXPECT_EQ(conexion.Proveedor(), QStringLiteral("ODBC"));

    conexion.Ejecuta(QStringLiteral("CREATE TABLE t (k INTEGER PRIMARY KEY, v VARCHAR(10))"));
    long filas = 0;
    conexion.Ejecuta(QStringLiteral("INSERT INTO t VALUES (1, 'uno')"), &filas);
    EXPECT_EQ(filas, 1);
    EXPECT_NE(numeroDeError([&] { conexion.Ejecuta(QStringLiteral("INSERT INTO t VALUES (1, 'otra')")); }), 0);
    ASSERT_EQ(conexion.Conexion().Errors().Count(), 1);
    EXPECT_EQ(conexion.Conexion().Errors().Item(0).NativeError, 19);

    auto rs = conexion.AbreRecordset(QStringLiteral("SELECT * FROM t"), 2, 3);
    EXPECT_EQ(conexion.Conexion().Errors().Count(), 0);
    rs->AsignaCampo(QStringLiteral("v"), QStringLiteral("l'uno"));
    rs->Update();
    EXPECT_EQ(conexion.BuscaValor(QStringLiteral("t"), 1, QStringLiteral("v"), QStringLiteral("k")).toString(),
              QStringLiteral("l'uno"));
}

// The driver manager's trace shows each level as the driver is asked for it;
// SQLite's driver has only serializable, which it then reports for all.
TEST(ConexionDatosOdbc, TheIsolationLevelAskedForReachesTheDriver)
{
    QTemporaryDir dir;
    const QString traza = dir.filePath(QStringLiteral("traza.log"));
    QFile ini(dir.filePath(QStringLiteral("odbcinst.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[ODBC]\nTrace=Yes\nTraceFile=" + QFile::encodeName(traza) + "\n");
    ini.close();
    VariableTemporal ajustesOdbc("ODBCSYSINI", QFile::encodeName(dir.path()));
    // The levels the driver manager was asked for since `desde` of the trace.
    const auto pedidos = [&](qint64 desde) {
        QFile f(traza);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        f.seek(desde);
        const QStringList lineas = QString::fromUtf8(f.readAll()).split(u'\n');
        QStringList valores;
        for (qsizetype i = 0; i + 1 < lineas.size(); ++i) {
            if (lineas[i].contains(QLatin1String("SQLSetConnectAttr.c")) && i + 4 < lineas.size()
                && lineas[i + 3].contains(QLatin1String("SQL_ATTR_TXN_ISOLATION")))
                valores << lineas[i + 4].section(u'=', 1).trimmed();
        }
        return valores;
    };

    ConexionDatos conexion;
    conexion.setServidor(QStringLiteral("SRVCONTABLE"));
    conexion.Conexion().setIsolationLevel(NivelAislamiento::LecturaSinConfirmar);
    EXPECT_EQ(conexion.Conexion().IsolationLevel(), NivelAislamiento::LecturaSinConfirmar) << "kept while closed";
    conexion.Conecta(false, 3,
                     QStringLiteral("Driver=%1;Database=%2;").arg(driverSqlite(), dir.filePath(QStringLiteral("c.db"))),
                     false, false);
    ASSERT_TRUE(conexion.EstaConectado()) << conexion.ErrorConexion().toStdString();
    EXPECT_EQ(pedidos(0), QStringList{QStringLiteral("0x1")}) << "connecting asks for the level set before";

    const std::pair<long, const char*> casos[] = {
        {NivelAislamiento::Caos, "0x1"},
        {NivelAislamiento::LecturaSinConfirmar, "0x1"},
        {NivelAislamiento::LecturaConfirmada, "0x2"},
        {NivelAislamiento::LecturaRepetible, "0x4"},
        {NivelAislamiento::Serializable, "0x8"},
    };
    for (const auto& [nivel, pedido] : casos) {
        const qint64 desde = QFileInfo(traza).size();
        conexion.Conexion().setIsolationLevel(nivel);
        EXPECT_EQ(pedidos(desde), QStringList{QString::fromLatin1(pedido)}) << nivel;
        EXPECT_EQ(conexion.Conexion().IsolationLevel(), NivelAislamiento::Serializable) << "read back from the driver";
    }
    const qint64 desde = QFileInfo(traza).size();
    conexion.Conexion().setIsolationLevel(NivelAislamiento::SinEspecificar);
    EXPECT_TRUE(pedidos(desde).isEmpty()) << "unspecified leaves the driver's level";
}

TEST(ConexionDatosOdbc, ADatabaseWithoutTheRequiredTableIsAFailedConnection)
{
    QTemporaryDir dir;
    const QString cadena =
        QStringLiteral("Driver=%1;Database=%2;").arg(driverSqlite(), dir.filePath(QStringLiteral("c.db")));
    ConexionDatos conexion;
    conexion.setServidor(QStringLiteral("SRVCONTABLE"));
    conexion.setBaseDatos(QStringLiteral("Contable"));
    conexion.Conecta(false, 3, cadena, false, false);
    ASSERT_TRUE(conexion.EstaConectado());
    conexion.Ejecuta(QStringLiteral("CREATE TABLE TA_CONFIGURACIONES (k INTEGER)"));

    conexion.setTablaExigida(QStringLiteral("TA_CONFIGURACION"));
    conexion.Conecta(false, 3, cadena, false, false);
    EXPECT_FALSE(conexion.EstaConectado()) << "a name that only begins alike is not the table";
    EXPECT_TRUE(conexion.ErrorConexion().contains(QLatin1String("TA_CONFIGURACION")));

    conexion.setTablaExigida(QStringLiteral("ta_configuraciones"));
    conexion.Conecta(false, 3, cadena, false, false);
    EXPECT_TRUE(conexion.EstaConectado()) << conexion.ErrorConexion().toStdString();
}
