#include "platform/base/Conversiones.h"

#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Val, ReadsTheLeadingNumberSkippingBlanksAnywhere)
{
    EXPECT_EQ(Val(" 1 2 3"), 123);
    EXPECT_EQ(Val("\t-\n4 . 5"), -4.5);
    EXPECT_EQ(Val("1\r2"), 1);  // a carriage return is not skipped
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("1,5"), 1);
    EXPECT_EQ(Val("1.2.3"), 1.2);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("1e+"), 1);
    for (const char* cero : {"", "abc", "-", ".", "--1", "&X12"})
        EXPECT_EQ(Val(cero), 0) << cero;
}

TEST(Val, ExponentsHexAndOctal)
{
    EXPECT_EQ(Val("-3.5e2"), -350);
    EXPECT_EQ(Val("1.5D1"), 15);
    EXPECT_EQ(Val("1e-400"), 0);
    EXPECT_EQ(numeroDeError([] { Val("1e400"); }), NumeroError::Desbordamiento);
    // Up to 16 bits hex reads as a signed 16-bit value, up to 32 as 32-bit.
    EXPECT_EQ(Val("&hff"), 255);
    EXPECT_EQ(Val("&HFFFF"), -1);
    EXPECT_EQ(Val("&H10000"), 65536);
    EXPECT_EQ(Val("&HFFFFFFFF"), -1);
    EXPECT_EQ(Val("&O18"), 1);
    EXPECT_EQ(numeroDeError([] { Val("&H100000000"); }), NumeroError::Desbordamiento);
}

TEST(CInt, RoundsHalfToEvenAndOverflowsOutsideItsRange)
{
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(2.5001), 3);
    EXPECT_EQ(CInt(-32768.5), -32768);
    EXPECT_EQ(numeroDeError([] { CInt(32767.5); }), NumeroError::Desbordamiento);
    EXPECT_EQ(numeroDeError([] { CInt(std::nan("")); }), NumeroError::Desbordamiento);
    EXPECT_EQ(CLng(2147483646.5), 2147483646);
    EXPECT_EQ(numeroDeError([] { CLng(2147483647.5); }), NumeroError::Desbordamiento);
}

TEST(Moneda, TenThousandthsAndTheirPlainText)
{
    EXPECT_EQ(Moneda::desdeDouble(1.23456).diezmilesimas, 12346);
    EXPECT_EQ(numeroDeError([] { Moneda::desdeDouble(1e15); }), NumeroError::Desbordamiento);
    EXPECT_EQ(Moneda{125000}.texto(), "12.5");
    EXPECT_EQ(Moneda{30000}.texto(), "3");
    EXPECT_EQ(Moneda{1}.texto(), "0.0001");
    EXPECT_EQ(Moneda{-5000}.texto(), "-0.5");
    EXPECT_EQ(Moneda{std::numeric_limits<int64_t>::min()}.texto(), "-922337203685477.5808");
}

TEST(ColorBGRaRGB, SwapsBlueAndRed)
{
    EXPECT_EQ(ColorBGRaRGB(0x123456), 0x563412u);
    // The high byte of a system colour (0x80 and an index) carries no colour.
    EXPECT_EQ(ColorBGRaRGB(long(0x80000005)), 0x050000u);
}
