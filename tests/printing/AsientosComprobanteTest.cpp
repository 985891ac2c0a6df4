#include "printing/AsientosComprobante.h"

#include "BaseReportes.h"
#include "services/Objetos.h"

namespace {

QString seleccion(int mes, int asiento)
{
    return QStringLiteral(
               "{MV_ASIENTOS.PERIODO} = '2025' AND {MV_ASIENTOS.TC} = 'AS' AND {MV_ASIENTOS.SUCURSAL} = "
               "'0001' AND {MV_ASIENTOS.NUMERO} = '00000301' AND {MV_ASIENTOS.LETRA} = 'X' AND "
               "{MV_ASIENTOS.MES_OPERATIVO} = %1 AND {MV_ASIENTOS.NUMERO ASIENTO} = %2")
        .arg(mes)
        .arg(asiento);
}

using Asientos = BaseReportes;

TEST_F(Asientos, EachEntryOfTheVoucherOnTheDateIsPreviewedInTheOrderReturned)
{
    ObjReporte().setDestino(ObjReporte().DestinoImpresora());
    ProcesaAsientosComprobante(QStringLiteral("AS  "), QStringLiteral("000100000301X"), QStringLiteral("2025-03-25"),
                               false);
    ASSERT_EQ(trabajos.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const TrabajoReporte& t = trabajos[i];
        EXPECT_EQ(t.seleccion, seleccion(3, int(i) + 1));
        EXPECT_EQ(t.archivo, u"Asientos");
        EXPECT_EQ(t.destino, ObjReporte().DestinoPantalla());
        EXPECT_TRUE(t.opcion);
        EXPECT_EQ(t.orden, QStringList{QString()});
        EXPECT_EQ(t.conexion, u"DSN=demo; UID=demo; PWD=clave");
        EXPECT_EQ(t.adicionales[0].toString(), u"EMPRESA = 'La Fonda de Prueba'");
        EXPECT_EQ(t.adicionales[1].toString(), u"ENQUEMONEDA = '1'");
        EXPECT_FALSE(t.adicionales[2].isValid());
        EXPECT_EQ(t.subreportes, (std::array<QString, 3>{}));
    }
    EXPECT_EQ(trabajos[1].ajuste, 10) << "the first entry's print left the adjustment at 10";
    EXPECT_EQ(ObjReporte().Ajuste(), 10);
}

TEST_F(Asientos, TheDateMayBeTypedOrLeftOutAndTheCostCentreLayoutHasItsSubreport)
{
    ProcesaAsientosComprobante(QStringLiteral("AS"), QStringLiteral("000100000301X"), QStringLiteral("25/03/2025"),
                               true);
    ASSERT_EQ(trabajos.size(), 2u);
    EXPECT_EQ(trabajos[0].archivo, u"AsientoCCosto");
    EXPECT_EQ(trabajos[0].subreportes[0], u"AsientoSueldosCC");

    trabajos.clear();
    ProcesaAsientosComprobante(QStringLiteral("AS"), QStringLiteral("000100000301X"), QString(), false);
    ASSERT_EQ(trabajos.size(), 3u) << "an empty date takes every date";
    EXPECT_EQ(trabajos[2].seleccion, seleccion(4, 3));
}

TEST_F(Asientos, AVoucherWithoutLinesOnTheDatePrintsNothing)
{
    ProcesaAsientosComprobante(QStringLiteral("AS"), QStringLiteral("000100000301X"), QStringLiteral("2025-03-26"),
                               false);
    ProcesaAsientosComprobante(QStringLiteral("NCPE"), QStringLiteral("000100000001A"), QString(), false);
    EXPECT_TRUE(trabajos.empty());
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(Asientos, KeysAreTrimmedTheMonthGoesAsItIsAndTextsAreLiterals)
{
    ImprimeAsiento(QStringLiteral(" AS "), QStringLiteral(" 0001"), QStringLiteral("00000301 "), QStringLiteral(" X"),
                   QStringLiteral(" 7"), QStringLiteral(" 3 "), QStringLiteral("O'Higgins"), false, false);
    ASSERT_EQ(trabajos.size(), 1u);
    EXPECT_EQ(
        trabajos[0].seleccion,
        u"{MV_ASIENTOS.PERIODO} = 'O''Higgins' AND {MV_ASIENTOS.TC} = 'AS' AND {MV_ASIENTOS.SUCURSAL} = '0001' "
        "AND {MV_ASIENTOS.NUMERO} = '00000301' AND {MV_ASIENTOS.LETRA} = 'X' AND {MV_ASIENTOS.MES_OPERATIVO} =  7 "
        "AND {MV_ASIENTOS.NUMERO ASIENTO} = 3");
    EXPECT_EQ(trabajos[0].destino, ObjReporte().DestinoImpresora());
}

TEST_F(Asientos, AReportObjectThatFailsReachesTheCaller)
{
    ObjReporte().InstalaMotor(nullptr);
    EXPECT_THROW(
        ImprimeAsiento(QStringLiteral("AS"), QStringLiteral("0001"), QStringLiteral("00000301"), QStringLiteral("X"),
                       QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("2025"), false, true),
        Err);
}

}  // namespace
