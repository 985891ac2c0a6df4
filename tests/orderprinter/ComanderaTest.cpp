#include "BaseComandera.h"

#include "orderprinter/Comandera.h"
#include "platform/base/FormatoNumerico.h"

#include <QDateTime>

namespace {

constexpr int16_t Si = -1;

QByteArray Modo(char modo, char justificacion)
{
    return QByteArray("\x1b\x21", 2) + modo + '\r' + QByteArray("\x1b\x61", 2) + justificacion;
}

QByteArray Linea(const QByteArray& texto = QByteArray())
{
    return texto + '\n';
}

const QByteArray Corte("\x1d\x56\x00", 3);

class ComanderaTest : public BaseComandera {
protected:
    void SetUp() override
    {
        BaseComandera::SetUp();
        RegistroComandera r = registro(QStringLiteral("Cocina"), QStringLiteral("com3 "));
        r.ImprimeEncabezado1 = QStringLiteral("S");
        r.ImprimeEncabezado2 = QStringLiteral("S");
        r.Encabezado2 = QStringLiteral("Av. Siempre Viva 742");
        r.ImprimeNumero = QStringLiteral("S");
        r.ImprimeCliente = QStringLiteral("S");
        r.ImprimePie = QStringLiteral("S");
        r.Pie = QStringLiteral("Gracias por su visita");
        escribe({r});
        formatoAnterior_ = instalaFormatoNumerico(FormatoNumerico{});
    }
    void TearDown() override
    {
        instalaFormatoNumerico(formatoAnterior_);
        BaseComandera::TearDown();
    }

    // What reached the printer, with the date line checked and taken out.
    QByteArray imprime(const QString& tc, const QString& id, int16_t cocina, int16_t barra,
                       const QString& impresora = QStringLiteral("Comandera : Cocina"))
    {
        const QString antes = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yy HH:mm"));
        ImprimeEnComandera(tc, id, impresora, cocina, barra);
        const QString despues = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yy HH:mm"));
        QByteArray recibido = pty.recibido();
        for (const QString& fecha : {antes, despues})
            if (recibido.contains(Linea(fecha.toLatin1())))
                return recibido.replace(Linea(fecha.toLatin1()), Linea("<fecha>"));
        ADD_FAILURE() << "no date line in " << recibido.toStdString();
        return recibido;
    }

    QByteArray encabezado(const QByteArray& mesa, const QByteArray& numero, const QByteArray& cliente) const
    {
        return Modo(0x20, 1) + Linea("La Fonda de Prueba") + Modo(0x00, 1) + Linea("Av. Siempre Viva 742")
               + Modo(0x00, 2) + Linea() + Linea("<fecha>") + Linea(mesa) + Modo(0x00, 2) + Linea(numero)
               + Modo(0x00, 0) + Linea(cliente) + Linea() + Linea();
    }
    static QByteArray cierre(const QByteArray& total, const QByteArray& marca, const QByteArray& pie)
    {
        return Linea() + Linea() + Modo(0x20, 2) + Linea(total) + Linea() + marca + Linea() + Linea() + pie
               + Linea() + Linea() + Linea() + Corte;
    }

private:
    FormatoNumerico formatoAnterior_;
};

TEST_F(ComanderaTest, PriceTicketListsEveryItemWithItsAmountAndTheFooter)
{
    const QByteArray esperado =
        encabezado("MESA:12  Mozo:Roberto Carlos", "PE 000100000101P", "Cliente de Mostrador")
        + Linea("[2.00 X $ 1500.50] Milan$ 3001.00") + Linea("[3.00 X $ 350.00] Cervez$ 1050.00")
        + Linea("[1.00 X $ 400.00] Limona$  400.00") + Linea("[1.00 X $ 4000.00] Parri$ 4000.00")
        + Linea("[1.00 X $ 1500.50] Milan$ 1500.50") + Linea("[0.35 X $ 0.12] Queso po$    0.04")
        + Linea("[1.00 X $ 0.14] Cafe    $    0.14")
        + cierre("TOTAL $  8391.25", QByteArray(), Modo(0x00, 1) + Linea("Gracias por su visita"));
    EXPECT_EQ(imprime(QStringLiteral("PE"), QStringLiteral("000100000101P"), 0, 0), esperado);
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ComanderaTest, KitchenAndBarTicketsCarryOnlyWhatIsLeftToServe)
{
    const QByteArray mesa = "MESA:12  Mozo:Roberto Carlos";
    const QByteArray cocina =
        encabezado(mesa, "PE 000100000101P", "Cliente de Mostrador") + Linea("1.00  Milanesa napolitana")
        + Linea("1.00  Parrillada completa para cu") + Linea("      atro personas con achuras, ")
        + Linea("      chorizos, morcillas y vacio") + Linea("-1.00  Milanesa napolitana")
        + Linea("0.35  Queso por kilo") + cierre(QByteArray(), Linea("** COCINA **"), QByteArray());
    EXPECT_EQ(imprime(QStringLiteral("PE"), QStringLiteral("000100000101P"), Si, 0), cocina);

    const QByteArray barra = encabezado(mesa, "PE 000100000101P", "Cliente de Mostrador")
                             + Linea("2.00  Cerveza tirada") + Linea("1.00  Limonada con menta") + Linea("1.00  Cafe")
                             + cierre(QByteArray(), Linea("** BARRA **"), QByteArray());
    EXPECT_EQ(imprime(QStringLiteral("PE"), QStringLiteral("000100000101P"), 0, Si), barra);

    // Everything prepared: the header, no items, the mark and the cut.
    EXPECT_EQ(imprime(QStringLiteral("PECO"), QStringLiteral("000100000102P"), Si, 0),
              encabezado("MESA:4  Mozo:Ana", "PECO 000100000102P", "Mesa del fondo")
                  + cierre(QByteArray(), Linea("** COCINA **"), QByteArray()));
}

TEST_F(ComanderaTest, KitchenDescriptionsWrapInColumnsOf27UpToThreeLines)
{
    ejecuta(QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET CANTIDADPREPARADA = 0 WHERE ID = 8"));
    const QByteArray letras = "abcdefghijklmnopqrstuvwxyz0ABCDEFGHIJKLMNOPQRSTUVWXYZ1abcdefghijklmnopqrstuvwxyz2ABCDEFGHI";
    const struct {
        int largo;
        int lineas;
    } casos[] = {{27, 1}, {28, 2}, {54, 2}, {55, 3}, {90, 3}};
    for (const auto& c : casos) {
        ejecuta(QStringLiteral("UPDATE V_MV_CPTEINSUMOS SET DESCRIPCION = '%1' WHERE ID = 8")
                    .arg(QString::fromLatin1(letras.left(c.largo))));
        QByteArray items = Linea("2.00  " + letras.left(std::min(c.largo, 27)));
        for (int i = 1; i < c.lineas; ++i)
            items += Linea("      " + letras.mid(27 * i, 27).left(c.largo - 27 * i));
        EXPECT_EQ(imprime(QStringLiteral("PECO"), QStringLiteral("000100000102P"), Si, 0),
                  encabezado("MESA:4  Mozo:Ana", "PECO 000100000102P", "Mesa del fondo") + items
                      + cierre(QByteArray(), Linea("** COCINA **"), QByteArray()))
            << c.largo;
    }
}

TEST_F(ComanderaTest, TwoLineItemsAndTheWorkstationsDecimalSeparator)
{
    RegistroComandera r = registro(QStringLiteral("Salon"));
    r.DosLineas = QStringLiteral("s");
    r.ImprimeEncabezado1 = QStringLiteral("S");
    r.Encabezado1 = QStringLiteral("  Casa Central  ");
    escribe({r});
    FormatoNumerico coma;
    coma.separadorDecimal = u',';
    coma.separadorMiles = u'.';
    instalaFormatoNumerico(coma);
    ejecuta(QStringLiteral("DELETE FROM V_MV_CPTEINSUMOS WHERE ID NOT IN (1, 6)"));

    const QByteArray esperado = Modo(0x20, 1) + Linea("Casa Central") + Modo(0x00, 2) + Linea() + Linea("<fecha>")
                                + Linea("MESA:12  Mozo:Roberto Carlos") + Modo(0x00, 0) + Linea("[2,00 X $ 1500,50]")
                                + Linea("Milanesa napolitana     $ 3001,00") + Modo(0x00, 0)
                                + Linea("[0,35 X $ 0,12]") + Linea("Queso por kilo          $    0,04")
                                + cierre("TOTAL $  8391,25", QByteArray(), QByteArray());
    EXPECT_EQ(imprime(QStringLiteral("PE"), QStringLiteral("000100000101P"), 0, 0, QStringLiteral("comandera :salon")),
              esperado);
}

TEST(FormateaLineaImporte, AmountsKeepEveryDigitAndRoundHalfToEven)
{
    instalaFormatoNumerico(FormatoNumerico{});
    const struct {
        QString texto;
        int64_t diezmilesimas;
        QString esperado;
    } casos[] = {
        {QStringLiteral("Cafe"), 1250, QStringLiteral("Cafe                    $    0.12")},
        {QStringLiteral("Cafe"), 1350, QStringLiteral("Cafe                    $    0.14")},
        {QStringLiteral("Un texto largo que no cabe entero"), 123456780000,
         QStringLiteral("Un texto largo que n$ 12345678.00")},
        {QStringLiteral("x"), -250000, QStringLiteral("x                       $  -25.00")},
    };
    for (const auto& c : casos)
        EXPECT_EQ(FormateaLineaImporte(c.texto, Moneda{c.diezmilesimas}, 33), c.esperado);
}

TEST_F(ComanderaTest, NoPrinterOrNoPortTellsTheOperatorAndSendsNothing)
{
    dialogos->responde(1).responde(1).responde(1);
    ImprimeEnComandera(QStringLiteral("PE"), QStringLiteral("000100000101P"), QStringLiteral("Comandera : Barra"), 0, 0);

    escribe({registro(QStringLiteral("Cocina"), QStringLiteral("COM9 "))});
    VariableTemporal ausente("ESCANEO_PUERTO_COM9", "/dev/no-existe-este-puerto");
    ImprimeEnComandera(QStringLiteral("PE"), QStringLiteral("000100000101P"), QStringLiteral("Comandera :"), 0, 0);

    // A port another ticket holds counts as one that cannot open.
    escribe({registro(QStringLiteral("Cocina"))});
    PuertoSerie otro;
    otro.setCommPort(3);
    otro.setPortOpen(true);
    ImprimeEnComandera(QStringLiteral("PE"), QStringLiteral("000100000101P"), QStringLiteral("Cocina"), 0, 0);
    otro.setPortOpen(false);

    ASSERT_EQ(dialogos->avisos.size(), 3u);
    EXPECT_EQ(dialogos->avisos[0].mensaje,
              "No se ha configurado una comandera en este equipo, verifiquelo y vuelva a intentarlo!!!");
    EXPECT_EQ(dialogos->avisos[0].titulo, "Aviso al operador!!!");
    EXPECT_EQ(dialogos->avisos[1].mensaje, "Error de Comunicacion con el Puerto seleccionado (COM9 ) verifiquelo y "
                                            "vuelva a intentarlo. EL COMPROBANTE NO SE HA IMPRESO");
    EXPECT_EQ(dialogos->avisos[1].titulo, "Aviso al operador!!");
    EXPECT_EQ(dialogos->avisos[1].botones, 16);
    EXPECT_EQ(dialogos->avisos[2].mensaje, "Error de Comunicacion con el Puerto seleccionado (COM3 ) verifiquelo y "
                                            "vuelva a intentarlo. EL COMPROBANTE NO SE HA IMPRESO");
    EXPECT_TRUE(pty.recibido().isEmpty());
}

TEST_F(ComanderaTest, AFailingStepAsksAndAbortStillClosesThePort)
{
    // The items' view is gone: the error dialog comes up, Ignore goes on,
    // Abort leaves with the port given back.
    ejecuta(QStringLiteral("DROP TABLE V_MA_ARTICULOS"));
    dialogos->responde(5).responde(3);
    ImprimeEnComandera(QStringLiteral("PE"), QStringLiteral("000100000101P"), QStringLiteral("Cocina"), 0, 0);
    EXPECT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_FALSE(ObjFrmMvVentas().MSComm1.PortOpen());
    EXPECT_TRUE(pty.recibido().startsWith(Modo(0x20, 1) + Linea("La Fonda de Prueba")));
}

}
