#include "platform/scanner/EscritorBmp.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr int TamanoCabeceraArchivo = 14;
constexpr int TamanoCabeceraInfo = 40;
constexpr double MetrosPorPulgada = 0.0254;

void pon16(char* p, std::uint16_t v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

void pon32(char* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

qint64 bytesNecesarios(const ImagenBmp& imagen)
{
    return (qint64(imagen.ancho) * imagen.bitsPorPixel + 7) / 8;
}

void valida(const ImagenBmp& imagen)
{
    const bool bitsValidos = imagen.bitsPorPixel == 1 || imagen.bitsPorPixel == 8 || imagen.bitsPorPixel == 24;
    if (!bitsValidos || imagen.ancho <= 0 || imagen.alto <= 0 || imagen.bytesPorFila < bytesNecesarios(imagen)
        || imagen.filas.size() < qint64(imagen.bytesPorFila) * imagen.alto)
        throw Err(NumeroError::LlamadaInvalida, QStringLiteral("Imagen inconsistente para BMP"));
}

// Palette entries are blue, green, red, reserved; index 0 is black.
void ponPaleta(char* p, int colores)
{
    for (int i = 0; i < colores; ++i) {
        const char nivel = char(i * 255 / (colores - 1));
        p[4 * i] = p[4 * i + 1] = p[4 * i + 2] = nivel;
        p[4 * i + 3] = 0;
    }
}

// The file stores colour as blue, green, red. The rows never overlap, which
// lets the compiler vectorise the loop.
void aBgr(const char* __restrict rgb, char* __restrict bgr, int pixeles)
{
    for (int x = 0; x < pixeles; ++x) {
        bgr[3 * x] = rgb[3 * x + 2];
        bgr[3 * x + 1] = rgb[3 * x + 1];
        bgr[3 * x + 2] = rgb[3 * x];
    }
}

}

QByteArray CodificaBmp(const ImagenBmp& imagen)
{
    valida(imagen);
    const qint64 util = bytesNecesarios(imagen);
    const qint64 filaBmp = (util + 3) / 4 * 4;
    const int colores = imagen.bitsPorPixel == 24 ? 0 : 1 << imagen.bitsPorPixel;
    const qint64 inicioPixeles = TamanoCabeceraArchivo + TamanoCabeceraInfo + 4 * colores;
    const qint64 tamanoPixeles = filaBmp * imagen.alto;
    const qint64 tamano = inicioPixeles + tamanoPixeles;
    if (tamano > std::numeric_limits<std::int32_t>::max())
        throw Err(NumeroError::Desbordamiento, QStringLiteral("Imagen demasiado grande para BMP"));

    // Every byte is written below, so the buffer starts uninitialised.
    QByteArray bmp(tamano, Qt::Uninitialized);
    char* p = bmp.data();
    p[0] = 'B';
    p[1] = 'M';
    pon32(p + 2, std::uint32_t(tamano));
    pon32(p + 6, 0);
    pon32(p + 10, std::uint32_t(inicioPixeles));

    char* info = p + TamanoCabeceraArchivo;
    const auto porMetro = std::uint32_t(std::lround(imagen.ppp / MetrosPorPulgada));
    pon32(info, TamanoCabeceraInfo);
    pon32(info + 4, std::uint32_t(imagen.ancho));
    // A positive height stores the rows bottom-up, which every reader accepts.
    pon32(info + 8, std::uint32_t(imagen.alto));
    pon16(info + 12, 1);
    pon16(info + 14, std::uint16_t(imagen.bitsPorPixel));
    pon32(info + 16, 0);
    pon32(info + 20, std::uint32_t(tamanoPixeles));
    pon32(info + 24, porMetro);
    pon32(info + 28, porMetro);
    pon32(info + 32, std::uint32_t(colores));
    pon32(info + 36, 0);
    if (colores)
        ponPaleta(info + TamanoCabeceraInfo, colores);

    const char* origen = imagen.filas.constData();
    for (int y = 0; y < imagen.alto; ++y) {
        const char* fila = origen + qint64(y) * imagen.bytesPorFila;
        char* destino = p + inicioPixeles + qint64(imagen.alto - 1 - y) * filaBmp;
        if (imagen.bitsPorPixel == 24)
            aBgr(fila, destino, imagen.ancho);
        else
            std::memcpy(destino, fila, size_t(util));
        std::memset(destino + util, 0, size_t(filaBmp - util));
    }
    return bmp;
}

void EscribeBmp(const QString& ruta, const ImagenBmp& imagen)
{
    EscribeArchivoCompleto(ruta, CodificaBmp(imagen));
}
