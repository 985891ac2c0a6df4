#include "receipts/AuxiliarRecibos.h"

#include "BaseRecibos.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "support/FormatosDePrueba.h"

#include <QRegularExpression>

namespace {

class AuxiliarRecibos : public BaseRecibos {
protected:
    ConFormatoNumerico formato{FormatoComa()};
    QStringList formulas{"previa"};

    void genera(const QString& tc, const QString& id, const QString& cuenta = QString(), int copias = 1,
                int items = -1)
    {
        GeneraAuxiliarRecibo_PagoCobranza(tc, id.mid(0, 4), id.mid(4, 8), id.mid(12, 1), cuenta, formulas, copias,
                                          items);
    }

    // This workstation's rows in ID order: the copy number, then columns 1 to
    // 11 joined by "|" (nulls empty, the trailing empty ones left out).
    QStringList filas(const QString& condicion = QString())
    {
        ConexionDatos& cn = ConexionPrincipal();
        auto rs = cn.AbreRecordset("SELECT * FROM AUX_MV_CPTE WHERE USUARIO = 'PUESTO1|DEMO'" + condicion
                                   + " ORDER BY ID");
        QStringList resultado;
        for (; !rs->EOF(); rs->MoveNext()) {
            QStringList partes{rs->Campo("TIPO").toString()};
            for (int i = 1; i <= 11; ++i)
                partes << rs->Campo(QStringLiteral("COLUMNA%1").arg(i)).toString();
            while (partes.last().isEmpty())
                partes.removeLast();
            resultado << partes.join(u'|');
        }
        return resultado;
    }
};

TEST_F(AuxiliarRecibos, JournalLinesDriveWhenTheyOutnumberTheAppliedVouchers)
{
    genera("CBCT", "000100000102A");
    EXPECT_EQ(filas(), (QStringList{
                           "1|05/03/2025|FC  -000100000013A|500,00|Tarjeta Visa(Propio)|CUP-778|Socio: 4509| Nº Cuotas "
                           "3|200,00|870,00|   1|370,00",
                           "1||||Banco Nación cuenta corriente(Propio)|0000456|999-|28/03/2025|150,00||   1",
                           "1||||Débito automático|DB-31|007-Banco de Galicia|21/03/2025|100,00||   1",
                           "1",
                       }));
    EXPECT_EQ(formulas.mid(4, 1), QStringList{"Prm_ImporteEnLetras = 'Cuatrocientos Cincuenta Pesos'"});
    EXPECT_EQ(formulas.mid(9), (QStringList{"Prm_DescuentosOtorgados = '50,00'", "Prm_Concepto = 'Cobranza contado'"}));
}

TEST_F(AuxiliarRecibos, VoucherFoundNowhereLeavesDateAndTotalEmpty)
{
    genera("OPG", "000100000202A", "2002");
    EXPECT_EQ(filas(), (QStringList{"1|08/03/2025|FCC -001200004410B|300,00|Débito automático|DB-99|007-Banco de "
                                    "Galicia|25/03/2025|350,00|300,00|   1|0,00",
                                    "1||FCC -001200009999B|50,00||||||||0"}));
    EXPECT_EQ(formulas.value(0), "previa");
    EXPECT_EQ(formulas.value(2), "Prm_ImporteAplicado = '350.00'");
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(AuxiliarRecibos, WithoutJournalLinesTheVoucherGivesTheWithheldTotals)
{
    genera("cbfp", "000100000103A");
    EXPECT_EQ(formulas.mid(6, 3), (QStringList{"Prm_RetGanancias = '10,00'", "Prm_RetIVA = '20,00'",
                                               "Prm_RetIBrtos = '5,00'"}));
}

TEST_F(AuxiliarRecibos, PaddingAndCopies)
{
    genera("PG", "000100000201A", "2001", 3, 6);
    EXPECT_EQ(filas(" AND TIPO = '1'").size(), 6);
    EXPECT_EQ(filas(" AND TIPO = '3'"), filas(" AND TIPO = '1'").replaceInStrings(QRegularExpression("^1"), "3"));
    EXPECT_EQ(filas().size(), 18);
}

}
