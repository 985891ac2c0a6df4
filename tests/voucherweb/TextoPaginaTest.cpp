#include "voucherweb/ArchivoImagen.h"
#include "voucherweb/TextoPagina.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

TEST(TextoPagina, ValuesInTheirPlainForm)
{
    const struct {
        QVariant valor;
        const char* texto;
    } casos[] = {
        {QVariant(), ""},
        {QVariant(12.5), "12.5"},
        {QVariant(12.50), "12.5"},
        {QVariant(21.0), "21"},
        {QVariant(0.1 + 0.2), "0.3"},
        {QVariant(-0.0), "0"},
        {QVariant(-64.5), "-64.5"},
        {QVariant(1234567.891), "1234567.891"},
        {QVariant(qlonglong(5500)), "5500"},
        {QVariant(QDateTime(QDate(2025, 3, 3), QTime(0, 0))), "03/03/2025"},
        {QVariant(QDateTime(QDate(2025, 3, 4), QTime(16, 40, 12))), "04/03/2025 16:40:12"},
        {QVariant(QStringLiteral("  texto con blancos ")), "  texto con blancos "},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TextoPlano(c.valor), QString::fromUtf8(c.texto)) << c.texto;
}

// Every number reads as fifteen significant digits,
// whichever way it is written: amounts exact in ten-thousandths take a
// shorter road than the rest, and both must give printf's text.
TEST(TextoPagina, NumbersReadAsFifteenSignificantDigits)
{
    std::mt19937_64 azar(20261209);
    std::vector<double> valores = {1e11, -1e11, 99999999999.9999, 1e15, 123456789012345.0, 0.0001, 0.00005,
                                   1e-5, 2.5e-7, 1e300, 5e-324, 0.1 + 0.2, 1.0 / 3, -2.0 / 3, 12.4025 * 7};
    for (int i = 0; i < 20000; ++i) {
        valores.push_back(double(int64_t(azar() % 2000000000000000) - 1000000000000000) / 10000);
        valores.push_back(double(int64_t(azar() % 100000000)) / 100 * (12.4025 + i));
        uint64_t bits = azar();
        double cualquiera;
        std::memcpy(&cualquiera, &bits, sizeof cualquiera);
        if (std::isfinite(cualquiera))
            valores.push_back(cualquiera);
    }
    for (double v : valores) {
        char printf[40];
        std::snprintf(printf, sizeof printf, "%.15G", v);
        const QString esperado = v == 0 ? QStringLiteral("0") : QString::fromLatin1(printf);
        ASSERT_EQ(TextoPlano(QVariant(v)), esperado) << printf;
        ASSERT_EQ(HtmlValor(QVariant(v)), esperado);
    }
}

TEST(TextoPagina, CellsAppendedInPlace)
{
    const struct {
        QVariant valor;
        bool recortado;
        const char* html;
    } casos[] = {
        {QVariant(QStringLiteral("  <x> & \"y\"  ")), false, "  &lt;x&gt; &amp; \"y\"  "},
        {QVariant(QStringLiteral("  <x> & \"y\"  ")), true, "&lt;x&gt; &amp; \"y\""},
        {QVariant(QStringLiteral("&")), true, "&amp;"},
        {QVariant(QStringLiteral("!\"#%&'(;<=>?@`~\u00e9\u20ac")), false, "!\"#%&amp;'(;&lt;=&gt;?@`~\u00e9\u20ac"},
        {QVariant(qlonglong(-5500)), true, "-5500"},
        {QVariant(int(21)), false, "21"},
        {QVariant(QMetaType::fromType<qlonglong>()), false, ""},
        {QVariant(), true, ""},
        {QVariant(true), false, "Verdadero"},
        {QVariant(QDateTime(QDate(2025, 3, 4), QTime(16, 40, 12))), true, "04/03/2025 16:40:12"},
    };
    for (const auto& c : casos) {
        // Room for the opening alone: every value makes the row grow.
        TextoFila fila(4);
        fila.Agrega(u"<TD>");
        AgregaHtmlValor(fila, c.valor, c.recortado);
        EXPECT_EQ(fila.Toma(), QStringLiteral("<TD>") + QString::fromUtf8(c.html)) << c.html;
        EXPECT_EQ(c.recortado ? HtmlValorRecortado(c.valor) : HtmlValor(c.valor), QString::fromUtf8(c.html));
    }
}

TEST(TextoPagina, MarkupInValuesIsEscaped)
{
    EXPECT_EQ(Html(QStringLiteral("Tornillo 1/2\" <A&B>")), QStringLiteral("Tornillo 1/2\" &lt;A&amp;B&gt;"));
    EXPECT_EQ(HtmlAtributo(QStringLiteral("a\"b'c&")), QStringLiteral("a&quot;b&#39;c&amp;"));
    EXPECT_EQ(HtmlValorRecortado(QVariant(QStringLiteral("  <x>  "))), QStringLiteral("&lt;x&gt;"));
    EXPECT_EQ(ParteEnlace(QVariant(QStringLiteral("RM  "))), QStringLiteral("RM"));
    EXPECT_EQ(ParteEnlace(QVariant(QStringLiteral("A B>\""))), QStringLiteral("A%20B%3E%22"));
}

TEST(TextoPagina, HoursAreMinutesDividedAsNumbers)
{
    const struct {
        QVariant minutos;
        const char* horas;
    } casos[] = {
        {QVariant(90.0), "1.50"},
        {QVariant(45.0), "0.75"},
        {QVariant(0.0), "0.00"},
        {QVariant(qlonglong(600)), "10.00"},
        {QVariant(90.5), "1.51"},
        {QVariant(QStringLiteral("90.5")), "1.51"},
        {QVariant(QStringLiteral("sin dato")), "0.00"},
        {QVariant(), ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TextoHoras(c.minutos), QString::fromLatin1(c.horas)) << c.minutos.toString().toStdString();
}

TEST(TextoPagina, AmountsForArithmeticCountANullAsZero)
{
    EXPECT_EQ(MonedaDe(QVariant()).diezmilesimas, 0);
    EXPECT_EQ(MonedaDe(QVariant(12.5)).texto(), QStringLiteral("12.5"));
    EXPECT_EQ(MonedaDe(QVariant(QStringLiteral("1.234,5"))).texto(), QStringLiteral("1234.5"));
}

TEST(TextoPagina, LocalFilesBecomeEncodedFileAddresses)
{
    EXPECT_EQ(UrlArchivo(QStringLiteral("/datos/SCAN/factura 12#1&.jpg")),
              QStringLiteral("file:///datos/SCAN/factura%2012%231&amp;.jpg"));
    EXPECT_EQ(UrlArchivo(QStringLiteral("/datos/d'or\".bmp")), QStringLiteral("file:///datos/d&#39;or%22.bmp"));
    EXPECT_EQ(UrlArchivo(QStringLiteral("SCAN/a.bmp")),
              QStringLiteral("file://") + QDir::currentPath() + QStringLiteral("/SCAN/a.bmp"));
}

TEST(ArchivoDeImagen, TheFileFromItsRegisterColumns)
{
    QTemporaryDir dir;
    const QString existente = dir.filePath(QStringLiteral("remito(2)"));
    QFile(existente).open(QIODevice::WriteOnly);
    const QString escaneos = QStringLiteral("/datos/SCAN/");
    const struct {
        QString ruta;
        const char* nombre;
        QString archivo;
    } casos[] = {
        // The scanning keeps the whole path of the file.
        {QStringLiteral("/datos/SCAN/remito(2).bmp"), "remito", QStringLiteral("/datos/SCAN/remito(2).bmp")},
        {existente, "remito", existente},
        {QStringLiteral("/datos/SCAN/FOTO.JPG"), "foto", QStringLiteral("/datos/SCAN/FOTO.JPG")},
        // The assignment keeps a folder, with or without its separator.
        {QStringLiteral("/datos/SCAN/"), "foto.jpg", QStringLiteral("/datos/SCAN/foto.jpg")},
        {QStringLiteral("/datos/otra"), "foto.jpg", QStringLiteral("/datos/otra/foto.jpg")},
        {dir.path(), "nueva.jpg", dir.filePath(QStringLiteral("nueva.jpg"))},
        // A bare name lies in the scan folder.
        {QString(), "foto.jpg", QStringLiteral("/datos/SCAN/foto.jpg")},
        {QStringLiteral("  "), " foto.jpg ", QStringLiteral("/datos/SCAN/foto.jpg")},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ArchivoDeImagen(c.ruta, QLatin1String(c.nombre), escaneos), c.archivo) << c.ruta.toStdString();
    EXPECT_EQ(ArchivoDeImagen(QString(), QStringLiteral("foto.jpg"), QStringLiteral("/datos/SCAN")),
              QStringLiteral("/datos/SCAN/foto.jpg"));
    EXPECT_EQ(ArchivoDeImagen(QString(), QStringLiteral("foto.jpg"), QString()), QStringLiteral("foto.jpg"));
}
