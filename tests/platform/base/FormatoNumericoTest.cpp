#include "platform/base/FormatoNumerico.h"

#include "support/FormatosDePrueba.h"
#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FormatoNumerico, FormatsAmountsRoundingHalfToEvenInEitherFormat)
{
    struct Caso {
        int64_t diezmilesimas;
        int decimales;
        bool agrupa;
        const char* coma;
        const char* punto;
    };
    const Caso casos[] = {
        {12345000, 2, false, "1234,50", "1234.50"},
        {12345000, 2, true, "1.234,50", "1,234.50"},
        {12345000, 0, false, "1234", "1234"},  // half to even: 1234.5 goes down
        {12355000, 0, false, "1236", "1236"},  // and 1235.5 up
        {135, 2, false, "0,01", "0.01"},       // 0.0135: below the half
        {150, 2, false, "0,02", "0.02"},       // 0.015: half, up to the even 2
        {250, 2, false, "0,02", "0.02"},       // 0.025: half, down to the even 2
        {0, 2, false, "0,00", "0.00"},
        {-12345000, 1, true, "-1.234,5", "-1,234.5"},
        {-40, 2, false, "0,00", "0.00"},  // rounds to zero: no sign
        {12345678, 6, false, "1234,567800", "1234.567800"},
        {10000000000000, 2, true, "1.000.000.000,00", "1,000,000,000.00"},
        {std::numeric_limits<int64_t>::max(), 4, true, "922.337.203.685.477,5807", "922,337,203,685,477.5807"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(FormatoComa().fijo(Moneda{c.diezmilesimas}, c.decimales, c.agrupa), c.coma) << c.diezmilesimas;
        EXPECT_EQ(FormatoPunto().fijo(Moneda{c.diezmilesimas}, c.decimales, c.agrupa), c.punto) << c.diezmilesimas;
    }
    EXPECT_EQ(FormatoComa().texto(Moneda{12345000}), "1234,5");
    EXPECT_EQ(FormatoPunto().texto(Moneda{-5000}), "-0.5");
}

TEST(FormatoNumerico, ReadsNumbersByItsOwnSeparators)
{
    struct Caso {
        const char* texto;
        const char* coma;   // nullptr: no number
        const char* punto;
    };
    const Caso casos[] = {
        {"1234,5", "1234.5", "12345"},
        {"1.234,5", "1234.5", "1.2345"},  // a group separator counts nowhere
        {"1,234.5", "1.2345", "1234.5"},
        {"1,2,5", nullptr, "125"},
        {" - 1 234 ", "-1234", "-1234"},
        {"+7", "7", "7"},
        {"", nullptr, nullptr},
        {"abc", nullptr, nullptr},
    };
    for (const Caso& c : casos) {
        const QString ninguno = QStringLiteral("(none)");
        const QString texto = QString::fromUtf8(c.texto);
        EXPECT_EQ(FormatoComa().numero(texto).value_or(ninguno), c.coma ? QString::fromUtf8(c.coma) : ninguno) << c.texto;
        EXPECT_EQ(FormatoPunto().numero(texto).value_or(ninguno), c.punto ? QString::fromUtf8(c.punto) : ninguno)
            << c.texto;
    }
}

TEST(FormatoNumerico, TheInstalledFormatServesUntilReplaced)
{
    const FormatoNumerico antes = formatoNumerico();
    {
        ConFormatoNumerico coma(FormatoComa());
        EXPECT_EQ(formatoNumerico().separadorDecimal, u',');
    }
    EXPECT_EQ(formatoNumerico().separadorDecimal, antes.separadorDecimal);
}

TEST(RedondeaMoneda, RoundsToThePlacesAndOverflowsPastTheRange)
{
    EXPECT_EQ(RedondeaMoneda(Moneda{12345}, 2).diezmilesimas, 12300);
    EXPECT_EQ(RedondeaMoneda(Moneda{12350}, 2).diezmilesimas, 12400);
    EXPECT_EQ(RedondeaMoneda(Moneda{-12250}, 2).diezmilesimas, -12200);
    EXPECT_EQ(numeroDeError([] { RedondeaMoneda(Moneda{std::numeric_limits<int64_t>::max()}, 0); }),
              NumeroError::Desbordamiento);
}

TEST(MultiplicaYDivideAlPar, StaysExactBeyondSixtyFourBitsAndRoundsHalfToEven)
{
    EXPECT_EQ(MultiplicaYDivideAlPar(25, 1, 10), 2);
    EXPECT_EQ(MultiplicaYDivideAlPar(35, 1, 10), 4);
    EXPECT_EQ(MultiplicaYDivideAlPar(-25, 1, 10), -2);
    EXPECT_EQ(MultiplicaYDivideAlPar(-26, 1, 10), -3);
    // 9.2e14 currency units times 21 % would overflow a 64-bit product.
    EXPECT_EQ(MultiplicaYDivideAlPar(std::numeric_limits<int64_t>::max(), 210000, 1000000),
              int64_t(1936908127739502919));
    EXPECT_EQ(numeroDeError([] { MultiplicaYDivideAlPar(std::numeric_limits<int64_t>::max(), 2, 1); }),
              NumeroError::Desbordamiento);
}
