#include "platform/data/sql/Tokens.h"

#include <gtest/gtest.h>

TEST(Tokeniza, JoiningTheTokensGivesTheTextBack)
{
    const QString sql = QStringLiteral("SELECT [a b], \"c\", N'x''y' -- nota\r\n/* c */ FROM t WHERE v>=1.5e3");
    EXPECT_EQ(Une(Tokeniza(sql)), sql);
    const QString suma = QStringLiteral("'it''s' + x");
    const Tokens t = Tokeniza(suma);
    ASSERT_EQ(t.size(), 5);
    EXPECT_EQ(t[0].tipo, Token::Cadena);
    EXPECT_EQ(t[0].texto, QStringLiteral("'it''s'"));
}
