#include "platform/data/ConexionDatos.h"
#include "platform/data/PrefijoAdmin.h"

#include "BaseDePrueba.h"
#include "support/SqliteOdbc.h"
#include "support/TextoQt.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

// No settings file of the machine's own: the default prefix.
class PrefijoAdminTest : public ::testing::Test {
protected:
    QTemporaryDir config;
    VariableTemporal xdg{"XDG_CONFIG_HOME", QFile::encodeName(config.path())};
    VariableTemporal entorno{"ESCANEO_PREFIJO_ADMIN", QByteArray()};
};

TEST_F(PrefijoAdminTest, TurnsThePrefixOfTableNamesOnlyOutsideLiteralsNamesAndComments)
{
    const std::pair<const char*, const char*> casos[] = {
        {"SELECT * FROM @ADMIN_MV_ASIENTOS with(nolock) WHERE TC='AS'",
         "SELECT * FROM ADMIN_MV_ASIENTOS with(nolock) WHERE TC='AS'"},
        {"select a from @admin_t join @ADMIN_U on 1=1", "select a from ADMIN_t join ADMIN_U on 1=1"},
        {"SELECT '@ADMIN_X', \"@ADMIN_Y\", [@ADMIN_Z] FROM @ADMIN_T",
         "SELECT '@ADMIN_X', \"@ADMIN_Y\", [@ADMIN_Z] FROM ADMIN_T"},
        {"SELECT 'it''s @ADMIN_X' FROM T -- @ADMIN_C\n/* @ADMIN_D */ WHERE x=@ADMIN_E",
         "SELECT 'it''s @ADMIN_X' FROM T -- @ADMIN_C\n/* @ADMIN_D */ WHERE x=ADMIN_E"},
        {"SELECT * FROM X@ADMIN_T", "SELECT * FROM X@ADMIN_T"},
        {"SELECT 1", "SELECT 1"},
    };
    for (const auto& [entrada, salida] : casos)
        EXPECT_EQ(AplicaPrefijoAdmin(QLatin1String(entrada)), QLatin1String(salida)) << entrada;
}

TEST_F(PrefijoAdminTest, TheInstallationSetsThePrefix)
{
    VariableTemporal otro("ESCANEO_PREFIJO_ADMIN", "CAJA.dbo.");
    EXPECT_EQ(AplicaPrefijoAdmin(QStringLiteral("SELECT * FROM @ADMIN_MV_ASIENTOS")),
              u"SELECT * FROM CAJA.dbo.MV_ASIENTOS");
}

TEST_F(PrefijoAdminTest, BothEnginesRunTheStatementOnThePrefixedTable)
{
    VariableTemporal otro("ESCANEO_PREFIJO_ADMIN", "CAJA_");
    const auto comprueba = [](ConexionDatos& cn) {
        cn.Ejecuta(QStringLiteral("CREATE TABLE CAJA_LINEAS (n INTEGER)"));
        cn.Ejecuta(QStringLiteral("INSERT INTO @ADMIN_LINEAS (n) VALUES (7)"));
        auto rs = cn.AbreRecordset(QStringLiteral("SELECT n, '@ADMIN_' AS t FROM @ADMIN_LINEAS"));
        ASSERT_FALSE(rs->EOF());
        EXPECT_EQ(rs->Campo(0).toInt(), 7);
        EXPECT_EQ(rs->Campo(1).toString(), u"@ADMIN_") << "a literal is left alone";
        auto consulta = cn.PreparaBuscaValor(QStringLiteral("@ADMIN_LINEAS"), QStringLiteral("n"), QStringLiteral("n"));
        EXPECT_NE(consulta, nullptr);
    };

    BaseDePrueba sqlite(QStringLiteral("CREATE TABLE otra (x INTEGER);"));
    comprueba(sqlite.db);

    QTemporaryDir dir;
    ConexionDatos odbc;
    odbc.setServidor(QStringLiteral("servidor"));
    odbc.Conecta(false, 3,
                 QStringLiteral("Driver=%1;Database=%2;").arg(DriverSqliteOdbc(), dir.filePath(QStringLiteral("b.db"))),
                 false, false);
    ASSERT_TRUE(odbc.EstaConectado()) << odbc.ErrorConexion().toStdString();
    comprueba(odbc);
}

}  // namespace
