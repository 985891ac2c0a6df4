#include "platform/base/ArchivoSeguro.h"
#include "platform/image/ConvierteImagen.h"
#include "platform/scanner/EscritorBmp.h"

#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// Left half dark, right half light, in every kind of page the scanner writes.
ImagenBmp Mitades(int bits)
{
    ImagenBmp p;
    p.ancho = 80;
    p.alto = 40;
    p.bitsPorPixel = bits;
    p.bytesPorFila = bits == 24 ? 3 * p.ancho : bits == 8 ? p.ancho : p.ancho / 8;
    for (int y = 0; y < p.alto; ++y)
        for (int x = 0; x < p.bytesPorFila; ++x) {
            const bool derecha = x >= p.bytesPorFila / 2;
            p.filas += char(derecha ? 0xE0 : 0x20);
            if (bits == 1)
                p.filas.back() = char(derecha ? 0xFF : 0x00);
        }
    return p;
}

TEST(ConvertBMPtoJPG, ScannerPagesBecomeJpegsOfTheSamePicture)
{
    QTemporaryDir dir;
    for (int bits : {24, 8, 1}) {
        const QString bmp = dir.filePath(QStringLiteral("pagina%1.bmp").arg(bits));
        const QString jpg = dir.filePath(QStringLiteral("pagina%1.jpg").arg(bits));
        EscribeBmp(bmp, Mitades(bits));
        ASSERT_EQ(ConvertBMPtoJPG(bmp, jpg, 0, 30, true), 0) << bits;
        ASSERT_TRUE(QFile::exists(bmp));
        QImage imagen(jpg, "JPEG");
        ASSERT_EQ(imagen.size(), QSize(80, 40)) << bits;
        EXPECT_EQ(imagen.format() == QImage::Format_Grayscale8, bits != 24) << bits;
        // Top rows stay on top: a bottom-up file is not turned over.
        EXPECT_LT(qGray(imagen.pixel(5, 2)), 100) << bits;
        EXPECT_GT(qGray(imagen.pixel(75, 37)), 150) << bits;
    }
}

// In a process of its own, where the libjpeg-turbo the loader finds first is
// no library at all.
[[noreturn]] void convierteSinTurbo(const QString& carpeta)
{
    const QString bmp = carpeta + QStringLiteral("/pagina.bmp");
    const QString jpg = carpeta + QStringLiteral("/pagina.jpg");
    EscribeBmp(bmp, Mitades(24));
    const bool convertida = ConvertBMPtoJPG(bmp, jpg, 0, 30, true) == 0
                            && qGray(QImage(jpg, "JPEG").pixel(75, 37)) > 150;
    std::exit(convertida ? 0 : 1);
}

TEST(ConvertBMPtoJPGDeathTest, WithoutLibjpegTurboAScannerPageStillBecomesAJpeg)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    EscribeArchivoPasajero(dir.filePath(QStringLiteral("libturbojpeg.so.0")), "no es una biblioteca");
    const VariableTemporal ruta("LD_LIBRARY_PATH", QFile::encodeName(dir.path()));
    EXPECT_EXIT(convierteSinTurbo(dir.path()), ::testing::ExitedWithCode(0), "");
}

TEST(ConvertBMPtoJPG, OtherBmpsGoThroughTheGeneralReaderAndFailuresReturnOne)
{
    QTemporaryDir dir;
    // A top-down 32-bit BMP, which the scanner never writes.
    QImage imagen(30, 20, QImage::Format_ARGB32);
    imagen.fill(Qt::red);
    const QString otro = dir.filePath(QStringLiteral("otro.bmp"));
    ASSERT_TRUE(imagen.save(otro, "BMP"));
    const QString jpg = dir.filePath(QStringLiteral("otro.jpg"));
    ASSERT_EQ(ConvertBMPtoJPG(otro, jpg, 0, 30, false), 0);
    EXPECT_GT(qRed(QImage(jpg).pixel(10, 10)), 200);

    EXPECT_EQ(ConvertBMPtoJPG(dir.filePath(QStringLiteral("falta.bmp")), jpg, 0, 30, true), 1);
    EXPECT_EQ(ConvertBMPtoJPG(otro, dir.filePath(QStringLiteral("no/existe/otro.jpg")), 0, 30, true), 1);
    EXPECT_TRUE(QFile::exists(otro));
}

}
