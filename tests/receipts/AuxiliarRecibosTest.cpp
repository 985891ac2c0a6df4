#include "BaseAuxiliar.h"

namespace {

class AuxiliarRecibos : public BaseAuxiliar {};

TEST_F(AuxiliarRecibos, DemoDocumentsGiveTheirRowsAndFormulas)
{
    struct Caso {
        const char* tc;
        const char* id;
        const char* cuenta;
        QStringList filas;
        QStringList formulas;
    } casos[] = {
        // Three applied vouchers drive a cheque and a VAT withholding; a
        // credit note on the same print is an other credit.
        {"CB",
         "000100000101A",
         "",
         {"1|03/03/2025|FC  -000100000012A|1234,50|Valores a depositar|CH-0012345|011-Banco de la Nación "
          "Argentina|10/04/2025|1770,00|1234,50|   1|0,00",
          "1|05/03/2025|FC  -000100000013A|870,00||||||3415,50||370,00",
          "1|11/03/2025|ND  -000100000002A|100,00||||||870,00||0", "1||||NC  ||NC   000100000004A||234,50||   1"},
         {"Prm_ImporteCpte = '5520,00'", "Prm_ImporteAplicado = '2204.50'", "Prm_ImporteSaldo = '370,00'",
          "Prm_ImporteEnLetras = 'Dos Mil Cuatro Pesos Con Cincuenta'", "Prm_ImporteMP = '2004,50'",
          "Prm_RetGanancias = '0,00'", "Prm_RetIVA = '100,00'", "Prm_RetIBrtos = '0,00'",
          "Prm_DescuentosOtorgados = '0,00'", "Prm_Concepto = 'Cobranza marzo'"}},
        // Five journal lines drive one applied voucher: a card, a line no
        // test knows (skipped within its row), an own cheque, a debit and a
        // discount.
        {"CBCT",
         "000100000102A",
         "",
         {"1|05/03/2025|FC  -000100000013A|500,00|Tarjeta Visa(Propio)|CUP-778|Socio: 4509| Nº Cuotas 3|200,00|3415,50|"
          "   1|370,00",
          "1||||Banco Nación cuenta corriente(Propio)|0000456|999-|28/03/2025|150,00||   1",
          "1||||Débito automático|DB-31|007-Banco de Galicia|21/03/2025|100,00||   1", "1"},
         {"Prm_ImporteCpte = '3415,50'", "Prm_ImporteAplicado = '500.00'", "Prm_ImporteSaldo = '370,00'",
          "Prm_ImporteEnLetras = 'Cuatrocientos Cincuenta Pesos'", "Prm_ImporteMP = '450,00'",
          "Prm_RetGanancias = '0,00'", "Prm_RetIVA = '0,00'", "Prm_RetIBrtos = '0,00'",
          "Prm_DescuentosOtorgados = '50,00'", "Prm_Concepto = 'Cobranza contado'"}},
        // No journal lines: the withheld totals come from the voucher.
        {"cbfp",
         "000100000103A",
         "",
         {"1|07/03/2025|FC  -000200000007B|350,75||||||350,75||0"},
         {"Prm_ImporteCpte = '350,75'", "Prm_ImporteAplicado = '350.75'", "Prm_ImporteSaldo = '0,00'",
          "Prm_ImporteEnLetras = 'Cero Pesos'", "Prm_ImporteMP = '0,00'", "Prm_RetGanancias = '10,00'",
          "Prm_RetIVA = '20,00'", "Prm_RetIBrtos = '5,00'", "Prm_DescuentosOtorgados = '0,00'",
          "Prm_Concepto = ''"}},
        // A purchase voucher found only in the journal (its sub-journal date)
        // beside an own cheque, cash and an income-tax withholding; a
        // purchase credit note on the print.
        {"PG",
         "000100000201A",
         "2001",
         {"1|28/02/2025|FCC -000400001520A|800,00|Banco Nación cuenta corriente(Propio)|0000789|011-Banco de la Nación "
          "Argentina|24/04/2025|500,00|1500,00|   1|700,00",
          "1||||Caja||||100,00||   1", "1", "1||||NCC ||NCC  000400000211A||100,00||   1"},
         {"Prm_ImporteCpte = '1500,00'", "Prm_ImporteAplicado = '800.00'", "Prm_ImporteSaldo = '700,00'",
          "Prm_ImporteEnLetras = 'Setecientos Pesos'", "Prm_ImporteMP = '700,00'", "Prm_RetGanancias = '100,00'",
          "Prm_RetIVA = '0,00'", "Prm_RetIBrtos = '0,00'", "Prm_DescuentosOtorgados = '0,00'",
          "Prm_Concepto = 'Pago a proveedor'"}},
        // The purchase system's voucher view; an applied voucher found
        // nowhere leaves its date and total empty.
        {"OPG",
         "000100000202A",
         "2002",
         {"1|08/03/2025|FCC -001200004410B|300,00|Débito automático|DB-99|007-Banco de "
          "Galicia|25/03/2025|350,00|300,00|   1|0,00",
          "1||FCC -001200009999B|50,00||||||||0"},
         {"Prm_ImporteCpte = '300,00'", "Prm_ImporteAplicado = '350.00'", "Prm_ImporteSaldo = '0,00'",
          "Prm_ImporteEnLetras = 'Trescientos Cincuenta Pesos'", "Prm_ImporteMP = '350,00'",
          "Prm_RetGanancias = '0,00'", "Prm_RetIVA = '0,00'", "Prm_RetIBrtos = '0,00'",
          "Prm_DescuentosOtorgados = '0,00'", "Prm_Concepto = 'Débito de proveedor'"}},
    };
    for (const Caso& c : casos) {
        formulas = QStringList{"previa"};
        genera(c.tc, c.id, c.cuenta);
        EXPECT_EQ(filas(), c.filas) << c.tc;
        EXPECT_EQ(formulas, QStringList{"previa"} + c.formulas) << c.tc;
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(AuxiliarRecibos, DrawerDataFollowsTheChequeNumberOnlyWhenConfigured)
{
    struct Caso {
        QString valor;
        const char* observaciones;
        const char* numero;
    } casos[] = {
        {"SI", "20/12345678/9", "CH-0012345 (20-12345678-9)"},
        {"si", " 20/1/9 ", "CH-0012345 (20-1-9)"},
        {"SI", "   ", "CH-0012345"},
        {"NO", "20/12345678/9", "CH-0012345"},
        {"SI ", "20/12345678/9", "CH-0012345"},
        {QString(), "20/12345678/9", "CH-0012345"},
    };
    for (const Caso& c : casos) {
        fijaClave("IncluirCuitLibrador", c.valor);
        ejecuta(QStringLiteral("UPDATE MV_ASIENTOS SET TJ_OBSERVACIONES = '%1' WHERE CUENTA = '1.1.02'")
                    .arg(c.observaciones));
        genera("CB", "000100000101A");
        EXPECT_EQ(columnas({5}).value(0), c.numero) << c.valor.toStdString() << c.observaciones;
    }
}

TEST_F(AuxiliarRecibos, SourcesPairUpRowByRow)
{
    // Each row: its date, the means of payment shown and the balance.
    struct Caso {
        const char* nombre;
        const char* cuenta;
        const char* cuentaAplicada;
        QStringList origenes;
        QStringList asientos;
        QStringList filas;
    } casos[] = {
        // A purchase voucher is read from the purchase view only when the
        // applied vouchers drive.
        {"equal counts", "", "1001", {"FCC 001200004410B"}, {"1.1.01"}, {"08/03/2025|Caja|0,00"}},
        {"one cash line for three vouchers",
         "",
         "1001",
         {"FC  000100000012A", "FC  000100000013A", "ND  000100000002A"},
         {"1.1.01"},
         {"03/03/2025|Caja|0,00", "05/03/2025||370,00", "11/03/2025||0"}},
        {"an unknown line before the cash",
         "",
         "1001",
         {"FC  000100000012A", "FC  000100000013A", "ND  000100000002A"},
         {"1001", "1.1.01"},
         {"03/03/2025|Caja|0,00", "05/03/2025||370,00", "11/03/2025||0"}},
        {"journal lines drive, the last one unknown",
         "",
         "1001",
         {"ND  000100000002A"},
         {"1.1.01", "1.1.05", "1001"},
         {"11/03/2025|Caja|0", "|Tarjeta Visa(Propio)|", "||"}},
        // The document's own posting to the account is no means of payment,
        // unless it is a cheque account.
        {"counterpart cash", "1.1.01", "1.1.01", {"FC  000100000012A"}, {"1.1.01"}, {"||0"}},
        {"counterpart debit", "1.1.04", "1.1.04", {"FC  000100000012A"}, {"1.1.04"}, {"||0"}},
        {"counterpart card", "1.1.05", "1.1.05", {"FC  000100000012A"}, {"1.1.05"}, {"||0"}},
        {"counterpart cheque", "1.1.02", "1.1.02", {"FC  000100000012A"}, {"1.1.02"}, {"|Valores a depositar|0"}},
        {"counterpart own cheque",
         "1.1.03",
         "1.1.03",
         {"FC  000100000012A"},
         {"1.1.03"},
         {"|Banco Nación cuenta corriente|0"}},
        {"applied on another account", "1.1.01", "1001", {"FC  000100000012A"}, {"1.1.01"}, {"|Caja|0"}},
        // Past the last applied voucher there is nothing to be the counterpart of.
        {"counterpart without an applied row",
         "1.1.01",
         "1.1.01",
         {"FC  000100000012A"},
         {"1.1.05", "1.1.01"},
         {"|Tarjeta Visa(Propio)|0", "|Caja|"}},
    };
    for (const Caso& c : casos) {
        ejecuta("DELETE FROM MV_APLICACION WHERE TC_PRINT = 'CB' AND IDCOMPROBANTE_PRINT = '000100000150A'");
        ejecuta("DELETE FROM MV_ASIENTOS WHERE TC = 'CB' AND NUMERO = '00000150'");
        documento("CB  ", "000100000150A", c.cuentaAplicada, c.origenes, c.asientos);
        genera("CB", "000100000150A", c.cuenta);
        EXPECT_EQ(columnas({1, 4, 11}), c.filas) << c.nombre;
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

}
