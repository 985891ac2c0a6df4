#include "platform/scanner/EscritorBmp.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>

namespace {

std::uint32_t lee32(const QByteArray& b, int desde)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(b[desde + i]);
    return v;
}

ImagenBmp imagen(int ancho, int alto, int bits, int bytesPorFila, const QByteArray& filas, double ppp = 0)
{
    ImagenBmp i;
    i.ancho = ancho;
    i.alto = alto;
    i.bitsPorPixel = bits;
    i.bytesPorFila = bytesPorFila;
    i.filas = filas;
    i.ppp = ppp;
    return i;
}

// The bytes of the file written for the picture.
QByteArray escrito(const ImagenBmp& i)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("hoja.bmp"));
    EscribeBmp(ruta, i);
    return LeeArchivoCompleto(ruta);
}

}

TEST(EscritorBmp, ColourRowsAreBottomUpBgrAndPaddedToFourBytes)
{
    // Three pixels a row (9 bytes, padded to 12) and a spare source byte that
    // must not reach the file.
    const QByteArray filas("\x10\x20\x30\x40\x50\x60\x70\x80\x90\xEE"
                           "\xA0\xB0\xC0\xD0\xE0\xF0\x01\x02\x03\xEE",
                           20);
    const QByteArray bmp = escrito(imagen(3, 2, 24, 10, filas, 300));

    ASSERT_EQ(bmp.size(), 54 + 2 * 12);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(lee32(bmp, 2), 78u);    // file size
    EXPECT_EQ(lee32(bmp, 10), 54u);   // pixels start
    EXPECT_EQ(lee32(bmp, 18), 3u);
    EXPECT_EQ(lee32(bmp, 22), 2u);
    EXPECT_EQ(lee32(bmp, 26), 1u | 24u << 16);  // planes, bits
    EXPECT_EQ(lee32(bmp, 34), 24u);   // pixel bytes
    EXPECT_EQ(lee32(bmp, 38), 11811u);  // 300 dpi in pixels per metre
    EXPECT_EQ(lee32(bmp, 42), 11811u);
    EXPECT_EQ(bmp.mid(54, 12), QByteArray("\xC0\xB0\xA0\xF0\xE0\xD0\x03\x02\x01\0\0\0", 12));
    EXPECT_EQ(bmp.mid(66, 12), QByteArray("\x30\x20\x10\x60\x50\x40\x90\x80\x70\0\0\0", 12));

    const QImage leida = QImage::fromData(bmp, "BMP");
    EXPECT_EQ(leida.pixel(0, 0), qRgb(0x10, 0x20, 0x30));
    EXPECT_EQ(leida.pixel(2, 1), qRgb(0x01, 0x02, 0x03));
}

TEST(EscritorBmp, BlackAndWhitePacksEightPixelsAByteFromTheHighBit)
{
    // Ten pixels a row: two bytes used, padded to four; palette black, white.
    const QByteArray bmp = escrito(imagen(10, 2, 1, 2, QByteArray("\xF0\x40\x0F\x80", 4), 200));

    ASSERT_EQ(bmp.size(), 54 + 8 + 2 * 4);
    EXPECT_EQ(lee32(bmp, 10), 62u);
    EXPECT_EQ(lee32(bmp, 46), 2u);
    EXPECT_EQ(lee32(bmp, 54), 0x00000000u);
    EXPECT_EQ(lee32(bmp, 58), 0x00FFFFFFu);
    EXPECT_EQ(bmp.mid(62, 8), QByteArray("\x0F\x80\0\0\xF0\x40\0\0", 8));

    const QImage leida = QImage::fromData(bmp, "BMP");
    ASSERT_EQ(leida.depth(), 1);
    const QString esperado[2] = {QStringLiteral("1111000001"), QStringLiteral("0000111110")};
    for (int y = 0; y < 2; ++y) {
        QString visto;
        for (int x = 0; x < 10; ++x)
            visto += leida.pixel(x, y) == qRgb(255, 255, 255) ? '1' : '0';
        EXPECT_EQ(visto, esperado[y]) << "row " << y;
    }
}

TEST(EscritorBmp, GreyLevelsIndexAFullGreyPalette)
{
    const QByteArray filas("\x00\x40\x80\xC0\xFF", 5);
    const QByteArray bmp = escrito(imagen(5, 1, 8, 5, filas));

    ASSERT_EQ(bmp.size(), 54 + 1024 + 8);
    EXPECT_EQ(lee32(bmp, 38), 0u);  // no resolution given
    const QImage leida = QImage::fromData(bmp, "BMP");
    ASSERT_EQ(leida.depth(), 8);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(qGray(leida.pixel(x, 0)), std::uint8_t(filas[x]));
}

TEST(EscritorBmp, InconsistentPicturesAreRefused)
{
    const QByteArray seis(6, '\0');
    EXPECT_THROW(escrito(imagen(2, 1, 16, 4, seis)), Err);
    EXPECT_THROW(escrito(imagen(3, 1, 24, 6, seis)), Err);  // row shorter than the width
    EXPECT_THROW(escrito(imagen(2, 4, 8, 2, seis)), Err);   // rows missing
}

TEST(EscritorBmp, WritesTheWholeFileOrNothing)
{
    QTemporaryDir carpeta;
    const ImagenBmp i = imagen(2, 2, 8, 2, QByteArray("\x01\x02\x03\x04", 4));
    const QString ruta = carpeta.filePath(QStringLiteral("hoja.bmp"));
    EscribeBmp(ruta, i);
    const QImage leida(ruta);
    ASSERT_EQ(leida.size(), QSize(2, 2));
    EXPECT_EQ(qGray(leida.pixel(1, 1)), 4);
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden), QStringList({QStringLiteral("hoja.bmp")}));

    const QString sinCarpeta = carpeta.filePath(QStringLiteral("falta/hoja.bmp"));
    EXPECT_THROW(EscribeBmp(sinCarpeta, i), Err);
    EXPECT_FALSE(QFile::exists(sinCarpeta));
}

TEST(EscritorBmp, RowsGivenInRunsOfAnySizeKeepTheirOrder)
{
    // 600 colour rows of 1500 bytes, well over one block of the writer.
    constexpr int Ancho = 500, Alto = 600;
    QByteArray filas(3 * Ancho * Alto, Qt::Uninitialized);
    for (int y = 0; y < Alto; ++y) {
        for (int x = 0; x < Ancho; ++x) {
            char* p = filas.data() + 3 * (y * Ancho + x);
            p[0] = char(y % 256);
            p[1] = char(y / 256);
            p[2] = char(x % 256);
        }
    }
    const QByteArray entera = escrito(imagen(Ancho, Alto, 24, 3 * Ancho, filas));
    const QImage leida = QImage::fromData(entera, "BMP");
    ASSERT_EQ(leida.size(), QSize(Ancho, Alto));
    for (int y = 0; y < Alto; ++y)
        ASSERT_EQ(leida.pixel(7, y), qRgb(y % 256, y / 256, 7)) << "row " << y;

    // The same rows as a page arrives: runs of one row, a few, and many.
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("tramos.bmp"));
    EscritorBmp escritor(ruta, Ancho, Alto, 24, 0);
    int hechas = 0;
    for (int tramo : {1, 7, 250, 342}) {
        escritor.escribeFilas(hechas, filas.constData() + qint64(hechas) * 3 * Ancho, tramo, 3 * Ancho);
        hechas += tramo;
    }
    escritor.confirma();
    EXPECT_EQ(LeeArchivoCompleto(ruta), entera);
}

TEST(EscritorBmp, AFileMissingRowsIsNeitherConfirmedNorLeft)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("hoja.bmp"));
    {
        EscritorBmp escritor(ruta, 2, 2, 8, 0);
        escritor.escribeFilas(0, "\x01\x02", 1, 2);
        EXPECT_THROW(escritor.escribeFilas(1, "\x03\x04", 2, 2), Err) << "past the last row";
        EXPECT_THROW(escritor.confirma(), Err);
    }
    EXPECT_TRUE(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}
