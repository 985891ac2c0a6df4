#include "receipts/CuentasRecibos.h"

#include "BaseRecibos.h"

namespace {

class CuentasRecibos : public BaseRecibos {
protected:
    QStringList especiales(bool cobranza)
    {
        QString iva = "x", ib = "x", gan = "x", descuento = "x";
        CuentaIVADF(iva, ib, gan, descuento, cobranza);
        return {iva, ib, gan, descuento};
    }
};

TEST_F(CuentasRecibos, SpecialAccountsFallBackToCommonColumnsAndConfiguredDiscount)
{
    EXPECT_EQ(especiales(true), (QStringList{"2.1.01", "2.1.02", "2.1.03", "4.1.01"}));
    // Blank payment-order columns take the common ones and the configured discount.
    EXPECT_EQ(especiales(false), (QStringList{"2.1.01", "2.1.02", "2.2.03", "4.1.02"}));

    ejecuta("UPDATE TA_CUENTASIVA SET CB_RETIVA = ' ', CFI_RETPERC = NULL");
    EXPECT_EQ(especiales(true).first(), "");

    ejecuta("UPDATE TA_CUENTASIVA SET CB_DESCUENTO = '  '");
    fijaClave("CuentaDesCuentosObtenidos", QString());
    EXPECT_EQ(especiales(true).last(), " ");

    fijaClave("CuentaDesCuentosObtenidos", "4.1.02");
    ejecuta("DELETE FROM TA_CUENTASIVA");
    EXPECT_EQ(especiales(false), (QStringList{"", "", "", "4.1.02"}));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(CuentasRecibos, ExisteCuentaTriesTheOtherColumn)
{
    struct Caso {
        QString codigo;
        bool porOpcional;
        bool existe;
        QString codigoFinal;
        bool porOpcionalFinal;
    } casos[] = {
        {"1.1.01", false, true, "1.1.01", false},
        {"CAJA", false, true, "1.1.01", true},
        {"VISA", true, true, "1.1.05", true},
        // Found by the code after the optional code: the code is left as given.
        {"1.1.05", true, true, "1.1.05", true},
        {"NADA", false, false, "NADA", false},
        // An apostrophe is a value like any other.
        {"O'Brien", false, false, "O'Brien", false},
    };
    for (const Caso& c : casos) {
        QString codigo = c.codigo;
        bool porOpcional = c.porOpcional;
        std::unique_ptr<Recordset> rs;
        EXPECT_EQ(ExisteCuenta(codigo, rs, true, porOpcional), c.existe) << c.codigo.toStdString();
        EXPECT_EQ(codigo, c.codigoFinal) << c.codigo.toStdString();
        EXPECT_EQ(porOpcional, c.porOpcionalFinal) << c.codigo.toStdString();
        if (c.existe) {
            EXPECT_EQ(rs->Campo("CODIGO").toString(), c.codigoFinal);
        }
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(CuentasRecibos, ThreeArgumentTestsFindByCodeOrOptionalCode)
{
    using Prueba = bool (*)(const QString&, QString&, const QString&);
    struct Caso {
        Prueba prueba;
        const char* opcional;
        const char* codigo;
        bool resultado;
        const char* descripcion;
    } casos[] = {
        {EsCuentaEfectivoRetencion, "", "1.1.01", true, "Caja"},
        {EsCuentaEfectivoRetencion, "CAJA", "", true, "Caja"},
        // Through the code column as well, when the optional code misses.
        {EsCuentaEfectivoRetencion, "1.1.01", "", true, "Caja"},
        {EsCuentaEfectivoRetencion, "", "1.1.05", false, "Tarjeta Visa"},
        {EsCuentaEfectivoRetencion, "  ", "", false, ""},
        {EsCuentaCheque, "", "1.1.02", true, "Valores a depositar"},
        {EsCuentaCheque, "", "1.1.03", true, "Banco Nación cuenta corriente"},
        {EsCuentaCheque, "VALORES", "", true, "Valores a depositar"},
        {EsCuentaCheque, "1.1.02", "", false, "sin tocar"},
        {EsCuentaCheque, "", "1.1.01", false, "Caja"},
        {EsCuentaTarjeta, "", "1.1.05", true, "Tarjeta Visa"},
        {EsCuentaTarjeta, "VISA", "", true, "Tarjeta Visa"},
        {EsCuentaTarjeta, "1.1.05", "", false, "sin tocar"},
        {EsCuentaTarjeta, "", "", false, "sin tocar"},
    };
    for (const Caso& c : casos) {
        QString descripcion = "sin tocar";
        EXPECT_EQ(c.prueba(c.opcional, descripcion, c.codigo), c.resultado) << c.opcional << c.codigo;
        EXPECT_EQ(descripcion, c.descripcion) << c.opcional << c.codigo;
    }
}

TEST_F(CuentasRecibos, FourArgumentTestsReturnTheAccountCode)
{
    using Prueba = bool (*)(const QString&, QString&, const QString&, QString&);
    struct Caso {
        Prueba prueba;
        const char* opcional;
        const char* codigo;
        bool resultado;
        const char* codigoFinal;
        const char* descripcion;
    } casos[] = {
        {EsCuentaChequePropio, "", "1.1.03", true, "1.1.03", "Banco Nación cuenta corriente"},
        {EsCuentaChequePropio, "BNA", "", true, "1.1.03", "Banco Nación cuenta corriente"},
        // A cheque account that is not an own bank account.
        {EsCuentaChequePropio, "", "1.1.02", false, "1.1.02", "Valores a depositar"},
        {EsCuentaChequePropio, "", " 1.1.04 ", false, "1.1.04", "Débito automático"},
        {EsCuentaChequePropio, "", "  ", false, "  ", "sin tocar"},
        {EsCuentaDebito, "", "1.1.04", true, "1.1.04", "Débito automático"},
        {EsCuentaDebito, "", "1.1.01", false, "1.1.01", "Caja"},
        {EsCuentaDebito, "CAJA", "x", false, "1.1.01", "Caja"},
        {EsCuentaDebito, "", "9.9.99", false, "9.9.99", "sin tocar"},
    };
    for (const Caso& c : casos) {
        QString codigo = c.codigo, descripcion = "sin tocar";
        EXPECT_EQ(c.prueba(c.opcional, codigo, "no leído", descripcion), c.resultado) << c.opcional << c.codigo;
        EXPECT_EQ(codigo, c.codigoFinal) << c.opcional << c.codigo;
        EXPECT_EQ(descripcion, c.descripcion) << c.opcional << c.codigo;
    }
}

}
