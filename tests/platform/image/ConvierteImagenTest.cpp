#include "platform/base/ArchivoSeguro.h"
#include "platform/image/BibliotecaTurbo.h"
#include "platform/image/ConvierteImagen.h"
#include "platform/scanner/EscritorBmp.h"

#include "support/ParteReal.h"
#include "support/SalidaDeHijo.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <array>
#include <cstdio>
#include <optional>
#include <tuple>
#include <vector>

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

// Runs `convierte` on a folder of its own in a process of its own, where the
// libjpeg-turbo the loader finds first is no library at all; it must give 0.
void SinTurbo(int (*convierte)(const QString& carpeta))
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    EscribeArchivoPasajero(dir.filePath(QStringLiteral("libturbojpeg.so.0")), "no es una biblioteca");
    const VariableTemporal ruta("LD_LIBRARY_PATH", QFile::encodeName(dir.path()));
    EXPECT_EXIT(SaleBorrando(dir, convierte(dir.path())), ::testing::ExitedWithCode(0), "");
}

int convierteSinTurbo(const QString& carpeta)
{
    const QString bmp = carpeta + QStringLiteral("/pagina.bmp");
    const QString jpg = carpeta + QStringLiteral("/pagina.jpg");
    EscribeBmp(bmp, Mitades(24));
    const bool convertida = ConvertBMPtoJPG(bmp, jpg, 0, 30, true) == 0
                            && qGray(QImage(jpg, "JPEG").pixel(75, 37)) > 150;
    return convertida ? 0 : 1;
}

TEST(ConvertBMPtoJPGDeathTest, WithoutLibjpegTurboAScannerPageStillBecomesAJpeg)
{
    SinTurbo(convierteSinTurbo);
}

QByteArray Con32(QByteArray b, int i, quint32 v)
{
    qToLittleEndian(v, b.data() + i);
    return b;
}

// A white BMP of 16 by 8 pixels: uncompressed in any depth, or run-length
// encoded (compression 1 for 8 bits, 2 for 4), with a grey palette of
// `colores` entries below 16 bits.
QByteArray BmpBlanco(int bits, int compresion = 0, int colores = -1)
{
    colores = colores >= 0 ? colores : bits <= 8 ? 1 << bits : 0;
    QByteArray b = QByteArray("BM") + QByteArray(52, '\0');
    for (const auto& [i, v] : {std::pair{10, 54 + 4 * colores}, {14, 40}, {18, 16}, {22, 8}, {26, 1 | bits << 16},
                               {30, compresion}, {46, colores}})
        b = Con32(b, i, quint32(v));
    for (int i = 0; i < colores; ++i)
        b += QByteArray(3, char(i * 255 / ((1 << bits) - 1))) + '\0';
    for (int y = 0; y < 8; ++y)
        b += compresion ? QByteArray("\x10\xFF\x00\x00", 4) : QByteArray((16 * bits + 31) / 32 * 4, '\xFF');
    return compresion ? b + QByteArray("\x00\x01", 2) : b;
}

enum Esperado { Blanca, Negra, Rechazada };

TEST(ConvertBMPtoJPG, BmpsWhoseHeadersPromiseMoreThanTheFileHoldsAreRefused)
{
    std::vector<std::tuple<QString, QByteArray, Esperado>> casos = {
        {"ancho y alto que desbordan", Con32(Con32(BmpBlanco(32), 18, 0x7FFFFFFF), 22, 0x7FFFFFFF), Rechazada},
        {"mas colores de los que caben", Con32(BmpBlanco(8), 46, 0xFFFFFFFF), Rechazada},
        {"pixeles dentro de la paleta", Con32(BmpBlanco(8), 10, 60), Rechazada},
        {"RLE8 con una fila de mas pixeles", BmpBlanco(8, 1).replace(54 + 4 * 256, 1, "\x11"), Rechazada},
        // Pixels the codes skip are index 0, and indexes past a short
        // palette black, as libjpeg-turbo's road has them.
        {"RLE8 que termina al empezar", BmpBlanco(8, 1).replace(54 + 4 * 256, 2, QByteArray("\0\1", 2)), Negra},
        {"4 bits con paleta corta", BmpBlanco(4, 0, 2), Negra}};
    for (const auto& [nombre, bits, compresion] : std::vector<std::tuple<QString, int, int>>{
             {"1 bit", 1, 0}, {"4 bits", 4, 0}, {"8 bits", 8, 0}, {"16 bits", 16, 0}, {"24 bits", 24, 0},
             {"32 bits", 32, 0}, {"RLE4", 4, 2}, {"RLE8", 8, 1}}) {
        const QByteArray bmp = BmpBlanco(bits, compresion);
        const qsizetype inicio = qFromLittleEndian<quint32>(bmp.constData() + 10);
        casos.push_back({nombre + " entero", bmp, Blanca});
        casos.push_back({nombre + " cortado en los pixeles", bmp.left((inicio + bmp.size()) / 2), Rechazada});
        casos.push_back({nombre + " con los pixeles tras el final", Con32(bmp, 10, bmp.size() + 16), Rechazada});
        if (compresion == 0) {
            // A last row cut anywhere, its padding too, is no row.
            const qsizetype paso = (bmp.size() - inicio) / 8;
            for (const qsizetype falta : {paso - 1, paso / 2, qsizetype(1)})
                casos.push_back({nombre + " sin " + QString::number(falta) + " bytes", bmp.chopped(falta), Rechazada});
        }
        if (bits <= 8)
            casos.push_back({nombre + " cortado en la paleta", bmp.left(60), Rechazada});
    }
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("p.bmp")), jpg = dir.filePath(QStringLiteral("p.jpg"));
    for (const auto& [nombre, contenido, esperado] : casos) {
        EscribeArchivoCompleto(bmp, contenido);
        ASSERT_EQ(ConvertBMPtoJPG(bmp, jpg, 0, 30, true), esperado == Rechazada ? 1 : 0) << qPrintable(nombre);
        if (esperado != Rechazada) {
            EXPECT_EQ(qGray(QImage(jpg, "JPEG").pixel(8, 4)) > 128, esperado == Blanca) << qPrintable(nombre);
        }
    }
}

// One pixel of 16, 24 or 32 bits as a BMP holds it, low byte first.
QByteArray Pixel(int bits, quint32 valor)
{
    QByteArray b;
    for (int i = 0; i < bits / 8; ++i)
        b += char(valor >> 8 * i);
    return b;
}

// A BMP of 16 by 8 pixels, all `pixel` in `bits` bits. Its header of
// `cabecera` bytes holds the masks, or the 40-byte one is followed by them;
// a 124-byte one may name a colour profile of type `perfil`, which follows
// the pixels.
QByteArray BmpDeMascaras(int cabecera, int bits, std::array<quint32, 4> mascaras, quint32 pixel, quint32 perfil)
{
    const bool campos = mascaras[0] || mascaras[1] || mascaras[2];
    const int inicio = 14 + cabecera + (campos && cabecera == 40 ? 12 : 0);
    QByteArray b = QByteArray("BM") + QByteArray(inicio - 2, '\0');
    for (const auto& [i, v] : {std::pair{10, inicio}, {14, cabecera}, {18, 16}, {22, 8}, {26, 1 | bits << 16},
                               {30, campos ? 3 : 0}})
        b = Con32(b, i, quint32(v));
    for (int i = 0; i < std::min(4, (inicio - 54) / 4); ++i)
        b = Con32(b, 54 + 4 * i, mascaras[size_t(i)]);
    const QByteArray fila = Pixel(bits, pixel).repeated(16);
    for (int y = 0; y < 8; ++y)
        b += fila;
    if (!perfil)
        return b;
    const QByteArray datos = QByteArray("C:\\Windows\\perfil.icm") + '\0';
    b = Con32(Con32(Con32(b, 70, perfil), 14 + 112, quint32(b.size() - 14)), 14 + 116, quint32(datos.size()));
    return b + datos;
}

TEST(ConvertBMPtoJPG, EveryChannelOfABmpComesOutAtItsOwnLevel)
{
    constexpr quint32 Enlazado = 0x4C494E4B;
    const std::optional<QRgb> rechazada;
    const std::vector<std::tuple<QString, int, int, std::array<quint32, 4>, quint32, quint32, std::optional<QRgb>>>
        casos = {
            {"32 bits sin campos", 40, 32, {}, 0xFF8000, 0, qRgb(255, 128, 0)},
            {"32 bits 10-10-10-2", 108, 32, {0x3FF00000, 0xFFC00, 0x3FF, 0xC0000000}, 0x3FF80000, 0,
             qRgb(255, 128, 0)},
            {"32 bits 11-11-10", 40, 32, {0xFFE00000, 0x1FFC00, 0x3FF, 0}, 0x001FFC00 | 0x200, 0, qRgb(0, 255, 128)},
            {"16 bits sin campos", 40, 16, {}, 0x7C00 | 0x10, 0, qRgb(255, 0, 132)},
            {"16 bits 3-10-3", 124, 16, {0xE000, 0x1FF8, 0x7, 0}, 0xE000 | 0x1000, 0, qRgb(255, 128, 0)},
            {"16 bits 1-5-5-5 con alfa", 124, 16, {0x7C00, 0x3E0, 0x1F, 0x8000}, 0x001F, 0, qRgb(0, 0, 255)},
            {"mascara de bits sueltos", 40, 32, {0xFF0000, 0xF0F0, 0xFF, 0}, 0, 0, rechazada},
            {"mascara vacia", 108, 16, {0x7C00, 0, 0x1F, 0}, 0, 0, rechazada},
            {"24 bits con perfil enlazado", 124, 24, {}, 0x0080FF, Enlazado, qRgb(0, 128, 255)}};
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("p.bmp")), jpg = dir.filePath(QStringLiteral("p.jpg"));
    for (const auto& [nombre, cabecera, bits, mascaras, pixel, perfil, esperado] : casos) {
        EscribeArchivoCompleto(bmp, BmpDeMascaras(cabecera, bits, mascaras, pixel, perfil));
        ASSERT_EQ(ConvertBMPtoJPG(bmp, jpg, 0, 30, true), esperado ? 0 : 1) << qPrintable(nombre);
        if (esperado) {
            const QRgb leido = QImage(jpg, "JPEG").pixel(8, 4);
            for (int canal : {16, 8, 0})
                EXPECT_NEAR(int(leido >> canal & 0xFF), int(*esperado >> canal & 0xFF), 12) << qPrintable(nombre);
        }
    }
}

// The BMP of BmpDeMascaras with the top left quarter of its picture
// `esquina`, its rows stored top-down when `deArribaAbajo`.
QByteArray ConEsquina(QByteArray bmp, int bits, quint32 esquina, bool deArribaAbajo)
{
    const qsizetype inicio = qFromLittleEndian<quint32>(bmp.constData() + 10);
    const QByteArray cuarto = Pixel(bits, esquina).repeated(8);
    for (int y = 0; y < 4; ++y)
        bmp.replace(inicio + (deArribaAbajo ? y : 7 - y) * 2 * cuarto.size(), cuarto.size(), cuarto);
    return deArribaAbajo ? Con32(bmp, 22, quint32(-8)) : bmp;
}

// Dark pictures with a light top left quarter, in the layouts libjpeg-turbo
// and Qt's writer take from the file, stored both ways up, converted in this
// process: those whose JPEG shows the quarter elsewhere, turned over or
// mirrored, with where it is light.
QString EsquinasMovidas(const QString& carpeta)
{
    const std::tuple<QString, int, int, std::array<quint32, 4>, quint32> formas[] = {
        {"24 bits", 40, 24, {}, 0xFFFFFF}, {"16 bits 3-10-3", 124, 16, {0xE000, 0x1FF8, 0x7, 0}, 0xFFFF}};
    const QString bmp = carpeta + QStringLiteral("/p.bmp"), jpg = carpeta + QStringLiteral("/p.jpg");
    QStringList movidas;
    for (const auto& [nombre, cabecera, bits, mascaras, claro] : formas)
        for (const bool deArribaAbajo : {false, true}) {
            const QString caso = nombre + (deArribaAbajo ? " de arriba abajo" : " de abajo arriba");
            EscribeArchivoCompleto(bmp, ConEsquina(BmpDeMascaras(cabecera, bits, mascaras, 0, 0), bits, claro,
                                                   deArribaAbajo));
            if (ConvertBMPtoJPG(bmp, jpg, 0, 30, true) != 0) {
                movidas << caso + ": no convertida";
                continue;
            }
            const QImage imagen(jpg, "JPEG");
            QString claros;
            for (const QPoint centro : {QPoint(4, 2), QPoint(12, 2), QPoint(4, 6), QPoint(12, 6)})
                claros += qGray(imagen.pixel(centro)) > 128 ? '#' : '.';
            if (claros != "#...")
                movidas << caso + ": " + claros;
        }
    return movidas.join(u'\n');
}

int colocaSinTurbo(const QString& carpeta)
{
    const QString movidas = EsquinasMovidas(carpeta);
    std::fputs(qPrintable(movidas), stderr);
    return movidas.isEmpty() ? 0 : 1;
}

TEST(ConvertBMPtoJPGDeathTest, NeitherRoadTurnsThePictureOverNorMirrorsIt)
{
    // First: the process of its own runs this test from the start up to
    // here, and libjpeg-turbo is only checked after.
    SinTurbo(colocaSinTurbo);
    EXIGE_PARTE_REAL(Turbo(), "falta libjpeg-turbo: instale libturbojpeg0");
    QTemporaryDir dir;
    EXPECT_EQ(EsquinasMovidas(dir.path()).toStdString(), "");
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
