#include "BaseAuxiliar.h"

#include "services/Modulo.h"

#include <algorithm>

namespace {

class CierreRecibos : public BaseAuxiliar {
protected:
    // Rows of the document on another workstation, which this one never
    // deletes, counts or copies.
    void filasDeOtroPuesto()
    {
        for (int i = 0; i < 2; ++i)
            ejecuta("INSERT INTO AUX_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, USUARIO, COLUMNA4, TIPO) "
                    "VALUES ('PG', '000100000201A', 0, 'PUESTO2|OTRO', 'ajena', '1')");
    }
    long filasDeOtroPuestoQuedan() { return cuenta("AUX_MV_CPTE WHERE USUARIO = 'PUESTO2|OTRO'"); }
};

QString aplicacion(const char* cuenta, const char* tc, const char* id, double importe, const char* tcPrint,
                   const char* idPrint)
{
    return QStringLiteral("INSERT INTO MV_APLICACION (CUENTA, TC, IDCOMPROBANTE, TCO_ORIGEN, IDCOMPROBANTE_ORIGEN, "
                          "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE, TC_PRINT, IDCOMPROBANTE_PRINT) "
                          "VALUES ('%1', '%2', '%3', 'FC  ', '000100000012A', '0001', '00000012', 'A', %4, '%5', '%6')")
        .arg(cuenta, tc, id)
        .arg(importe)
        .arg(tcPrint, idPrint);
}

TEST_F(CierreRecibos, OtherCreditsListTheCreditsOnThePrintButTheDocumentItself)
{
    struct Caso {
        const char* tc;
        const char* id;
        const char* cuenta;
        QStringList antes;
        QStringList creditos;
        const char* importeMP;
    } casos[] = {
        // The type as the caller spells it still excludes the document.
        {"cb", "000100000101A", "", {}, {"1||||NC  ||NC   000100000004A||234,50||   1"}, "2004,50"},
        // Another receipt on the same print is a credit.
        {"CB",
         "000100000101A",
         "",
         {aplicacion("1001", "CB  ", "000100000150A", 75.25, "CB  ", "000100000101A")},
         {"1||||CB  ||CB   000100000150A||75,25||   1", "1||||NC  ||NC   000100000004A||234,50||   1"},
         "2079,75"},
        // Only the payment order's account, and only the payment types.
        {"PG",
         "000100000201A",
         "2001",
         {aplicacion("2009", "NCC ", "000400000299A", 40, "PG  ", "000100000201A"),
          aplicacion("2001", "NC  ", "000100000004A", 40, "PG  ", "000100000201A")},
         {"1||||NCC ||NCC  000400000211A||100,00||   1"},
         "700,00"},
        // Types of neither family have no other credits.
        {"IVA",
         "000100000301A",
         "",
         {aplicacion("1001", "NC  ", "000100000004A", 60, "IVA ", "000100000301A"),
          "INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, CUENTA, IMPORTE) "
          "VALUES ('IVA ', '0001', '00000301', 'A', '1.1.01', 60)"},
         {},
         "60,00"},
    };
    for (const Caso& c : casos) {
        for (const QString& sql : c.antes)
            ejecuta(sql);
        genera(c.tc, c.id, c.cuenta);
        QStringList creditos = filas(" AND COLUMNA6 IS NOT NULL AND COLUMNA5 IS NULL");
        std::sort(creditos.begin(), creditos.end());
        EXPECT_EQ(creditos, c.creditos) << c.tc;
        EXPECT_EQ(formulas.value(5), QStringLiteral("Prm_ImporteMP = '%1'").arg(c.importeMP)) << c.tc;
    }
}

TEST_F(CierreRecibos, PaddingFillsEveryCopyToTheItemsPerReceipt)
{
    // The payment order prints four rows of its own.
    struct Caso {
        int items;
        int copias;
        int filasPorCopia;
        int copiasHechas;
    } casos[] = {
        {-1, 1, 4, 1}, {0, 0, 4, 1}, {3, 1, 4, 1}, {4, 2, 4, 2}, {10, 1, 10, 1}, {6, 3, 6, 3}, {-1, 2, 4, 2},
    };
    filasDeOtroPuesto();
    for (const Caso& c : casos) {
        genera("PG", "000100000201A", "2001", c.copias, c.items);
        const QString caso = QStringLiteral("items %1 copies %2").arg(c.items).arg(c.copias);
        const QStringList primera = filas(" AND TIPO = '1'");
        EXPECT_EQ(primera.size(), c.filasPorCopia) << caso.toStdString();
        EXPECT_EQ(primera.count("1||||  "), std::max(0, c.items - 4)) << caso.toStdString();
        for (int k = 2; k <= c.copiasHechas; ++k) {
            const QString tipo = QString::number(k);
            QStringList esperadas = primera;
            for (QString& fila : esperadas)
                fila.replace(0, 1, tipo);
            EXPECT_EQ(filas(" AND TIPO = '" + tipo + "'"), esperadas) << caso.toStdString();
        }
        EXPECT_EQ(filas().size(), c.filasPorCopia * c.copiasHechas) << caso.toStdString();
    }
    EXPECT_EQ(filasDeOtroPuestoQuedan(), 2);
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(CierreRecibos, EmptyDocumentOnlyClearsThisWorkstationsRows)
{
    filasDeOtroPuesto();
    genera("PG", "000100000201A", "2001");
    const QStringList antes = formulas;
    genera("CB", "000100000999A", "", 3, 10);
    EXPECT_TRUE(filas().isEmpty());
    EXPECT_EQ(filasDeOtroPuestoQuedan(), 2);
    EXPECT_EQ(formulas, antes);
}

TEST_F(CierreRecibos, WorkstationKeyWithAnApostropheStillKeysItsRows)
{
    Modulo().ClaveEstacionSesion = "PUESTO'1|DEMO";
    for (int vez = 0; vez < 2; ++vez) {
        genera("PG", "000100000201A", "2001", 2, 6);
        EXPECT_EQ(cuenta("AUX_MV_CPTE WHERE USUARIO = 'PUESTO''1|DEMO' AND TIPO = '2'"), 6);
        EXPECT_EQ(cuenta("AUX_MV_CPTE WHERE USUARIO = 'PUESTO''1|DEMO'"), 12);
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(CierreRecibos, WithheldTotalsComeFromTheVoucherOnlyWithoutJournalLines)
{
    struct Caso {
        const char* tc;
        const char* id;
        const char* antes;
        QStringList totales;
    } casos[] = {
        {"cbfp", "000100000103A", "", {"10,00", "20,00", "5,00", "0,00"}},
        {"CB", "000100000101A", "DELETE FROM MV_ASIENTOS WHERE TC = 'CB' AND NUMERO = '00000101'",
         {"0,00", "100,00", "0,00", "0,00"}},
        // Journal lines that withhold nothing keep their zero totals.
        {"CBCT", "000100000102A", "DELETE FROM MV_ASIENTOS WHERE TC = 'CBCT' AND CUENTA = '4.1.01'",
         {"0,00", "0,00", "0,00", "0,00"}},
    };
    for (const Caso& c : casos) {
        if (*c.antes)
            ejecuta(c.antes);
        formulas = QStringList{"previa"};
        genera(c.tc, c.id);
        EXPECT_EQ(formulas.mid(6, 4), (QStringList{"Prm_RetGanancias = '" + c.totales[0] + "'",
                                                   "Prm_RetIVA = '" + c.totales[1] + "'",
                                                   "Prm_RetIBrtos = '" + c.totales[2] + "'",
                                                   "Prm_DescuentosOtorgados = '" + c.totales[3] + "'"}))
            << c.tc;
    }
}

TEST_F(CierreRecibos, FormulaListIsRebuiltFromIndexOneWithTheWordsInProperCase)
{
    documento("CB  ", "000100000150A", "1001", {"FC  000100000012A"}, {"1.1.01"});
    ejecuta("UPDATE MV_ASIENTOS SET IMPORTE = 1250.5 WHERE TC = 'CB' AND NUMERO = '00000150'");
    const QStringList llamadas[] = {{}, {"previa"}, {"previa", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}};
    for (const QStringList& llamada : llamadas) {
        formulas = llamada;
        genera("CB", "000100000150A");
        ASSERT_EQ(formulas.size(), 11) << llamada.size();
        EXPECT_EQ(formulas[0], llamada.value(0));
        EXPECT_EQ(formulas[4], "Prm_ImporteEnLetras = 'Un Mil Doscientos Cincuenta Pesos Con Cincuenta'");
        EXPECT_EQ(formulas[5], "Prm_ImporteMP = '1250,50'");
    }
}

TEST_F(CierreRecibos, StatementErrorsPassSilently)
{
    // No balances and no bank names: those columns alone stay unknown.
    ejecuta("DROP TABLE VE_SALDOAPLICACION");
    ejecuta("DROP TABLE V_TA_BANCOS");
    genera("CB", "000100000101A", "", 2, 5);
    EXPECT_EQ(columnas({2, 4, 6, 8, 11}).mid(0, 3),
              (QStringList{"FC  -000100000012A|Valores a depositar||1770,00|0", "FC  -000100000013A||||0",
                           "ND  -000100000002A||||0"}));
    EXPECT_EQ(filas().size(), 10);
    EXPECT_EQ(formulas.mid(3, 5).join(u'|'), "Prm_ImporteSaldo = '0,00'|Prm_ImporteEnLetras = 'Dos Mil Cuatro Pesos "
                                              "Con Cincuenta'|Prm_ImporteMP = '2004,50'|Prm_RetGanancias = "
                                              "'0,00'|Prm_RetIVA = '100,00'");
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(CierreRecibos, OtherErrorsAskAndTheAnswerDecides)
{
    // The voucher view lacks a withheld-total column.
    ejecuta("ALTER TABLE V_MV_CPTE RENAME COLUMN RETGAN_IMPORTE TO RETGAN_OTRO");
    struct Caso {
        std::vector<int> respuestas;
        QStringList totales;
    } casos[] = {
        {{5}, {"Prm_RetGanancias = '0,00'", "Prm_RetIVA = '20,00'", "Prm_RetIBrtos = '5,00'"}},
        {{4, 5}, {"Prm_RetGanancias = '0,00'", "Prm_RetIVA = '20,00'", "Prm_RetIBrtos = '5,00'"}},
        // Abort leaves at once: the rows stay, the caller's list too.
        {{3}, {}},
    };
    for (const Caso& c : casos) {
        dialogos->avisos.clear();
        for (int r : c.respuestas)
            dialogos->responde(r);
        formulas = QStringList{"previa"};
        genera("CBFP", "000100000103A", "", 2);
        EXPECT_EQ(dialogos->avisos.size(), c.respuestas.size());
        for (const auto& aviso : dialogos->avisos)
            EXPECT_TRUE(aviso.titulo.contains("GeneraAuxiliarRecibo_PagoCobranza")) << aviso.titulo.toStdString();
        EXPECT_EQ(formulas.mid(6, 3), c.totales);
        EXPECT_EQ(filas().size(), 2);
    }
}

}
