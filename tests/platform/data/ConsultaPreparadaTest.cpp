#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/MotorSqlite.h"

#include "support/NumeroDeError.h"
#include "support/SqliteOdbc.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr long ObjetoCerrado = 3704;

enum class Motor { Sqlite, Odbc };

// One file, reached through the embedded engine (which compiles the
// statement) or through ODBC (which is sent the text with the values in).
class ConsultaPreparadaTest : public ::testing::TestWithParam<Motor> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        archivo = dir.filePath(QStringLiteral("base.db"));
        const QString script = dir.filePath(QStringLiteral("esquema.sql"));
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("CREATE TABLE clientes (codigo TEXT PRIMARY KEY, nombre TEXT, saldo NUMERIC);\n"
                "INSERT INTO clientes VALUES ('1', 'O''Brien', 10.5), ('2', 'Pérez', NULL);\n");
        f.close();
        CreaBaseSqlite(archivo, {script});
        conecta(cn);
    }

    void conecta(ConexionDatos& c)
    {
        if (GetParam() == Motor::Sqlite) {
            c.setServidor(QStringLiteral("sqlite"));
            c.setBaseDatos(archivo);
            c.Conecta(false, 3, QString(), false, false);
        } else {
            c.setServidor(QStringLiteral("SRVCONTABLE"));
            c.Conecta(false, 3, QStringLiteral("Driver=%1;Database=%2;").arg(DriverSqliteOdbc(), archivo), false, false);
        }
        ASSERT_TRUE(c.EstaConectado()) << c.ErrorConexion().toStdString();
    }

    QTemporaryDir dir;
    QString archivo;
    ConexionDatos cn;
};

}

TEST_P(ConsultaPreparadaTest, RunsAgainWithNewValues)
{
    auto consulta = cn.PreparaConsulta(QStringLiteral("SELECT nombre, saldo FROM clientes WHERE codigo = ?"));
    ASSERT_TRUE(consulta->Abre({QStringLiteral("1")}));
    EXPECT_EQ(consulta->Campo(QStringLiteral("NOMBRE")).toString(), QStringLiteral("O'Brien"));
    EXPECT_DOUBLE_EQ(consulta->Campo(1).toDouble(), 10.5);
    EXPECT_FALSE(consulta->Abre({QStringLiteral("9")}));
    ASSERT_TRUE(consulta->Abre({QStringLiteral("2")}));
    EXPECT_EQ(consulta->Campo(0).toString(), QStringLiteral("Pérez"));
    EXPECT_TRUE(consulta->Campo(QStringLiteral("saldo")).isNull());

    // A value with an apostrophe is one value, never part of the statement.
    auto porNombre = cn.PreparaConsulta(QStringLiteral("SELECT codigo FROM clientes WHERE nombre = ? AND '?' = '?'"));
    ASSERT_TRUE(porNombre->Abre({QStringLiteral("O'Brien")}));
    EXPECT_EQ(porNombre->Campo(0).toString(), QStringLiteral("1"));
    EXPECT_FALSE(porNombre->Abre({QStringLiteral("x' OR '1'='1")}));

    auto nombre = cn.PreparaBuscaValor(QStringLiteral("clientes"), QStringLiteral("nombre"), QStringLiteral("codigo"));
    ASSERT_TRUE(nombre->Abre({QStringLiteral("2")}));
    EXPECT_EQ(nombre->Campo(0).toString(), QStringLiteral("Pérez"));
}

TEST_P(ConsultaPreparadaTest, ReadingWhatIsNotThereRaisesTheRecordsetsErrors)
{
    auto consulta = cn.PreparaConsulta(QStringLiteral("SELECT nombre FROM clientes WHERE codigo = ?"));
    EXPECT_EQ(numeroDeError([&] { consulta->Campo(0); }), NumeroError::SinRegistroActual);
    EXPECT_FALSE(consulta->Abre({QStringLiteral("9")}));
    EXPECT_EQ(numeroDeError([&] { consulta->Campo(QStringLiteral("nombre")); }), NumeroError::SinRegistroActual);
    ASSERT_TRUE(consulta->Abre({QStringLiteral("1")}));
    EXPECT_EQ(numeroDeError([&] { consulta->Campo(QStringLiteral("saldo")); }), NumeroError::ElementoNoEncontrado);
    EXPECT_EQ(numeroDeError([&] { consulta->Campo(3); }), NumeroError::ElementoNoEncontrado);
    EXPECT_EQ(numeroDeError([&] { consulta->Abre({QStringLiteral("1"), QStringLiteral("2")}); }),
              NumeroError::LlamadaInvalida);
}

TEST_P(ConsultaPreparadaTest, ARejectedStatementLeavesTheServersErrors)
{
    const long numero = numeroDeError([&] {
        auto consulta = cn.PreparaConsulta(QStringLiteral("SELECT x FROM no_existe WHERE codigo = ?"));
        consulta->Abre({QStringLiteral("1")});
    });
    EXPECT_NE(numero, 0);
    EXPECT_GE(cn.Conexion().Errors().Count(), 1);
    // The next good run starts with a clean collection.
    auto buena = cn.PreparaConsulta(QStringLiteral("SELECT nombre FROM clientes WHERE codigo = ?"));
    EXPECT_TRUE(buena->Abre({QStringLiteral("1")}));
    EXPECT_EQ(cn.Conexion().Errors().Count(), 0);
}

TEST_P(ConsultaPreparadaTest, ARunLeavesNothingOpenAndAClosedConnectionRefusesIt)
{
    auto consulta = cn.PreparaConsulta(QStringLiteral("SELECT nombre FROM clientes WHERE codigo = ?"));
    ASSERT_TRUE(consulta->Abre({QStringLiteral("1")}));
    // A write after a run commits at once: another connection sees it.
    cn.Ejecuta(QStringLiteral("INSERT INTO clientes VALUES ('3', 'Nuevo', 0)"));
    ConexionDatos otra;
    conecta(otra);
    EXPECT_EQ(otra.BuscaValor(QStringLiteral("clientes"), QStringLiteral("3"), QStringLiteral("nombre"),
                              QStringLiteral("codigo"))
                  .toString(),
              QStringLiteral("Nuevo"));
    EXPECT_EQ(consulta->Campo(0).toString(), QStringLiteral("O'Brien"));
    cn.setEstaConectado(false);
    EXPECT_EQ(numeroDeError([&] { consulta->Abre({QStringLiteral("1")}); }), ObjetoCerrado);
}

INSTANTIATE_TEST_SUITE_P(BothEngines, ConsultaPreparadaTest, ::testing::Values(Motor::Sqlite, Motor::Odbc),
                         [](const ::testing::TestParamInfo<Motor>& info) {
                             return info.param == Motor::Sqlite ? "Sqlite" : "Odbc";
                         });
