#include "scanning/AjustesEscaneo.h"

#include <gtest/gtest.h>

TEST(AjustesEscaneo, CopiesFromOneToNinetyNine)
{
    EXPECT_EQ(RevisaAjuste(QStringLiteral("3"), RangoCopias).valor, 3.0);
    EXPECT_EQ(RevisaAjuste(QStringLiteral("99"), RangoCopias).valor, 99.0);
    for (const char* fuera : {"0", "100", "-2", "99.5", "70000"}) {
        const RevisionAjuste r = RevisaAjuste(QString::fromLatin1(fuera), RangoCopias);
        EXPECT_FALSE(r.valor) << fuera;
        EXPECT_EQ(r.textoCorregido, QStringLiteral("1")) << fuera;
    }
    // Rounded to the nearest whole number, half to even, before the check.
    EXPECT_EQ(RevisaAjuste(QStringLiteral("0.6"), RangoCopias).valor, 1.0);
    EXPECT_EQ(RevisaAjuste(QStringLiteral("2.5"), RangoCopias).valor, 2.0);
}

TEST(AjustesEscaneo, ResolutionAndProportionWithTheirDefaults)
{
    EXPECT_EQ(RevisaAjuste(QStringLiteral("5000"), RangoResolucion).textoCorregido, QStringLiteral("290"));
    EXPECT_EQ(RevisaAjuste(QStringLiteral("0.5"), RangoResolucion).textoCorregido, QStringLiteral("290"));
    EXPECT_EQ(RevisaAjuste(QStringLiteral("4800"), RangoResolucion).valor, 4800.0);
    EXPECT_EQ(RevisaAjuste(QStringLiteral("50"), RangoResolucion).valor, 50.0);
    EXPECT_EQ(RevisaAjuste(QStringLiteral("0"), RangoProporcion).textoCorregido, QStringLiteral("100"));
    EXPECT_EQ(RevisaAjuste(QStringLiteral("501"), RangoProporcion).textoCorregido, QStringLiteral("100"));
    EXPECT_EQ(RevisaAjuste(QStringLiteral(" 250 "), RangoProporcion).valor, 250.0);
}

TEST(AjustesEscaneo, TextThatIsNoNumberChangesNothing)
{
    for (const char* texto : {"", " ", "abc", "12abc", "1,5", "nan", "inf"}) {
        for (const RangoAjuste* rango : {&RangoCopias, &RangoResolucion, &RangoProporcion}) {
            const RevisionAjuste r = RevisaAjuste(QString::fromLatin1(texto), *rango);
            EXPECT_FALSE(r.valor) << texto;
            EXPECT_FALSE(r.textoCorregido) << texto;
        }
    }
}

TEST(AjustesEscaneo, ResolutionSentToTheScanner)
{
    EXPECT_EQ(ResolucionAEscanear(50, QStringLiteral("50")), 70);
    EXPECT_EQ(ResolucionAEscanear(300, QStringLiteral("300")), 300);
    // The field lost its number: the last valid value is not what the
    // operator sees, so the default goes.
    EXPECT_EQ(ResolucionAEscanear(600, QStringLiteral("")), 290);
    EXPECT_EQ(ResolucionAEscanear(600, QStringLiteral("x")), 290);
}
