#include "support/modulo/BaseDePrueba.h"

#include "services/CargaConfiguracion.h"
#include "services/Modulo.h"

namespace {

class CargaConfiguracionTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
    }

    void clave(const char* clave, const char* valor)
    {
        ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = '%1'").arg(QLatin1String(clave)));
        ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('GENERAL', '%1', '%2')")
                    .arg(QLatin1String(clave), QLatin1String(valor)));
    }

    void carga(const QString& usuario = QStringLiteral("demo"))
    {
        Modulo().UsuarioActual = usuario;
        CargaConfiguracion(QStringLiteral("/opt/escaneo/"));
    }
};

}

TEST_F(CargaConfiguracionTest, LoadsTheDemoKeysAndTheUsersBusinessUnit)
{
    carga(QStringLiteral("JUAN"));
    const EstadoModulo& m = Modulo();
    EXPECT_EQ(m.TablaConfiguracion, "ta_configuracion");
    EXPECT_EQ(m.ArchivoDocTareas, "/opt/escaneo/CVDOCTareas.kzr");
    EXPECT_EQ(m.DecimalesImporte, "2");
    EXPECT_FALSE(m.UsaFacturaProforma) << "JUAN may not see proformas";
    EXPECT_EQ(m.UnidadNegocioActual, "   2");
    EXPECT_EQ(m.PERIODO, 12);
    EXPECT_EQ(m.ColorFondoFoco, 12648447);
    EXPECT_EQ(m.MaxDto.texto(), "10");
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(CargaConfiguracionTest, EmptyTableGivesTheDefaults)
{
    ejecuta(QStringLiteral("DELETE FROM TA_CONFIGURACION"));
    carga(QStringLiteral("MARIA"));
    const EstadoModulo& m = Modulo();
    EXPECT_FALSE(m.UsaFacturaProforma);
    EXPECT_FALSE(m.EsMaderera);
    EXPECT_FALSE(m.UTILIZARFECHADIA);
    EXPECT_TRUE(m.ModuloOrdenDeTrabajo);
    EXPECT_EQ(m.DecimalesImporte, " ");
    EXPECT_EQ(m.ColorFondoFoco, 0xFFFF00);
    EXPECT_EQ(m.ColorLetraFoco, 0);
    EXPECT_EQ(m.CONDIVAEMPRESA, 1);
    EXPECT_EQ(m.Top_Default, "1000");
    EXPECT_EQ(m.UnidadNegocioActual, "   1") << "MARIA has no business unit";
}

TEST_F(CargaConfiguracionTest, FlagRulesReadNoAndBlanksAsWritten)
{
    clave("MADERERA", "no");
    clave("V_MODIFICACPRECIO", " NO");
    clave("C_MODIFICACPRECIO", "NO ");
    clave("MODULOORDENDETRABAJO", " no ");
    clave("RAZONSOCIALPORUNEG", " si ");
    clave("SS_BLOQUEOACTIVO", " SI");
    carga();
    const EstadoModulo& m = Modulo();
    EXPECT_FALSE(m.EsMaderera);
    EXPECT_TRUE(m.V_ModificaCPrecio);
    EXPECT_TRUE(m.C_ModificaCPrecio);
    EXPECT_FALSE(m.ModuloOrdenDeTrabajo);
    EXPECT_TRUE(m.RazonSocialPorUneg) << "read trimmed";
    EXPECT_FALSE(m.SS_BloqueoActivo) << "read as written";
}

TEST_F(CargaConfiguracionTest, ColoursAndTaxConditionFallBacks)
{
    clave("CFONDO", "255");
    clave("CONDIVAEMPRESA", "0");
    clave("CONDIVA", "2");
    carga();
    EXPECT_EQ(Modulo().ColorFondoFoco, 255);
    EXPECT_EQ(Modulo().CONDIVAEMPRESA, 2);

    clave("CFONDO", "0");
    clave("TOP_DEFAULT", "   ");
    carga();
    EXPECT_EQ(Modulo().ColorFondoFoco, 0xFFFF00);
    EXPECT_EQ(Modulo().Top_Default, "1000");
}

TEST_F(CargaConfiguracionTest, ProformaNeedsBothTheKeyAndTheUser)
{
    carga(QStringLiteral("demo"));
    EXPECT_TRUE(Modulo().UsaFacturaProforma);

    clave("USAFACTURAPROFORMA", "NO");
    carga(QStringLiteral("demo"));
    EXPECT_FALSE(Modulo().UsaFacturaProforma);

    clave("USAFACTURAPROFORMA", "SI");
    Modulo().UnidadNegocioActual.clear();
    carga(QStringLiteral("SIN_FILA"));
    EXPECT_TRUE(Modulo().UsaFacturaProforma) << "a user without a row keeps the key's value";
    EXPECT_EQ(Modulo().UnidadNegocioActual, "   1");
}

TEST_F(CargaConfiguracionTest, ApostropheInTheUserOrAnOverflowDoesNotStopTheLoad)
{
    ejecuta(QStringLiteral("INSERT INTO ta_usuarios (Nombre, UNegocio, verproforma) VALUES ('O''BRIEN', '   7', 0)"));
    clave("PERIODO", "99999");
    carga(QStringLiteral("O'BRIEN"));
    const EstadoModulo& m = Modulo();
    EXPECT_EQ(m.UnidadNegocioActual, "   7");
    EXPECT_EQ(m.PERIODO, 0) << "an overflowing value keeps what it had";
    EXPECT_EQ(m.Top_Default, "1000") << "the load went on to the last key";
    EXPECT_TRUE(dialogos->avisos.empty());
}
