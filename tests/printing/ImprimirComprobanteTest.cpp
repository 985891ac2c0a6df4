#include "printing/ImprimirComprobante.h"

#include "BaseReportes.h"
#include "orderprinter/RegistroComandera.h"
#include "support/Pseudoterminal.h"
#include "support/VariableTemporal.h"

#include <QFile>
#include "services/Modulo.h"
#include "services/Objetos.h"

namespace {

// The texts of a case go through texto().
struct CasoTipo {
    const char* tc;
    const char* id;
    const char* clave;
    bool sinClaves;
    QString seleccion;
    QStringList orden;  // the sort fields after the print
    QString archivo;    // the file printed
    std::array<QString, 3> subreportes;
};

const QStringList OrdenDado{QStringLiteral("+{V_MV_CPTE.ID}"), QStringLiteral("+{V_MV_CPTE.TC}")};
const QString ClausulaFCB = QStringLiteral(
    " {V_MV_CPTE.TC} = 'FC  ' AND {V_MV_CPTE.IDCOMPROBANTE} = '000200000007B' "
    "AND {V_MV_CPTE.IDCOMPLEMENTO} = 0 AND {Aux_MV_CPte.USUARIO} = '%E'");
const std::array<QString, 3> SinSub{};
const std::array<QString, 3> SubCompras{QStringLiteral("RP_CPTESER"), QString(), QStringLiteral("RP_CpteObs")};
const std::array<QString, 3> SubPagos{QStringLiteral("OPGSR"), QString(), QString()};

const CasoTipo Casos[] = {
    {"FC", "000200000007B", "FC", false, ClausulaFCB, OrdenDado, "%CFC-B.rpt", SinSub},
    {"FC  ", "000200000007B", "FC", false, ClausulaFCB, OrdenDado, "%CFC-B.rpt", SinSub},
    {"FC", "000200000007B", "FC", true, " {V_MV_CPTE.TC} = 'FC  '", OrdenDado, "%CFC-B.rpt", SinSub},
    {"OT", "000100000050X", "OT2", false,
     " {V_MV_CPTE.TC} = 'OT  ' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000050X' AND {V_MV_CPTE.IDCOMPLEMENTO} = 0 AND "
     "{Aux_MV_CPte.USUARIO} = '%E'",
     OrdenDado, "%COT-X2.rpt", SinSub},
    {"OP",
     "000100000070X",
     "OP",
     false,
     " {V_MV_CPTE.TC} = 'OP  ' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000070X' ",
     {"+{V_Mv_CpteInsumos.Id}", "+{V_MV_CPTE.TC}"},
     "%COP-X.rpt",
     {"opSub", "", ""}},
    {"PE", "000100000101P", "PE", false, "", {"", "+{V_MV_CPTE.TC}"}, "%CParteConsumoPE.rpt", SinSub},
    {"IR",
     "000100000080X",
     "IR",
     false,
     " {V_MV_STOCK.TC} = 'IR' AND {V_MV_STOCK.IDCOMPROBANTE} = '000100000080X' ",
     {"", "+{V_MV_CPTE.TC}"},
     "%CIR-OC.rpt",
     SinSub},
    {"PEC", "000100000101P", "PEC", false, "{V_MV_CPTE.IDCOMPROBANTE} = '000100000101P' AND {V_MV_CPTE.TC} = 'PE'",
     OrdenDado, "%CCOMANDA.rpt", SinSub},
    {"PECO", "000100000102Z", "PECO", false, "{V_MV_CPTE.IDCOMPROBANTE} = '000100000102Z' AND {V_MV_CPTE.TC} = 'PE'",
     OrdenDado, "%CCOMANDA_COCINA.rpt", SinSub},
    {"PEBA", "000100000103Z", "PEBA", false, "{V_MV_CPTE.IDCOMPROBANTE} = '000100000103Z' AND {V_MV_CPTE.TC} = 'PE'",
     OrdenDado, "%CCOMANDA_BAR.rpt", SinSub},
    {"T3", "000100000050X", "T3", false, "({v_mv_cpte.tc} = 'OT') and ({V_MV_CPTE.IDCOMPROBANTE} = '000100000050X' )",
     OrdenDado, "%CRP_MV_3ros.rpt", SinSub},
    {"LQ", "000100000050X", "LQ", false, "{V_MV_CPTE.IDCOMPROBANTE} = '000100000050X' AND {V_MV_CPTE.TC} = 'OT'",
     OrdenDado, "%CRP_Liq_Com.rpt", SinSub},
    {"STK5", "000100000090A", "STK5", false, "", OrdenDado, "%CSTK5-A.rpt", SinSub},
    {"STK5", "000100000090A", "STK5CLIENTE", false, "", OrdenDado, "%CSTK5CLIENTE.rpt", SinSub},
    {"OPG", "000100000202X", "RETIGAN", false,
     "{V_MV_CPTE.TC} = 'OPG ' AND  {V_MV_CPTE.IDCOMPROBANTE} = '000100000202X'", OrdenDado, "%CRETIGAN.rpt", SinSub},
    {"OPG", "000100000202X", "OPG", false,
     "{V_MV_CPTE.TC} = 'OPG ' AND  {V_MV_CPTE.IDCOMPROBANTE} = '000100000202X' and {AUX_MV_CPTE.USUARIO} = '%S'",
     OrdenDado, "%COPG-X.rpt", SubPagos},
    {"PG", "000100000201X", "RETSUSS", false,
     "{V_MV_CPTE.TC} = 'PG  ' AND  {V_MV_CPTE.IDCOMPROBANTE} = '000100000201X'", OrdenDado, "%CRETSUSS.rpt", SinSub},
    {"PG", "000100000201X", "PG", false,
     "{AUX_MV_CPTE.TC} = 'PG  ' AND {AUX_MV_CPTE.USUARIO} = '%S' AND  {AUX_MV_CPTE.IDCOMPROBANTE} = '000100000201X' "
     "AND {AUX_MV_CPTE.IDCOMPLEMENTO} = 0",
     OrdenDado, "%CLiqOPG.rpt", SubPagos},
    {"CB",
     "000100000101A",
     "CB",
     false,
     " {AUX_MV_CPTE.TC} = 'CB  ' AND  {AUX_MV_CPTE.IDCOMPROBANTE} = '000100000101A' AND {AUX_MV_CPTE.IDCOMPLEMENTO} = "
     "0 AND  {AUX_MV_CPTE.USUARIO} = '%S'",
     {""},
     "%CCB-A.rpt",
     SinSub},
    {"AutOt",
     "000100000050X",
     "AutOt",
     false,
     " {V_MV_CPTE.TC} = 'OT  ' AND {V_MV_CPTE.IDCOMPROBANTE} = '000100000050X' AND {V_MV_CPTE.IDCOMPLEMENTO} = 0 AND "
     "{Aux_MV_CPte.USUARIO} = '%E'",
     {"+{Aux_Mv_Cpte.ID}", "+{V_MV_CPTE.TC}"},
     "%CAutOT.rpt",
     SinSub},
    {"FCC ", "000400001520A", "FCC", false, "{C_MV_CPTE.IDCOMPROBANTE} = '000400001520A' AND {C_MV_CPTE.TC} = 'FCC'",
     OrdenDado, "%CCpteCompras.RPT", SubCompras},
    {"NCCP", "000400001521A", "NCCP", false, "{C_MV_CPTE.IDCOMPROBANTE} = '000400001521A' AND {C_MV_CPTE.TC} = 'NCCP'",
     OrdenDado, "%CNCCP-A.rpt", SinSub},
    {"AJ",
     "000100000095X",
     "AJ",
     false,
     " {V_MV_STOCK.TC} = 'AJ' AND {V_MV_STOCK.IDCOMPROBANTE} = '000100000095X' ",
     {"", "+{V_MV_CPTE.TC}"},
     "%CSTK5.rpt",
     SinSub},
};

const char* const Formularios[] = {"FC-B.rpt",
                                   "FC-B-Duplicado.rpt",
                                   "FC-B-Cuadruplicado.rpt",
                                   "OT-X.rpt",
                                   "OT-X2.rpt",
                                   "OP-X.rpt",
                                   "ParteConsumoPE.rpt",
                                   "IR-OC.rpt",
                                   "COMANDA.rpt",
                                   "COMANDA_COCINA.rpt",
                                   "COMANDA_BAR.rpt",
                                   "RP_MV_3ros.rpt",
                                   "RP_Liq_Com.rpt",
                                   "STK5-A.rpt",
                                   "STK5CLIENTE.rpt",
                                   "RETIGAN.rpt",
                                   "OPG-X.rpt",
                                   "RETSUSS.rpt",
                                   "LiqOPG.rpt",
                                   "CB-A.rpt",
                                   "AutOT.rpt",
                                   "CpteCompras.RPT",
                                   "NCCP-A.rpt",
                                   "STK5.rpt",
                                   "FC-A.rpt"};

class Imprimir : public BaseReportes {
protected:
    void SetUp() override
    {
        BaseReportes::SetUp();
        for (const char* f : Formularios)
            archivo(QLatin1String(f));
    }

    // One call as the mailing makes it, with the destination and options given.
    void imprime(const QString& tc, const QString& id, int& destino, const QString& opcion = QString(),
                 bool copiaUnica = false, const QString& clave = QString())
    {
        orden = OrdenDado;
        seleccion.clear();
        ImprimirComprobante(tc, id, QStringLiteral("0"), clave.isNull() ? tc : clave, orden, seleccion,
                            {QStringLiteral("Extra = 'x'")}, destino, false, QString(), opcion, esContable, copiaUnica);
    }

    QStringList orden;
    QString seleccion;
    bool esContable = false;
};

class TablaTipos : public Imprimir, public ::testing::WithParamInterface<CasoTipo> {};

TEST_P(TablaTipos, SelectsSortsAndPrintsTheReportOfTheType)
{
    const CasoTipo& c = GetParam();
    orden = OrdenDado;
    int destino = 0;
    ImprimirComprobante(QLatin1String(c.tc), QLatin1String(c.id), QStringLiteral("0"), QLatin1String(c.clave), orden,
                        seleccion, {}, destino, c.sinClaves, QString(), QStringLiteral("Todos"), esContable, false);
    ASSERT_EQ(trabajos.size(), 1u) << dialogos->mensajes().join(u'\n').toStdString();
    const TrabajoReporte& t = trabajos[0];
    EXPECT_EQ(t.seleccion, texto(c.seleccion));
    EXPECT_EQ(seleccion, t.seleccion) << "the caller gets the formula back";
    EXPECT_EQ(t.orden, c.orden);
    EXPECT_EQ(orden, c.orden);
    EXPECT_EQ(t.archivo, texto(c.archivo));
    EXPECT_EQ(t.subreportes, c.subreportes);
    EXPECT_EQ(t.conexion, u"DSN=demo; UID=demo; PWD=clave");
    EXPECT_EQ(t.destino, 0);
    EXPECT_FALSE(esContable);
    EXPECT_EQ(ObjReporte().Ajuste(), 30);
    EXPECT_TRUE(dialogos->avisos.empty()) << dialogos->mensajes().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tipos, TablaTipos, ::testing::ValuesIn(Casos));

TEST_F(Imprimir, TheFormulasCarryTheCompanyAsStoredApostrophesIncluded)
{
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = 'D''Angelo SA' WHERE Clave = 'NOMBRE'"));
    int destino = 0;
    imprime(QStringLiteral("FC"), QStringLiteral("000200000007B"), destino);
    ASSERT_EQ(trabajos.size(), 1u);
    EXPECT_EQ(
        trabajos[0].formulas,
        (QStringList{"NombreEmpresa = 'D'Angelo SA'", "Direccion = 'Calle Mayor 123  2 B'",
                     "Localidad= 'Villa Ejemplo'", "CodigoPostal= '5500'", "Telefono= 'Telefono:261-4200000'",
                     "Condicion IVA= 'IVA:Responsable Inscripto'", "CUIT= 'CUIT:30-12345678-9'", "Extra = 'x'", ""}));
    EXPECT_EQ(ObjReporte().Formulas(), trabajos[0].formulas);
}

TEST_F(Imprimir, TheCallersSelectionIsJoinedByAndOrReplacedAsTheTypeSays)
{
    int destino = 0;
    const QString dada = QStringLiteral("{V_MV_CPTE.ANULADA} = 0");
    for (const char* tc : {"NCCP", "LQ"}) {
        seleccion = dada;
        ImprimirComprobante(QLatin1String(tc), QStringLiteral("000400001521A"), QStringLiteral("0"), QLatin1String(tc),
                            orden, seleccion, {}, destino, false, QString(), QString(), esContable, false);
    }
    ASSERT_EQ(trabajos.size(), 2u);
    EXPECT_EQ(trabajos[0].seleccion,
              dada + " AND {C_MV_CPTE.IDCOMPROBANTE} = '000400001521A' AND {C_MV_CPTE.TC} = 'NCCP'");
    EXPECT_EQ(trabajos[1].seleccion, u"{V_MV_CPTE.IDCOMPROBANTE} = '000400001521A' AND {V_MV_CPTE.TC} = 'OT'");
}

TEST_F(Imprimir, FormulasLeaveOutWhatTheTypeDoesNotPrint)
{
    int destino = 0;
    imprime(QStringLiteral("AJ"), QStringLiteral("000100000095X"), destino);
    imprime(QStringLiteral("IR"), QStringLiteral("000100000080X"), destino);
    imprime(QStringLiteral("STK5"), QStringLiteral("000100000090A"), destino, QString(), false, QStringLiteral("STK5"));
    ASSERT_EQ(trabajos.size(), 3u);
    EXPECT_EQ(trabajos[0].formulas, QStringList{QString()}) << "a stock voucher hands one empty formula";
    EXPECT_EQ(trabajos[1].formulas, (QStringList{"Extra = 'x'", ""}));
    EXPECT_EQ(trabajos[2].formulas.size(), 7) << "no tax formulas for a stock report key";
}

TEST_F(Imprimir, TheThirdPartyPrintTakesTheCompanyAndAddressAsItsOptionalValues)
{
    int destino = 0;
    imprime(QStringLiteral("T3"), QStringLiteral("000100000050X"), destino);
    ASSERT_EQ(trabajos.size(), 1u);
    const auto& a = trabajos[0].adicionales;
    EXPECT_EQ(a[0].toString(), u"Empresa='La Fonda de Prueba'");
    EXPECT_EQ(a[1].toString(), u"Direccion = 'Calle Mayor 123  2 B'");
    EXPECT_EQ(a[4].toString(), u"Telefono= 'Telefono:261-4200000'");
}

struct CasoDestino {
    const char* descripcion;
    const char* tc;
    const char* id;
    int destino;  // passed
    bool copiaUnica;
    int usado;  // comes back
    int copias;
    const char* impresora;
    const char* puerto;
};

const CasoDestino Destinos[] = {
    {"the type's screen", "FC", "000200000007B", -1, false, 0, 1, "", ""},
    {"a negative number of copies prints one, an empty printer keeps the default", "NC", "000100000040A", -1, false, 1,
     1, "", ""},
    {"e-mail, two and a half copies are two", "ND", "000100000041A", -1, false, 3, 2, "", ""},
    {"a printer text without a bar is the printer's name", "OT", "000100000050X", -1, false, 1, 3, "Matricial", ""},
    {"one copy asked for", "OT", "000100000050X", -1, true, 1, 1, "Matricial", ""},
    {"on screen one copy whatever the type says", "OT", "000100000050X", 0, false, 0, 1, "", ""},
    {"none is the screen", "RM", "000100000031R", -1, false, 0, 1, "", ""},
    {"a type without settings prints to destination 0", "GF", "000100000060A", -1, false, 0, 1, "", ""},
};

class DestinosImpresion : public Imprimir, public ::testing::WithParamInterface<CasoDestino> {};

TEST_P(DestinosImpresion, ChoosesDestinationCopiesAndPrinter)
{
    const CasoDestino& c = GetParam();
    archivo(QStringLiteral("NC-A.rpt"));
    archivo(QStringLiteral("ND-A.rpt"));
    archivo(QStringLiteral("RM-R.rpt"));
    archivo(QStringLiteral("GF-A.rpt"));
    int destino = c.destino;
    imprime(QLatin1String(c.tc), QLatin1String(c.id), destino, QString(), c.copiaUnica);
    EXPECT_EQ(destino, c.usado);
    ASSERT_EQ(int(trabajos.size()), c.copias);
    for (const TrabajoReporte& t : trabajos) {
        EXPECT_EQ(t.destino, c.usado);
        if (c.usado == 1) {
            EXPECT_EQ(t.nombreImpresora, QLatin1String(c.impresora));
            EXPECT_EQ(t.impresora, QLatin1String(c.impresora));
            EXPECT_EQ(t.puerto, QLatin1String(c.puerto));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Destinos, DestinosImpresion, ::testing::ValuesIn(Destinos));

TEST_F(Imprimir, AnElectronicVoucherPrintsEachCopyOfItsPositionWithItsLabel)
{
    ejecuta(QStringLiteral("UPDATE V_TA_UNIDADNEGOCIO SET RUTA_REPORTE = NULL"));
    ejecuta(
        QStringLiteral("UPDATE TA_REPORTES SET ARCHIVO2 = 'FC-A-2', ARCHIVO3 = 'FC-A-3', ARCHIVO4 = 'FC-A-4' "
                       "WHERE NOMBRE = 'FC-A'"));
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '5' WHERE Clave = 'COPIAS_EFACTURA'"));
    for (const char* f : {"FC-A-2.rpt", "FC-A-3.rpt", "FC-A-4.rpt"})
        archivo(QLatin1String(f));
    int destino = -1;
    imprime(QStringLiteral("FC  "), QStringLiteral("000100000012A"), destino);
    EXPECT_EQ(destino, 1);
    const char* const archivos[] = {"FC-A.rpt", "FC-A-2.rpt", "FC-A-3.rpt", "FC-A-4.rpt", "FC-A-4.rpt"};
    const char* const etiquetas[] = {"ORIGINAL", "DUPLICADO", "TRIPLICADO", "TRIPLICADO", "TRIPLICADO"};
    ASSERT_EQ(trabajos.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const TrabajoReporte& t = trabajos[i];
        EXPECT_EQ(t.archivo, rutaReporte(QLatin1String(archivos[i])));
        EXPECT_EQ(t.adicionales[4].toString(), QStringLiteral("CodigoPostal='%1'").arg(QLatin1String(etiquetas[i])));
        EXPECT_EQ(t.nombreImpresora, u"Laser Oficina");
        EXPECT_EQ(t.puerto, u"LPT1");
    }
    EXPECT_EQ(trabajos[0].adicionales[0].toString(), u"NombreEmpresa='La Fonda de Prueba'");
    EXPECT_EQ(trabajos[0].adicionales[1].toString(), u"Localidad='Ingresos Brutos: 901-123456-7'");
    EXPECT_EQ(trabajos[0].adicionales[2].toString(), u"Direccion='Inicio de Actividades: 01/03/2001'");
    EXPECT_EQ(trabajos[0].adicionales[3].toString(),
              u"Encabezado='Calle Mayor 123 (5500) Villa Ejemplo - Mendoza Tel:261-4200000'");
}

TEST_F(Imprimir, SelectiveAndFiscalDefaultsPrintNothingHere)
{
    for (const auto& [tc, id] : {std::pair{"NP", "000100000020X"}, std::pair{"TK", "000100000030T"}}) {
        int destino = -1;
        imprime(QLatin1String(tc), QLatin1String(id), destino);
        EXPECT_EQ(destino, 0) << tc;
    }
    EXPECT_TRUE(trabajos.empty());
    EXPECT_EQ(ObjReporte().Ajuste(), 30);
}

// The mailing asks for the file: selective, fiscal and order-printer types
// are exported like any other, and no ticket is printed.
TEST_F(Imprimir, AFileAskedForIsWrittenWhateverTheTypesDefault)
{
    archivo(QStringLiteral("NP-X.rpt"));
    archivo(QStringLiteral("TK-T.rpt"));
    for (const auto& [tc, id] : {std::pair{"NP", "000100000020X"}, std::pair{"TK", "000100000030T"},
                                 std::pair{"PECO", "000100000102P"}}) {
        int destino = ObjReporte().DestinoArchivo();
        imprime(QLatin1String(tc), QLatin1String(id), destino);
    }
    ASSERT_EQ(trabajos.size(), 3u) << dialogos->mensajes().join(u'\n').toStdString();
    EXPECT_EQ(trabajos[0].archivo, rutaReporte(QStringLiteral("NP-X.rpt")));
    EXPECT_EQ(trabajos[1].archivo, rutaReporte(QStringLiteral("TK-T.rpt")));
    EXPECT_EQ(trabajos[2].archivo, rutaReporte(QStringLiteral("COMANDA_COCINA.rpt")));
    for (const TrabajoReporte& t : trabajos)
        EXPECT_EQ(t.destino, ObjReporte().DestinoArchivo());
}

TEST_F(Imprimir, AccountingTypesPrintTheirJournalEntriesInstead)
{
    int destino = -1;
    ImprimirComprobante(QStringLiteral("AS"), QStringLiteral("000100000301X"), QStringLiteral("0"),
                        QStringLiteral("AS"), orden, seleccion, {}, destino, false, QStringLiteral("2025-03-25"),
                        QStringLiteral("Asientos con Centro de Costo"), esContable, false);
    EXPECT_TRUE(esContable);
    ASSERT_EQ(trabajos.size(), 2u);
    EXPECT_EQ(trabajos[0].archivo, u"AsientoCCosto");
    EXPECT_EQ(ObjReporte().Ajuste(), 10);

    trabajos.clear();
    for (const char* tc : {"NCPE", "RN"}) {
        esContable = false;
        imprime(QLatin1String(tc), QStringLiteral("000100000301X"), destino);
        EXPECT_TRUE(esContable) << tc;
    }
    esContable = true;
    imprime(QStringLiteral("FC"), QStringLiteral("000200000007B"), destino);
    EXPECT_TRUE(trabajos.empty()) << "an accounting call prints only journal entries";
}

TEST_F(Imprimir, AGivenFileIsPrintedOnceAndAMissingOneIsReported)
{
    const QString dado = archivo(QStringLiteral("otros/Especial.RPT"));
    int destino = 1;
    imprime(QStringLiteral("OT"), QStringLiteral("000100000050X"), destino, dado);
    ASSERT_EQ(trabajos.size(), 1u) << "no copy loop";
    EXPECT_EQ(trabajos[0].archivo, dado);
    EXPECT_EQ(trabajos[0].subreportes, SinSub);

    imprime(QStringLiteral("OPG"), QStringLiteral("000100000202X"), destino, dado, false, QStringLiteral("RETIGAN"));
    imprime(QStringLiteral("FCC"), QStringLiteral("000400001520A"), destino, dado);
    ASSERT_EQ(trabajos.size(), 3u);
    EXPECT_EQ(trabajos[1].archivo, rutaReporte(QStringLiteral("RETIGAN.rpt"))) << "a key that names its own report";
    EXPECT_EQ(trabajos[2].archivo, dado);
    EXPECT_EQ(trabajos[2].subreportes, SubCompras);

    trabajos.clear();
    imprime(QStringLiteral("OT"), QStringLiteral("000100000050X"), destino, carpetaReportes + "falta.rpt");
    EXPECT_TRUE(trabajos.empty());
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje,
              QStringLiteral("No se encuentra el Formulario ") + carpetaReportes + "falta.rpt");
    EXPECT_EQ(dialogos->avisos[0].titulo, u"Atención");
    EXPECT_EQ(dialogos->avisos[0].botones, 64);
}

TEST_F(Imprimir, ATypeOutsideTheTableHasNoFileToPrint)
{
    int destino = 0;
    imprime(QStringLiteral("XX"), QStringLiteral("000100000001A"), destino);
    EXPECT_TRUE(trabajos.empty());
    EXPECT_EQ(dialogos->mensajes(), QStringList{"No se encuentra el Formulario "});
}

TEST_F(Imprimir, AFailingReportObjectAsksTheOperatorWhoMayGoOn)
{
    ObjReporte().InstalaMotor(nullptr);
    dialogos->responde(5);
    int destino = 0;
    imprime(QStringLiteral("FC"), QStringLiteral("000200000007B"), destino);
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(u"FC-B.rpt"));
    EXPECT_EQ(ObjReporte().Ajuste(), 30) << "Ignore goes on to the end";
}

TEST_F(Imprimir, AnOrderPrinterDefaultHandsTheKitchenOrderToTheOrderPrinter)
{
    Pseudoterminal pty;
    ASSERT_TRUE(pty.valido());
    VariableTemporal puerto("ESCANEO_PUERTO_COM3", QFile::encodeName(pty.esclavo()));
    RegistroComandera r;
    r.Estacion = ClaveEstacion();
    r.ImpresoraComandera = QStringLiteral("Cocina");
    r.Puerto = QStringLiteral("COM3");
    EscribeComanderas(ArchivoComanderas(), {r});

    int destino = -1;
    imprime(QStringLiteral("PECO"), QStringLiteral("000100000101P"), destino);
    EXPECT_TRUE(trabajos.empty()) << "no report";
    const QByteArray ticket = pty.recibido();
    EXPECT_TRUE(ticket.contains("Milanesa napolitana")) << ticket.toStdString();
    EXPECT_FALSE(ticket.contains("Cerveza tirada")) << "the kitchen ticket leaves out the bar's items";
    EXPECT_EQ(ObjReporte().Ajuste(), 30);
}

}  // namespace
