#include "platform/base/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos += char(b);
    EXPECT_EQ(ACp1252(DeCp1252(todos)), todos);
    EXPECT_EQ(ACp1252Html(DeCp1252(todos)), todos);
    // The undefined bytes stand for the control character of their number.
    EXPECT_EQ(DeCp1252("\x81\x9D"), QString::fromUtf16(u"\u0081\u009D"));
}

TEST(Cp1252, TheWindowsRowAndSpanishText)
{
    EXPECT_EQ(DeCp1252("\x80\x85\x93\x9F"), QString::fromUtf16(u"€…“Ÿ"));
    EXPECT_EQ(ACp1252(QString::fromUtf8("€ Š œ ™")), QByteArray("\x80 \x8A \x9C \x99"));
    const QString texto = QString::fromUtf8("Año Nº ñandú ÁÉÍÓÚ ü ¿?");
    EXPECT_EQ(ACp1252(texto), texto.toLatin1());
}

TEST(Cp1252, CharactersOutsideTheCodePage)
{
    // U+0080 is not byte 0x80: that byte is the euro sign.
    EXPECT_EQ(ACp1252(QString(QChar(0x0080))), "?");
    EXPECT_EQ(ACp1252(QString::fromUtf8("a日b")), "a?b");
    EXPECT_EQ(ACp1252Html(QString::fromUtf8("a日b")), "a&#26085;b");
    // A character beyond 16 bits is one character, not two halves.
    EXPECT_EQ(ACp1252(QString::fromUtf8("x😀")), "x?");
    EXPECT_EQ(ACp1252Html(QString::fromUtf8("x😀")), "x&#128512;");
}

// Long runs of plain text are copied in blocks: a character that is not
// plain ASCII comes out right wherever it falls in or between them.
TEST(Cp1252, AnyCharacterAtAnyPlaceOfALongText)
{
    const struct {
        const char* caracter;
        QByteArray cp1252;
        QByteArray html;
    } casos[] = {
        {"é", "\xE9", "\xE9"},
        {"€", "\x80", "\x80"},
        {"\u0080", "?", "&#128;"},
        {"日", "?", "&#26085;"},
        {"😀", "?", "&#128512;"},
    };
    for (const auto& c : casos) {
        for (int lugar = 0; lugar <= 40; ++lugar) {
            const QString texto = QString(lugar, u'a') + QString::fromUtf8(c.caracter) + QString(40 - lugar, u'b');
            const QByteArray antes(lugar, 'a'), despues(40 - lugar, 'b');
            EXPECT_EQ(ACp1252(texto), antes + c.cp1252 + despues) << c.caracter << lugar;
            EXPECT_EQ(ACp1252Html(texto), antes + c.html + despues) << c.caracter << lugar;
        }
    }
}
