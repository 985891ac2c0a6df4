#include "platform/scanner/AdquisicionSane.h"

#include "platform/base/GuardaErrores.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cstring>

namespace {

Err imagenVacia()
{
    return ErrorEscaner(QStringLiteral("El escáner no envió ninguna línea"));
}

Err formatoNoAdmitido()
{
    return ErrorEscaner(QStringLiteral("El escáner envió un formato de imagen no admitido"));
}

// Whole lines received: a device that does not know its line count announces
// -1, and one that stops early sends fewer than it announced.
int lineasDe(const CuadroSane& c)
{
    const SANE_Parameters& p = c.parametros;
    qint64 lineas = c.datos.size() / p.bytes_per_line;
    if (p.lines >= 0)
        lineas = std::min<qint64>(lineas, p.lines);
    return int(lineas);
}

void compruebaCuadro(const CuadroSane& c, int muestrasPorPixel, bool admiteUnBit)
{
    const SANE_Parameters& p = c.parametros;
    const bool profundidad = p.depth == 8 || p.depth == 16 || (admiteUnBit && p.depth == 1);
    if (!profundidad || p.pixels_per_line <= 0
        || p.bytes_per_line < (qint64(p.pixels_per_line) * muestrasPorPixel * p.depth + 7) / 8)
        throw formatoNoAdmitido();
}

// Writes the frame's samples, 8 bits each, into every `paso`-th byte of the
// rows starting at `desde`; 16-bit samples come in the machine's byte order
// and keep their high byte.
void copiaMuestras(const CuadroSane& c, int muestrasPorFila, int lineas, ImagenBmp& imagen, int paso, int desde)
{
    const SANE_Parameters& p = c.parametros;
    for (int y = 0; y < lineas; ++y) {
        const char* origen = c.datos.constData() + qint64(y) * p.bytes_per_line;
        char* destino = imagen.filas.data() + qint64(y) * imagen.bytesPorFila + desde;
        for (int i = 0; i < muestrasPorFila; ++i) {
            if (p.depth == 8) {
                destino[i * paso] = origen[i];
            } else {
                quint16 v = 0;
                std::memcpy(&v, origen + 2 * i, sizeof v);
                destino[i * paso] = char(v >> 8);
            }
        }
    }
}

// One-frame pages of 8 bits are already laid out as the BMP writer takes them.
void tomaTalCual(const CuadroSane& c, ImagenBmp& imagen)
{
    imagen.bytesPorFila = c.parametros.bytes_per_line;
    imagen.filas = c.datos;
}

void componeGrises(const CuadroSane& c, ImagenBmp& imagen)
{
    compruebaCuadro(c, 1, true);
    imagen.alto = lineasDe(c);
    if (c.parametros.depth == 8) {
        imagen.bitsPorPixel = 8;
        tomaTalCual(c, imagen);
    } else if (c.parametros.depth == 16) {
        imagen.bitsPorPixel = 8;
        imagen.bytesPorFila = imagen.ancho;
        imagen.filas.resize(qint64(imagen.bytesPorFila) * imagen.alto);
        copiaMuestras(c, imagen.ancho, imagen.alto, imagen, 1, 0);
    } else {
        // The device's black-and-white bit is 1 for black; the file's is 1 for white.
        imagen.bitsPorPixel = 1;
        imagen.bytesPorFila = (imagen.ancho + 7) / 8;
        imagen.filas.resize(qint64(imagen.bytesPorFila) * imagen.alto);
        for (int y = 0; y < imagen.alto; ++y) {
            const char* origen = c.datos.constData() + qint64(y) * c.parametros.bytes_per_line;
            char* destino = imagen.filas.data() + qint64(y) * imagen.bytesPorFila;
            for (int i = 0; i < imagen.bytesPorFila; ++i)
                destino[i] = char(~origen[i]);
        }
    }
}

void componeColor(const CuadroSane& c, ImagenBmp& imagen)
{
    compruebaCuadro(c, 3, false);
    imagen.bitsPorPixel = 24;
    imagen.alto = lineasDe(c);
    if (c.parametros.depth == 8) {
        tomaTalCual(c, imagen);
        return;
    }
    imagen.bytesPorFila = 3 * imagen.ancho;
    imagen.filas.resize(qint64(imagen.bytesPorFila) * imagen.alto);
    copiaMuestras(c, 3 * imagen.ancho, imagen.alto, imagen, 1, 0);
}

void componeTresPasadas(const std::vector<CuadroSane>& cuadros, ImagenBmp& imagen)
{
    const CuadroSane* canales[3] = {nullptr, nullptr, nullptr};
    for (const CuadroSane& c : cuadros) {
        const int canal = c.parametros.format - SANE_FRAME_RED;
        if (canal < 0 || canal > 2 || canales[canal])
            throw formatoNoAdmitido();
        compruebaCuadro(c, 1, false);
        if (c.parametros.pixels_per_line != imagen.ancho)
            throw formatoNoAdmitido();
        canales[canal] = &c;
    }
    if (!canales[0] || !canales[1] || !canales[2])
        throw formatoNoAdmitido();
    imagen.bitsPorPixel = 24;
    imagen.alto = std::min({lineasDe(*canales[0]), lineasDe(*canales[1]), lineasDe(*canales[2])});
    imagen.bytesPorFila = 3 * imagen.ancho;
    imagen.filas.resize(qint64(imagen.bytesPorFila) * imagen.alto);
    for (int canal = 0; canal < 3; ++canal)
        copiaMuestras(*canales[canal], imagen.ancho, imagen.alto, imagen, 3, canal);
}

}

ImagenBmp ComponeImagen(const std::vector<CuadroSane>& cuadros, double ppp)
{
    if (cuadros.empty() || cuadros.front().parametros.bytes_per_line <= 0)
        throw imagenVacia();
    const CuadroSane& primero = cuadros.front();
    ImagenBmp imagen;
    imagen.ppp = ppp;
    imagen.ancho = primero.parametros.pixels_per_line;
    switch (primero.parametros.format) {
    case SANE_FRAME_GRAY:
        componeGrises(primero, imagen);
        break;
    case SANE_FRAME_RGB:
        componeColor(primero, imagen);
        break;
    case SANE_FRAME_RED:
    case SANE_FRAME_GREEN:
    case SANE_FRAME_BLUE:
        componeTresPasadas(cuadros, imagen);
        break;
    default:
        throw formatoNoAdmitido();
    }
    if (imagen.alto <= 0)
        throw imagenVacia();
    return imagen;
}

int AdquiereABmp(DispositivoSane& dispositivo, const QString& archivo)
{
    int resultado = ResultadoAdquisicion::FalloEscaner;
    double ppp = 0;
    std::vector<CuadroSane> cuadros;
    ImagenBmp imagen;
    GuardaErrores guarda(politicas::saleEnSilencio());
    guarda.paso([&] {
        if (dispositivo.activa(SANE_NAME_SCAN_RESOLUTION))
            ppp = dispositivo.leeNumero(SANE_NAME_SCAN_RESOLUTION);
    });
    guarda.paso([&] { cuadros = dispositivo.escanea(); });
    guarda.paso([&] { imagen = ComponeImagen(cuadros, ppp); });
    guarda.paso([&] {
        resultado = ResultadoAdquisicion::FalloArchivo;
        EscribeBmp(archivo, imagen);
        resultado = ResultadoAdquisicion::Correcta;
    });
    return resultado;
}
