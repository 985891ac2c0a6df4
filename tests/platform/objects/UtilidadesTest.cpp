#include "platform/objects/Utilidades.h"

#include "support/DialogosGuionados.h"
#include "support/NumeroDeError.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace {
const Utilidades u;
}

TEST(Utilidades, FittingPadsRightCutsAndIsIdempotent)
{
    EXPECT_EQ(u.AjustaTexto("  FC ", 4), "FC  ");
    EXPECT_EQ(u.AjustaTexto("NCFPX", 4), "NCFP");
    EXPECT_EQ(u.AjustaTexto("FC", 0), "");
    EXPECT_EQ(numeroDeError([] { u.AjustaTexto("FC", -1); }), NumeroError::LlamadaInvalida);
    for (const char* codigo : {"FC", " TKFC  ", "OPGXX", "A B"}) {
        for (int ancho : {1, 4, 8}) {
            const QString una = u.AjustaTexto(codigo, ancho);
            EXPECT_EQ(una.size(), ancho);
            EXPECT_EQ(u.AjustaTexto(una, ancho), una) << codigo << " " << ancho;
            EXPECT_EQ(u.RellenaCodigo(codigo, ancho), una);
        }
    }
    EXPECT_EQ(u.AjustaImporte(" 12.50 ", 7), "  12.50");
    EXPECT_EQ(u.AjustaImporte("123456789", 5), "56789");
}

TEST(Utilidades, FieldValuesAsTextWhateverTheLocale)
{
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(u.ValorCampo(QVariant()), "");
    EXPECT_EQ(u.ValorCampo(QVariant(QMetaType::fromType<double>())), "");
    EXPECT_EQ(u.ValorCampo(true), "Verdadero");
    EXPECT_EQ(u.ValorCampo(false), "Falso");
    EXPECT_EQ(u.ValorCampo(QDateTime(QDate(2024, 3, 5), QTime(0, 0))), "05/03/2024");
    EXPECT_EQ(u.ValorCampo(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), "05/03/2024 14:07:09");
    EXPECT_EQ(u.ValorCampo(QDateTime(QDate(12024, 3, 5), QTime(0, 0))), "05/03/12024");
    EXPECT_EQ(u.ValorCampo(1234.5), "1234.5");
    EXPECT_EQ(u.ValorCampo(-0.0), "0");
    EXPECT_EQ(u.ValorCampo(1e20), "100000000000000000000");
    EXPECT_EQ(u.ValorCampo(0.00001), "0.00001");
    QLocale::setDefault(antes);
}

TEST(Utilidades, TextToCurrencyAcceptsBothDecimalMarks)
{
    for (const char* t : {"1234.56", "1234,56", "1.234,56", "1,234.56", " 1 234,56 "})
        EXPECT_EQ(u.TextoAMoneda(t).diezmilesimas, 12345600) << t;
    EXPECT_EQ(u.TextoAMoneda("1.234.567").diezmilesimas, 12345670000);
    EXPECT_EQ(u.TextoAMoneda("-12,5").diezmilesimas, -125000);
    for (const char* t : {"", "abc", "12a", "1.2.3,4,5", ",", "1e3", "$5"})
        EXPECT_EQ(u.TextoAMoneda(t).diezmilesimas, 0) << t;
    EXPECT_EQ(u.TextoANumero("1.234,5"), 1234.5);
    EXPECT_EQ(u.TextoANumero("dos"), 0);
}

TEST(Utilidades, TextToCurrencyRoundsOnTheDigitsAndOverflowsAtItsLimits)
{
    EXPECT_EQ(u.TextoAMoneda("0.00005").diezmilesimas, 0);
    EXPECT_EQ(u.TextoAMoneda("0.00015").diezmilesimas, 2);
    EXPECT_EQ(u.TextoAMoneda("0.000050001").diezmilesimas, 1);
    EXPECT_EQ(u.TextoAMoneda("-0.00025").diezmilesimas, -2);
    EXPECT_EQ(u.TextoAMoneda("922337203685477.5807").diezmilesimas, std::numeric_limits<int64_t>::max());
    EXPECT_EQ(u.TextoAMoneda("-922337203685477.5808").diezmilesimas, std::numeric_limits<int64_t>::min());
    EXPECT_EQ(numeroDeError([] { u.TextoAMoneda("922337203685477.5808"); }), NumeroError::Desbordamiento);
    EXPECT_EQ(numeroDeError([] { u.TextoANumero(QString(400, u'9')); }), NumeroError::Desbordamiento);
}

TEST(Utilidades, WordsReplacementsAndLists)
{
    EXPECT_EQ(u.CuentaPalabras(" \t\r\n"), 0);
    EXPECT_EQ(u.CuentaPalabras("SELECT top 10 * FROM T"), 6);
    EXPECT_EQ(u.CuentaPalabras("  a\t\tb\r\nc  "), 3);
    EXPECT_EQ(u.Reemplaza("@Usuario= sa", "="), "@Usuario sa");
    EXPECT_EQ(u.Reemplaza("CUENTA Cuenta cuenta", "cuenta", "X"), "X X X");
    EXPECT_EQ(u.Reemplaza("abc", ""), "abc");
    EXPECT_EQ(u.ReemplazaCaracter("12,5", ",", "."), "12.5");
    EXPECT_EQ(u.ReemplazaCaracter("Aa", "a", "x"), "Ax");
    EXPECT_TRUE(u.EstaEnLista("fcc", {"RMC", "OC", "FCC"}));
    EXPECT_FALSE(u.EstaEnLista("NCCP", {"RMC", "NCC"}));
}

TEST(Utilidades, FixedFieldsAndStoredTexts)
{
    EXPECT_EQ(u.RecortaCampo("COM1    "), "COM1");
    EXPECT_EQ(u.RecortaCampo(QString::fromUtf16(u"AB \0x", 5)), "AB");
    EXPECT_EQ(u.RecortaCampo("  AB"), "  AB");
    EXPECT_EQ(u.LimpiaTexto("Linea1\r\nLinea2\tX\x01\x7F  "), "Linea1 Linea2 X");
    EXPECT_EQ(u.LimpiaTexto("a\rb\nc"), "a b c");
    EXPECT_EQ(u.LimpiaTexto("\r\n  \t"), "");
}

TEST(Utilidades, EncodingIsPrintableAndReversible)
{
    for (const QString& x : {QString(), QString("Corvane"), QString("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"),
                             QString::fromUtf8("ñandú € 日本 😀"), QString("pa=ss|word;")}) {
        const QString codificado = u.Codifica(x);
        EXPECT_EQ(u.Decodifica(codificado), x);
        EXPECT_TRUE(std::all_of(codificado.begin(), codificado.end(), [](QChar c) { return c > u' ' && c < u'\x7F'; }));
        EXPECT_TRUE(x.isEmpty() || !codificado.contains(x));
    }
    EXPECT_EQ(numeroDeError([] { u.Decodifica("sa"); }), NumeroError::LlamadaInvalida);
    EXPECT_EQ(numeroDeError([] { u.Decodifica("ABC"); }), NumeroError::LlamadaInvalida);
}

TEST(Utilidades, FoldersEndInExactlyOneSlash)
{
    EXPECT_EQ(u.AgregaBarra("/tmp///"), "/tmp/");
    EXPECT_EQ(u.AgregaBarra("/"), "/");
    EXPECT_EQ(u.AgregaBarra("/tmp"), "/tmp/");
}

TEST(Utilidades, PreparingAWindowCentresItOnItsScreen)
{
    QWidget ventana;
    ventana.setGeometry(0, 0, 300, 200);
    u.PreparaVentana(ventana, 0);
    ASSERT_NE(ventana.screen(), nullptr);
    EXPECT_EQ(ventana.frameGeometry().center(), ventana.screen()->availableGeometry().center());
    EXPECT_EQ(ventana.size(), QSize(300, 200));
}

TEST(Utilidades, ErrorDialogReturnsTheOperatorsAnswerAndLogsIt)
{
    QTemporaryDir dir;
    VariableTemporal temp("TEMP", dir.path().toLocal8Bit());
    ConDialogosGuionados d;
    d->responde(Resultado::Reintentar).responde(Resultado::Ignorar);
    EXPECT_EQ(u.MuestraErrorObjeto(Err(13, "No coinciden los tipos"), 18, "Generar"), Resultado::Reintentar);
    EXPECT_EQ(u.MuestraErrorObjeto(Err(53, "No se encontró el archivo")), Resultado::Ignorar);
    ASSERT_EQ(d->avisos.size(), 2u);
    EXPECT_TRUE(d->avisos[0].mensaje.contains("No coinciden los tipos"));
    EXPECT_TRUE(d->avisos[0].titulo.contains("Generar"));
    EXPECT_EQ(d->avisos[1].botones, 18);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("CVERR.LOG")));
}
