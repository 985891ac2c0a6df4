#include "printing/SeriesLotes.h"

#include "support/modulo/BaseDePrueba.h"

namespace {

class SeriesLotes : public BaseDePrueba {};

}

TEST_F(SeriesLotes, KeepsTheBatchesWhoseNumberIsAboveZero)
{
    struct Caso {
        const char* lotes;
        const char* cantidades;
        const char* resultado;
    };
    const Caso casos[] = {
        {"L1|L2|L3|", "2|0|5|", "L1 L3 "},
        {"L1|L2|L3", "2|0|5", "L1 L3 "},
        {"|L1|L2|", "1|1|", "L1 L2 "},
        {"L1", "3", "L1 "},
        {"L1|L2|", "-1|2|", "L2 "},
        {"L1|L2|", "", ""},
        {"", "", ""},
        {"", "5|", " "},
        {" L1 | L2 |", "1,5|0,5|", "L1 L2 "},
        {"L1|L2|L3|", "1|", "L1 "},  // batches without a number are left out
        {"L1|L2|", "x|1|", "L2 "},
    };
    for (const Caso& c : casos) {
        QString lotes = QString::fromUtf8(c.lotes);
        EXPECT_EQ(Cuenta_Series_Lotes(lotes, QString::fromUtf8(c.cantidades)), QString::fromUtf8(c.resultado))
            << c.lotes << " / " << c.cantidades;
        EXPECT_EQ(lotes, QString::fromUtf8(c.lotes));
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(SeriesLotes, BatchesComeBackWithoutTheCharacter255)
{
    QString lotes = QStringLiteral("L1\u00FF|L2\u0178|");
    EXPECT_EQ(Cuenta_Series_Lotes(lotes, "1|1|"), QStringLiteral("L1 L2\u0178 "));
    EXPECT_EQ(lotes, QStringLiteral("L1|L2\u0178|"));
}

TEST_F(SeriesLotes, SplitsAListIntoTrimmedItemsAndOneEmptyItem)
{
    struct Caso {
        const char* lista;
        QStringList items;
    };
    const Caso casos[] = {
        {" a | b |", {"a", "b", ""}},
        {"a|b", {"a", "b", ""}},
        {"||", {"", ""}},
        {"|", {""}},
        {"", {""}},
        {"   ", {""}},
        {"a| |", {"a", "", ""}},
        {"a||b|", {"a", "", "b", ""}},
    };
    for (const Caso& c : casos) {
        QStringList items{QStringLiteral("antes")};
        Cuenta_Series_Y_Lotes(QString::fromUtf8(c.lista), items);
        EXPECT_EQ(items, c.items) << "'" << c.lista << "'";
    }
}

TEST_F(SeriesLotes, ANumberBeyondTheCurrencyRangeAsksTheOperator)
{
    const QString cantidades = QStringLiteral("99999999999999999999|2|");
    QString lotes = QStringLiteral("L1|L2|");
    dialogos->responde(5);
    EXPECT_EQ(Cuenta_Series_Lotes(lotes, cantidades), "L2 ") << "ignoring goes on with the next batch";
    dialogos->responde(3);
    EXPECT_EQ(Cuenta_Series_Lotes(lotes, cantidades), "") << "leaving gives an empty list";
    ASSERT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_TRUE(dialogos->avisos[0].titulo.contains("Cuenta_Series_Lotes"));
}
