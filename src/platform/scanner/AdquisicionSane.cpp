#include "platform/scanner/AdquisicionSane.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/GuardaErrores.h"

#include <QFileInfo>

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

bool cuadroAdmitido(const SANE_Parameters& p, int muestrasPorPixel, bool admiteUnBit)
{
    const bool profundidad = p.depth == 8 || p.depth == 16 || (admiteUnBit && p.depth == 1);
    return profundidad && p.pixels_per_line > 0
           && p.bytes_per_line >= (qint64(p.pixels_per_line) * muestrasPorPixel * p.depth + 7) / 8;
}

void compruebaCuadro(const CuadroSane& c, int muestrasPorPixel, bool admiteUnBit)
{
    if (!cuadroAdmitido(c.parametros, muestrasPorPixel, admiteUnBit))
        throw formatoNoAdmitido();
}

// The black-and-white bit of the device is 1 for black; the file's is 1 for white.
void inviertePuntos(char* datos, qint64 largo)
{
    for (qint64 i = 0; i < largo; ++i)
        datos[i] = char(~datos[i]);
}

// Writes a page's rows while the device is still sending the rest, when the
// page is one frame of known height whose lines the file takes as they are
// (8-bit grey or colour, black and white); any other page is left to be
// written once it is whole. A failed write stops the writing, and the page
// is then lost for the file's reason.
class PaginaEnCurso {
public:
    PaginaEnCurso(const QString& archivo, double ppp) : archivo_(archivo), ppp_(ppp) {}

    void recibe(const CuadroSane& c, qint64 leidos)
    {
        const SANE_Parameters& p = c.parametros;
        if (!decidida_) {
            decidida_ = true;
            const bool directa = p.last_frame && p.lines > 0 && p.depth != 16
                                 && ((p.format == SANE_FRAME_GRAY && cuadroAdmitido(p, 1, true))
                                     || (p.format == SANE_FRAME_RGB && cuadroAdmitido(p, 3, false)));
            if (directa) {
                alto_ = p.lines;
                guarda_.paso([&] {
                    escritor_.emplace(archivo_, p.pixels_per_line, alto_, p.format == SANE_FRAME_RGB ? 24 : p.depth,
                                      ppp_);
                });
            }
        }
        if (!escritor_ || guarda_.salio())
            return;
        const int completas = int(std::min<qint64>(leidos / p.bytes_per_line, alto_));
        const int nuevas = completas - listas_;
        if (nuevas <= 0)
            return;
        const char* filas = c.datos.constData() + qint64(listas_) * p.bytes_per_line;
        guarda_.paso([&] {
            if (p.depth == 1) {
                invertidas_ = QByteArray(filas, qint64(nuevas) * p.bytes_per_line);
                inviertePuntos(invertidas_.data(), invertidas_.size());
                filas = invertidas_.constData();
            }
            escritor_->escribeFilas(listas_, filas, nuevas, p.bytes_per_line);
        });
        listas_ = completas;
    }

    // Every row went to the file as it came, or a write failed.
    bool escrita() const { return guarda_.salio() || (escritor_ && listas_ == alto_); }
    // Raises the error of the write that failed.
    void confirma()
    {
        if (guarda_.salio())
            throw guarda_.ultimoError();
        escritor_->confirma();
    }

private:
    QString archivo_;
    double ppp_;
    GuardaErrores guarda_{politicas::saleEnSilencio()};
    std::optional<EscritorBmp> escritor_;
    bool decidida_ = false;
    int listas_ = 0;
    int alto_ = -1;
    QByteArray invertidas_;
};

// Writes the samples of `lineas` lines, 8 bits each, into every `paso`-th
// byte of the rows of `destino`; 16-bit samples come in the machine's byte
// order and keep their high byte. The destination may be the source itself
// when its rows are no longer than the source's lines: each byte then moves
// only towards the start, after it was read.
void copiaMuestras(const char* origen, const SANE_Parameters& p, int muestrasPorFila, int lineas, char* destino,
                   int bytesPorFila, int paso)
{
    for (int y = 0; y < lineas; ++y) {
        const char* linea = origen + qint64(y) * p.bytes_per_line;
        char* fila = destino + qint64(y) * bytesPorFila;
        for (int i = 0; i < muestrasPorFila; ++i) {
            if (p.depth == 8) {
                fila[i * paso] = linea[i];
            } else {
                quint16 v = 0;
                std::memcpy(&v, linea + 2 * i, sizeof v);
                fila[i * paso] = char(v >> 8);
            }
        }
    }
}

// The page keeps the frame's own buffer: 8-bit lines are taken as they came,
// 16-bit samples narrowed and black-and-white bits inverted where they lie.
void tomaCuadro(CuadroSane& c, int muestrasPorFila, ImagenBmp& imagen)
{
    const SANE_Parameters& p = c.parametros;
    imagen.filas = std::move(c.datos);
    imagen.bytesPorFila = p.depth == 16 ? muestrasPorFila : p.bytes_per_line;
    if (p.depth == 16) {
        char* datos = imagen.filas.data();
        copiaMuestras(datos, p, muestrasPorFila, imagen.alto, datos, imagen.bytesPorFila, 1);
    } else if (p.depth == 1) {
        inviertePuntos(imagen.filas.data(), qint64(imagen.bytesPorFila) * imagen.alto);
    }
}

void componeGrises(CuadroSane& c, ImagenBmp& imagen)
{
    compruebaCuadro(c, 1, true);
    imagen.alto = lineasDe(c);
    imagen.bitsPorPixel = c.parametros.depth == 1 ? 1 : 8;
    tomaCuadro(c, imagen.ancho, imagen);
}

void componeColor(CuadroSane& c, ImagenBmp& imagen)
{
    compruebaCuadro(c, 3, false);
    imagen.bitsPorPixel = 24;
    imagen.alto = lineasDe(c);
    tomaCuadro(c, 3 * imagen.ancho, imagen);
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
        copiaMuestras(canales[canal]->datos.constData(), canales[canal]->parametros, imagen.ancho, imagen.alto,
                      imagen.filas.data() + canal, imagen.bytesPorFila, 3);
}

}

ImagenBmp ComponeImagen(std::vector<CuadroSane> cuadros, double ppp)
{
    if (cuadros.empty() || cuadros.front().parametros.bytes_per_line <= 0)
        throw imagenVacia();
    CuadroSane& primero = cuadros.front();
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

int AdquiereABmp(DispositivoSane& dispositivo, const QString& archivo, std::optional<Err>* motivo)
{
    // Pages of a scan killed half written go before the first one is written.
    LimpiaProvisionalesUnaVez(QFileInfo(archivo).path());
    int resultado = ResultadoAdquisicion::FalloEscaner;
    double ppp = 0;
    std::optional<PaginaEnCurso> pagina;
    std::vector<CuadroSane> cuadros;
    ImagenBmp imagen;
    GuardaErrores guarda(politicas::saleEnSilencio());
    guarda.paso([&] {
        if (dispositivo.activa(SANE_NAME_SCAN_RESOLUTION))
            ppp = dispositivo.leeNumero(SANE_NAME_SCAN_RESOLUTION);
    });
    guarda.paso([&] {
        PaginaEnCurso& enCurso = pagina.emplace(archivo, ppp);
        cuadros = dispositivo.escanea([&enCurso](const CuadroSane& c, qint64 leidos) { enCurso.recibe(c, leidos); });
    });
    guarda.paso([&] {
        if (!pagina->escrita())
            imagen = ComponeImagen(std::move(cuadros), ppp);
    });
    guarda.paso([&] {
        resultado = ResultadoAdquisicion::FalloArchivo;
        if (pagina->escrita())
            pagina->confirma();
        else
            EscribeBmp(archivo, imagen);
        resultado = ResultadoAdquisicion::Correcta;
    });
    if (motivo && guarda.huboError())
        *motivo = guarda.ultimoError();
    return resultado;
}
