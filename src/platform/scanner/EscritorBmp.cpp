#include "platform/scanner/EscritorBmp.h"

#include "platform/base/Err.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr int TamanoCabeceraArchivo = 14;
constexpr int TamanoCabeceraInfo = 40;
constexpr int MaximoColores = 256;
constexpr double MetrosPorPulgada = 0.0254;
// Rows are gathered into blocks of about this size before each write.
constexpr qint64 TamanoBloque = 256 * 1024;

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

Err inconsistente()
{
    return Err(NumeroError::LlamadaInvalida, QStringLiteral("Imagen inconsistente para BMP"));
}

int coloresDe(int bitsPorPixel)
{
    return bitsPorPixel == 24 ? 0 : 1 << bitsPorPixel;
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

EscritorBmp::Diseno EscritorBmp::diseno(int ancho, int alto, int bitsPorPixel)
{
    if ((bitsPorPixel != 1 && bitsPorPixel != 8 && bitsPorPixel != 24) || ancho <= 0 || alto <= 0)
        throw inconsistente();
    Diseno d;
    d.util = (qint64(ancho) * bitsPorPixel + 7) / 8;
    d.fila = (d.util + 3) / 4 * 4;
    d.inicioPixeles = TamanoCabeceraArchivo + TamanoCabeceraInfo + 4 * coloresDe(bitsPorPixel);
    if (d.inicioPixeles + d.fila * alto > std::numeric_limits<std::int32_t>::max())
        throw Err(NumeroError::Desbordamiento, QStringLiteral("Imagen demasiado grande para BMP"));
    return d;
}

EscritorBmp::EscritorBmp(const QString& ruta, int ancho, int alto, int bitsPorPixel, double ppp)
    : ancho_(ancho), alto_(alto), bitsPorPixel_(bitsPorPixel), diseno_(diseno(ancho, alto, bitsPorPixel)),
      archivo_(ruta), filasPorBloque_(int(std::clamp<qint64>(TamanoBloque / diseno_.fila, 1, alto))),
      bloque_(filasPorBloque_ * diseno_.fila, Qt::Uninitialized)
{
    const qint64 tamanoPixeles = diseno_.fila * alto;
    const int colores = coloresDe(bitsPorPixel);
    char p[TamanoCabeceraArchivo + TamanoCabeceraInfo + 4 * MaximoColores];
    p[0] = 'B';
    p[1] = 'M';
    pon32(p + 2, std::uint32_t(diseno_.inicioPixeles + tamanoPixeles));
    pon32(p + 6, 0);
    pon32(p + 10, std::uint32_t(diseno_.inicioPixeles));

    char* info = p + TamanoCabeceraArchivo;
    const auto porMetro = std::uint32_t(std::lround(ppp / MetrosPorPulgada));
    pon32(info, TamanoCabeceraInfo);
    pon32(info + 4, std::uint32_t(ancho));
    // A positive height stores the rows bottom-up, which every reader accepts.
    pon32(info + 8, std::uint32_t(alto));
    pon16(info + 12, 1);
    pon16(info + 14, std::uint16_t(bitsPorPixel));
    pon32(info + 16, 0);
    pon32(info + 20, std::uint32_t(tamanoPixeles));
    pon32(info + 24, porMetro);
    pon32(info + 28, porMetro);
    pon32(info + 32, std::uint32_t(colores));
    pon32(info + 36, 0);
    if (colores)
        ponPaleta(info + TamanoCabeceraInfo, colores);
    archivo_.escribe(0, p, diseno_.inicioPixeles);
}

void EscritorBmp::escribeFilas(int primera, const char* filas, int cantidad, qint64 bytesPorFila)
{
    if (primera < 0 || cantidad < 0 || primera + cantidad > alto_ || bytesPorFila < diseno_.util)
        throw inconsistente();
    while (cantidad > 0) {
        const int n = std::min(cantidad, filasPorBloque_);
        // Stored bottom-up, the last of these rows comes first.
        for (int i = 0; i < n; ++i) {
            const char* fila = filas + qint64(n - 1 - i) * bytesPorFila;
            char* destino = bloque_.data() + i * diseno_.fila;
            if (bitsPorPixel_ == 24)
                aBgr(fila, destino, ancho_);
            else
                std::memcpy(destino, fila, size_t(diseno_.util));
            std::memset(destino + diseno_.util, 0, size_t(diseno_.fila - diseno_.util));
        }
        archivo_.escribe(diseno_.inicioPixeles + qint64(alto_ - primera - n) * diseno_.fila, bloque_.constData(),
                         n * diseno_.fila);
        primera += n;
        filas += n * bytesPorFila;
        cantidad -= n;
        escritas_ += n;
    }
}

void EscritorBmp::confirma()
{
    if (escritas_ != alto_)
        throw inconsistente();
    archivo_.confirma();
}

void EscribeBmp(const QString& ruta, const ImagenBmp& imagen)
{
    if (imagen.alto <= 0 || imagen.bytesPorFila <= 0
        || imagen.filas.size() < qint64(imagen.bytesPorFila) * imagen.alto)
        throw inconsistente();
    EscritorBmp escritor(ruta, imagen.ancho, imagen.alto, imagen.bitsPorPixel, imagen.ppp);
    escritor.escribeFilas(0, imagen.filas.constData(), imagen.alto, imagen.bytesPorFila);
    escritor.confirma();
}
