#include "printing/ImpresoraComprobante.h"

#include "BaseImpresion.h"
#include "services/Modulo.h"

namespace {

class ImpresoraComprobante : public BaseImpresion {
protected:
    struct Leido {
        QString impresora;
        int16_t copias, lineas;
        QString destino, usuario;
    };
    Leido lee(const QString& tc, const QString& letra, const QString& usuario = QString())
    {
        Leido l{QStringLiteral("sin tocar"), 99, 77, QStringLiteral("Previo"), usuario};
        ObtieneImpresoraComprobante(tc, letra, l.impresora, l.copias, l.lineas, l.destino, l.usuario);
        return l;
    }
};

TEST_F(ImpresoraComprobante, TheUserRowWinsOverTheRowForEveryone)
{
    ejecuta(QStringLiteral("INSERT INTO TA_CONFIG_IMP_CPTE VALUES ('FC  ', 'A', '%1', 'Propia|USB1', '4', '30', "
                           "' Pantalla ')")
                .arg(ClaveEstacion()));
    const Leido l = lee(QStringLiteral("FC  "), QStringLiteral("A"));
    EXPECT_EQ(l.impresora, u"Propia|USB1");
    EXPECT_EQ(l.copias, 4);
    EXPECT_EQ(l.lineas, 30);
    EXPECT_EQ(l.destino, u"Pantalla");
    EXPECT_EQ(l.usuario, ClaveEstacion()) << "a blank user comes back filled";
}

TEST_F(ImpresoraComprobante, TheRowForEveryoneIsReadTrimmedWhenTheUserHasNone)
{
    const Leido l = lee(QStringLiteral("FC"), QStringLiteral("A"), QStringLiteral("OTRO|usuario"));
    EXPECT_EQ(l.impresora, u"Laser Oficina | LPT1");
    EXPECT_EQ(l.copias, 2);
    EXPECT_EQ(l.lineas, 40);
    EXPECT_EQ(l.destino, u"Impresora");
    EXPECT_EQ(l.usuario, u"OTRO|usuario");
}

TEST_F(ImpresoraComprobante, NoRowClearsThePrinterAndCopiesAndKeepsTheRest)
{
    const Leido l = lee(QStringLiteral("GF"), QStringLiteral("A"));
    EXPECT_EQ(l.impresora, u"");
    EXPECT_EQ(l.copias, 0);
    EXPECT_EQ(l.lineas, 77);
    EXPECT_EQ(l.destino, u"Previo");
}

TEST_F(ImpresoraComprobante, CopiesAreTheNumberTheTextStartsWithRoundedToEven)
{
    const std::pair<const char*, int16_t> casos[] = {{"2.5", 2}, {"3.5", 4}, {"", 0}, {"7 copias", 7}, {"-2", -2}};
    for (const auto& [texto, copias] : casos) {
        ejecuta(QStringLiteral("UPDATE TA_CONFIG_IMP_CPTE SET CANTCOPIAS = '%1', CANTLINEAS = NULL WHERE TC = 'OT' "
                               "AND LETRA = 'X'")
                    .arg(QLatin1String(texto)));
        const Leido l = lee(QStringLiteral("OT  "), QStringLiteral("X"));
        EXPECT_EQ(l.copias, copias) << texto;
        EXPECT_EQ(l.lineas, 0) << "a null number reads 0";
    }
}

TEST_F(ImpresoraComprobante, AnApostropheInTheUserKeyReachesTheQueryAsALiteral)
{
    ejecuta(
        QStringLiteral("INSERT INTO TA_CONFIG_IMP_CPTE VALUES ('FC  ', 'A', 'PC|O''Brien', 'Suya', '1', '1', "
                       "'Impresora')"));
    EXPECT_EQ(lee(QStringLiteral("FC"), QStringLiteral("A"), QStringLiteral("PC|O'Brien")).impresora, u"Suya");
}

TEST_F(ImpresoraComprobante, AFailingReadAsksTheOperatorAndLeavingKeepsTheOutputs)
{
    ejecuta(QStringLiteral("DROP TABLE TA_CONFIG_IMP_CPTE"));
    dialogos->responde(3);
    const Leido l = lee(QStringLiteral("FC"), QStringLiteral("A"));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(l.impresora, u"sin tocar");
    EXPECT_EQ(l.copias, 99);
}

}  // namespace
