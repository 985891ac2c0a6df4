#include "platform/reports/TraductorSeleccion.h"

#include "platform/base/Err.h"
#include "platform/data/ConexionDatos.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

const QStringList Vistas = {"AUX_MV_CPTE", "V_MV_CPTE", "MV_ASIENTOS", "V_MV_CPTEINSUMOS"};

struct Caso {
    std::string formula;
    const char* sql;  // nullptr: refused, and `motivo` is in the message
    const char* motivo = "";
};

class TraductorSeleccionTest : public ::testing::TestWithParam<Caso> {};

TEST_P(TraductorSeleccionTest, TranslatesExactlyTheGrammarAndRefusesTheRest)
{
    const ConexionDatos cn;
    const TraductorSeleccion t(cn, Vistas);
    const Caso& c = GetParam();
    const QString formula = QString::fromStdString(c.formula);
    if (c.sql) {
        EXPECT_EQ(t.condicion(formula).toStdString(), c.sql);
        return;
    }
    try {
        const QString sql = t.condicion(formula);
        FAIL() << "accepted as " << sql.toStdString();
    } catch (const Err& e) {
        EXPECT_EQ(e.Number, NumeroError::LlamadaInvalida);
        EXPECT_TRUE(e.Description.contains(QString::fromUtf8(c.motivo))) << e.Description.toStdString();
        EXPECT_TRUE(e.Description.contains(formula)) << e.Description.toStdString();
    }
}

// The condition inside `veces` parentheses.
std::string anidada(int veces, const std::string& condicion)
{
    return std::string(size_t(veces), '(') + condicion + std::string(size_t(veces), ')');
}

const std::string Anidada200 = anidada(200, "V_MV_CPTE.[TC] = 'FC'");

// `veces` copies of the group, side by side.
std::string seguidas(int veces, const std::string& grupo)
{
    std::string texto = grupo;
    for (int i = 1; i < veces; ++i)
        texto += " AND " + grupo;
    return texto;
}

const std::string Seguidas201 = seguidas(201, "(V_MV_CPTE.[TC] = 'FC')");

INSTANTIATE_TEST_SUITE_P(
    Formulas, TraductorSeleccionTest,
    ::testing::Values(
        Caso{"", ""}, Caso{"   ", ""},
        Caso{" {V_MV_CPTE.TC} = 'FC  ' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000012A' AND "
             "{V_MV_CPTE.IDCOMPLEMENTO} = 0 AND {Aux_MV_CPte.USUARIO} = 'PC|demo'",
             "V_MV_CPTE.[TC] = 'FC  ' AND V_MV_CPTE.[IDCOMPROBANTE] = '000100000012A' AND V_MV_CPTE.[IDCOMPLEMENTO] = 0 "
             "AND AUX_MV_CPTE.[USUARIO] = 'PC|demo'"},
        Caso{"({v_mv_cpte.tc} = 'OT') and ({V_MV_CPTE.IDCOMPROBANTE} = '000100000050X' )",
             "(V_MV_CPTE.[tc] = 'OT') AND (V_MV_CPTE.[IDCOMPROBANTE] = '000100000050X')"},
        Caso{"{V_MV_CPTE.TC}='FC' or {V_MV_CPTE.TC}= 'NC' Or ({V_MV_CPTE.IMPORTE} = -12.50)",
             "V_MV_CPTE.[TC] = 'FC' OR V_MV_CPTE.[TC] = 'NC' OR (V_MV_CPTE.[IMPORTE] = -12.50)"},
        Caso{"{MV_ASIENTOS.PERIODO} = '2025' AND {MV_ASIENTOS.MES_OPERATIVO} = 7 AND {MV_ASIENTOS.NUMERO ASIENTO} = 3",
             "MV_ASIENTOS.[PERIODO] = '2025' AND MV_ASIENTOS.[MES_OPERATIVO] = 7 AND MV_ASIENTOS.[NUMERO ASIENTO] = 3"},
        Caso{"{MV_ASIENTOS.[NUMERO ASIENTO]} = 3", "MV_ASIENTOS.[NUMERO ASIENTO] = 3"},
        Caso{"{V_MV_CPTE.NOMBRE} = 'D''Angelo'", "V_MV_CPTE.[NOMBRE] = 'D''Angelo'"},
        Caso{"{V_MV_CPTE.NOMBRE} = 'x'' OR 1=1 --'", "V_MV_CPTE.[NOMBRE] = 'x'' OR 1=1 --'"},
        Caso{"{V_MV_CPTE.NOMBRE} = 'D'Angelo'", nullptr, "«Angelo» no es AND ni OR"},
        Caso{"{V_MV_CPTE.NOMBRE} = 'abierto", nullptr, "sin apóstrofo de cierre"},
        Caso{"{V_MV_CPTE.TC} = 'FC'; DROP TABLE V_MV_CPTE", nullptr, "carácter inesperado «;»"},
        Caso{"{V_MV_CPTE.TC} <> 'FC'", nullptr, "carácter inesperado «<»"},
        Caso{"{V_MV_CPTE.TC} = 'FC' AND NOT {V_MV_CPTE.TC} = 'NC'", nullptr, "«NOT» no es AND ni OR"},
        Caso{"{MA_USUARIOS.CLAVE} = 'x'", nullptr, "no lee la vista «MA_USUARIOS»"},
        Caso{"{V_MV_CPTE.TC]} = 'x'", nullptr, "no es un nombre de campo"},
        Caso{"{V_MV_CPTE.TC'} = 'x'", nullptr, "no es un nombre de campo"},
        Caso{"{V_MV_CPTE} = 'x'", nullptr, "no es Vista.Campo"},
        Caso{"{V_MV_CPTE.TC = 'x'", nullptr, "falta la llave de cierre"},
        Caso{"{V_MV_CPTE.TC} = 'x' AND", nullptr, "se esperaba un campo entre llaves al final"},
        Caso{"({V_MV_CPTE.TC} = 'x'", nullptr, "se esperaba «)» al final"},
        Caso{"{V_MV_CPTE.TC} = 'x')", nullptr, "sobra «)»"},
        Caso{"{V_MV_CPTE.TC} = {V_MV_CPTE.CUENTA}", nullptr, "se esperaba un valor"},
        Caso{"{V_MV_CPTE.IMPORTE} = 1e3", nullptr, "un número mal escrito"},
        Caso{"'FC' = {V_MV_CPTE.TC}", nullptr, "se esperaba un campo entre llaves"},
        Caso{"{V_MV_CPTE.IMPORTE} = ٣", nullptr, "carácter inesperado"},
        Caso{"{V_MV_CPTE.IMPORTE} = 1３", nullptr, "un número mal escrito"},
        Caso{"{V_MV_CPTE.TC} = 'F\0C'"s, nullptr, "carácter nulo"},
        Caso{anidada(200, "{V_MV_CPTE.TC} = 'FC'"), Anidada200.c_str()},
        Caso{anidada(201, "{V_MV_CPTE.TC} = 'FC'"), nullptr, "más de 200 paréntesis anidados"},
        Caso{seguidas(201, "({V_MV_CPTE.TC} = 'FC')"), Seguidas201.c_str()},
        Caso{anidada(20000, "{V_MV_CPTE.TC} = 'FC'"), nullptr, "más de 200 paréntesis anidados"}));

TEST(TraductorOrden, SortsAscendingOrDescendingAndRefusesAnyOtherShape)
{
    const ConexionDatos cn;
    const TraductorSeleccion t(cn, Vistas);
    EXPECT_EQ(t.orden({"+{V_Mv_CpteInsumos.Id}"}), "V_MV_CPTEINSUMOS.[Id]");
    EXPECT_EQ(t.orden({"", "-{Aux_Mv_Cpte.ID}", " +{MV_ASIENTOS.NUMERO ASIENTO} "}),
              "AUX_MV_CPTE.[ID] DESC, MV_ASIENTOS.[NUMERO ASIENTO]");
    EXPECT_EQ(t.orden({"", ""}), "");
    for (const char* malo : {"{V_MV_CPTE.TC}", "+V_MV_CPTE.TC", "+{V_MV_CPTE.TC}; DELETE AUX_MV_CPTE",
                             "+{V_MV_CPTE.TC} DESC", "+{OTRA.TC}"})
        EXPECT_THROW(t.orden({QString::fromUtf8(malo)}), Err) << malo;
}

}
