#include "platform/image/ConvierteImagen.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/image/BibliotecaTurbo.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <memory>
#include <optional>

namespace {

// What the headers of a BMP say, once every part they place (masks,
// palette, pixels) was found whole within the file and in that order, so
// that neither reader fills a picture from memory the file never held.
struct CabeceraBmp {
    uint32_t cabecera = 0;
    int ancho = 0, alto = 0;
    bool deAbajoArriba = true;
    int bits = 0;
    uint32_t compresion = 0;
    qsizetype paleta = 0;
    int colores = 0;
    qsizetype inicio = 0;  // of the pixels
    qsizetype paso = 0;    // between rows, when not run-length encoded
    std::array<uint32_t, 3> mascaras{};  // blue, green, red, of 16 and 32 bits
};

constexpr uint32_t SinCompresion = 0, Rle8 = 1, Rle4 = 2, CamposDeBits = 3;

// The pixels of an uncompressed BMP as libjpeg-turbo takes them, pointing
// into the file's bytes where they can be used as they are.
struct PixelesBmp {
    const unsigned char* datos = nullptr;
    int ancho = 0, alto = 0, paso = 0;
    bool deAbajoArriba = true;
    int formato = TJPF_BGR;
    QByteArray propios;  // expanded pixels when the file's cannot be used
};

// Little-endian fields of the headers, read byte by byte within the file.
uint32_t Lee32(const QByteArray& b, qsizetype i)
{
    return uint32_t(uchar(b.at(i))) | uint32_t(uchar(b.at(i + 1))) << 8 | uint32_t(uchar(b.at(i + 2))) << 16
           | uint32_t(uchar(b.at(i + 3))) << 24;
}

uint16_t Lee16(const QByteArray& b, qsizetype i)
{
    return uint16_t(uchar(b.at(i)) | uchar(b.at(i + 1)) << 8);
}

// Whether the run-length codes end the picture within the file, each run
// within its row. Pixels the codes skip are left to the reader's blank
// picture.
bool RleCompleto(const QByteArray& b, const CabeceraBmp& c)
{
    const auto* d = reinterpret_cast<const uchar*>(b.constData());
    qsizetype i = c.inicio;
    int x = 0, y = 0;
    while (y < c.alto) {
        if (i + 2 > b.size())
            return false;
        const int cuenta = d[i], codigo = d[i + 1];
        i += 2;
        if (cuenta > 0) {
            x += cuenta;
        } else if (codigo == 0) {
            x = 0;
            ++y;
        } else if (codigo == 1) {
            return true;
        } else if (codigo == 2) {
            if (i + 2 > b.size())
                return false;
            x += d[i];
            y += d[i + 1];
            i += 2;
            if (x >= c.ancho || y >= c.alto)
                return false;
        } else {
            // Pixels as they are, padded to a 16-bit boundary.
            x += codigo;
            i += ((c.bits == 8 ? codigo : (codigo + 1) / 2) + 1) / 2 * 2;
            if (i > b.size())
                return false;
        }
        if (x > c.ancho)
            return false;
    }
    return true;
}

// The header sizes, bit depths and encodings Qt's reader takes.
std::optional<CabeceraBmp> LeeCabecera(const QByteArray& b)
{
    constexpr qsizetype Archivo = 14;
    if (b.size() < Archivo + 4 || !b.startsWith("BM"))
        return std::nullopt;
    CabeceraBmp c;
    c.cabecera = Lee32(b, Archivo);
    const bool antigua = c.cabecera == 12;
    if (!antigua && c.cabecera != 40 && c.cabecera != 64 && c.cabecera != 108 && c.cabecera != 124)
        return std::nullopt;
    if (Archivo + c.cabecera > b.size())
        return std::nullopt;
    const int64_t ancho = antigua ? int16_t(Lee16(b, 18)) : int32_t(Lee32(b, 18));
    const int64_t alto = antigua ? int16_t(Lee16(b, 20)) : int32_t(Lee32(b, 22));
    const uint16_t planos = Lee16(b, antigua ? 22 : 26);
    c.bits = Lee16(b, antigua ? 24 : 28);
    c.compresion = antigua ? SinCompresion : Lee32(b, 30);
    const uint32_t usados = antigua ? 0 : Lee32(b, 46);
    // Compression 3 of the 64-byte header is Huffman coding, not masks.
    const bool conocido = c.compresion == SinCompresion
                              ? c.bits == 1 || c.bits == 4 || c.bits == 8 || c.bits == 16 || c.bits == 24 || c.bits == 32
                              : (c.compresion == Rle8 && c.bits == 8) || (c.compresion == Rle4 && c.bits == 4)
                                    || (c.compresion == CamposDeBits && c.cabecera != 64
                                        && (c.bits == 16 || c.bits == 32));
    if (!conocido || planos != 1 || ancho <= 0 || alto == 0 || alto == INT32_MIN)
        return std::nullopt;
    c.ancho = int(ancho);
    c.alto = int(alto < 0 ? -alto : alto);
    c.deAbajoArriba = alto > 0;
    // The masks of the shorter headers follow them; the palette follows both.
    c.paleta = Archivo + c.cabecera + (c.compresion == CamposDeBits && c.cabecera < 108 ? 12 : 0);
    if (c.bits <= 8) {
        if (usados > 256)
            return std::nullopt;
        c.colores = usados ? int(usados) : 1 << c.bits;
    }
    const qsizetype finPaleta = c.paleta + qsizetype(c.colores) * (antigua ? 3 : 4);
    c.inicio = Lee32(b, 10);
    if (finPaleta > c.inicio || c.inicio >= b.size())
        return std::nullopt;
    if (c.compresion == Rle8 || c.compresion == Rle4)
        return RleCompleto(b, c) ? std::optional(c) : std::nullopt;
    c.paso = (qsizetype(c.ancho) * c.bits + 31) / 32 * 4;
    if (c.paso > INT_MAX || c.alto > (b.size() - c.inicio) / c.paso)
        return std::nullopt;
    if (c.bits == 16 || c.bits == 32)
        for (int k = 0; k < 3; ++k) {
            // The masks lie at the same place after the 40-byte header and
            // within the longer ones; without them, 5 or 8 bits a channel.
            const int porCanal = c.bits == 16 ? 5 : 8;
            const uint32_t m =
                c.compresion == CamposDeBits ? Lee32(b, 62 - 4 * k) : ((1u << porCanal) - 1) << porCanal * k;
            const uint32_t maximo = m ? m >> std::countr_zero(m) : 0;
            // A channel without bits, in pieces or past the pixel is no colour.
            if (maximo == 0 || !std::has_single_bit(uint64_t(maximo) + 1) || uint64_t(m) >> c.bits != 0)
                return std::nullopt;
            c.mascaras[size_t(k)] = m;
        }
    return c;
}

// Grey levels of a palette whose entries are all grey, or nothing.
std::optional<QByteArray> PaletaGris(const QByteArray& b, const CabeceraBmp& c)
{
    QByteArray niveles(c.colores, '\0');
    for (int i = 0; i < c.colores; ++i) {
        const qsizetype e = c.paleta + 4 * qsizetype(i);
        if (b.at(e) != b.at(e + 1) || b.at(e + 1) != b.at(e + 2))
            return std::nullopt;
        niveles[i] = b.at(e);
    }
    return niveles;
}

// Pixels of 16 or 32 bits as B G R, each channel of its mask, whatever its
// width, scaled to 8 bits.
void ExpandeMascaras(PixelesBmp& p, const CabeceraBmp& c)
{
    std::array<int, 3> desplazamiento{};
    std::array<uint64_t, 3> maximo{};
    for (size_t k = 0; k < 3; ++k) {
        desplazamiento[k] = std::countr_zero(c.mascaras[k]);
        maximo[k] = c.mascaras[k] >> desplazamiento[k];
    }
    const int bytes = c.bits / 8;
    p.propios.resize(qsizetype(p.ancho) * p.alto * 3);
    for (int y = 0; y < p.alto; ++y) {
        const unsigned char* fila = p.datos + qsizetype(y) * p.paso;
        char* salida = p.propios.data() + qsizetype(y) * p.ancho * 3;
        for (int x = 0; x < p.ancho; ++x) {
            const unsigned char* e = fila + qsizetype(x) * bytes;
            const uint32_t v = e[0] | e[1] << 8 | (bytes == 4 ? e[2] << 16 | uint32_t(e[3]) << 24 : 0);
            for (size_t k = 0; k < 3; ++k) {
                const uint64_t canal = (v & c.mascaras[k]) >> desplazamiento[k];
                *salida++ = char((canal * 255 + maximo[k] / 2) / maximo[k]);
            }
        }
    }
    p.datos = reinterpret_cast<const unsigned char*>(p.propios.constData());
    p.paso = p.ancho * 3;
}

// Uncompressed BMPs of 16, 24 and 32 bits, of 8-bit grey and of 1 bit, the
// scanner's among them; anything else goes through the general image reader.
std::optional<PixelesBmp> LeePixeles(const QByteArray& b, const CabeceraBmp& c)
{
    if (c.cabecera < 40 || c.compresion == Rle8 || c.compresion == Rle4 || c.bits == 4)
        return std::nullopt;
    PixelesBmp p;
    p.ancho = c.ancho;
    p.alto = c.alto;
    p.deAbajoArriba = c.deAbajoArriba;
    p.paso = int(c.paso);
    p.datos = reinterpret_cast<const unsigned char*>(b.constData() + c.inicio);
    if (c.bits == 24)
        return p;
    if (c.bits > 8) {
        if (qsizetype(p.ancho) * 3 > INT_MAX)
            return std::nullopt;
        ExpandeMascaras(p, c);
        return p;
    }
    const std::optional<QByteArray> gris = PaletaGris(b, c);
    if (!gris)
        return std::nullopt;
    p.formato = TJPF_GRAY;
    const bool identidad = c.bits == 8 && c.colores == 256 && [&] {
        for (int i = 0; i < 256; ++i)
            if (uchar(gris->at(i)) != i)
                return false;
        return true;
    }();
    if (identidad)
        return p;
    // Other palettes and single bits become one grey level per pixel.
    p.propios.resize(qsizetype(p.ancho) * p.alto);
    for (int y = 0; y < p.alto; ++y) {
        const unsigned char* fila = p.datos + qsizetype(y) * p.paso;
        char* salida = p.propios.data() + qsizetype(y) * p.ancho;
        for (int x = 0; x < p.ancho; ++x) {
            const int indice = c.bits == 8 ? fila[x] : (fila[x >> 3] >> (7 - (x & 7))) & 1;
            salida[x] = indice < c.colores ? gris->at(indice) : '\0';
        }
    }
    p.datos = reinterpret_cast<const unsigned char*>(p.propios.constData());
    p.paso = p.ancho;
    return p;
}

QByteArray ComprimeConTurbo(const FuncionesTurbo& turbo, const PixelesBmp& p, int calidad)
{
    const std::unique_ptr<void, int (*)(tjhandle)> tj(turbo.InitCompress(), turbo.Destroy);
    if (!tj)
        return {};
    unsigned char* jpeg = nullptr;
    unsigned long largo = 0;
    const int flags = TJFLAG_ACCURATEDCT | (p.deAbajoArriba ? TJFLAG_BOTTOMUP : 0);
    const int submuestreo = p.formato == TJPF_GRAY ? TJSAMP_GRAY : TJSAMP_420;
    const int r = turbo.Compress2(tj.get(), p.datos, p.ancho, p.paso, p.alto, p.formato, &jpeg, &largo,
                                  submuestreo, calidad, flags);
    QByteArray salida;
    if (r == 0)
        salida = QByteArray(reinterpret_cast<const char*>(jpeg), qsizetype(largo));
    turbo.Free(jpeg);
    return salida;
}

QByteArray EscribeConQt(const QImage& imagen, int calidad)
{
    QByteArray salida;
    QBuffer buffer(&salida);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter escritor(&buffer, "JPEG");
    escritor.setQuality(calidad);
    return escritor.write(imagen) ? salida : QByteArray();
}

// The pixels libjpeg-turbo would have taken, for Qt's writer.
QImage ImagenDe(const PixelesBmp& p)
{
    const QImage vista(p.datos, p.ancho, p.alto, p.paso,
                       p.formato == TJPF_GRAY ? QImage::Format_Grayscale8 : QImage::Format_BGR888);
    return vista.mirrored(false, p.deAbajoArriba);
}

QByteArray ComprimeConQt(const QByteArray& bmp, int calidad)
{
    QBuffer origen;
    origen.setData(bmp);
    origen.open(QIODevice::ReadOnly);
    QImageReader lector(&origen, "BMP");
    // Read into a blank picture of the reader's own size and format, which
    // it fills in place, so pixels that run-length codes skip are blank.
    QImage imagen(lector.size(), lector.imageFormat());
    imagen.fill(0);
    if (!lector.read(&imagen))
        return {};
    // Qt's writer looks up every index in the palette: one shorter than the
    // indexes gets black entries, as libjpeg-turbo's road gives them.
    if (imagen.colorCount() > 0) {
        QList<QRgb> paleta = imagen.colorTable();
        paleta.resize(1 << imagen.depth(), qRgb(0, 0, 0));
        imagen.setColorTable(paleta);
    }
    return EscribeConQt(imagen, calidad);
}

}

QByteArray ComprimeBmp(const QString& origen, int calidad)
{
    const QByteArray bmp = LeeArchivoCompleto(origen);
    const int q = std::clamp(calidad, 1, 100);
    const std::optional<CabeceraBmp> cabecera = LeeCabecera(bmp);
    if (!cabecera)
        return {};
    const std::optional<PixelesBmp> pixeles = LeePixeles(bmp, *cabecera);
    // A BMP only Qt reads never loads libjpeg-turbo.
    if (!pixeles)
        return ComprimeConQt(bmp, q);
    // Without libjpeg-turbo, Qt's writer still compresses, only slower.
    const FuncionesTurbo* turbo = Turbo();
    return turbo ? ComprimeConTurbo(*turbo, *pixeles, q) : EscribeConQt(ImagenDe(*pixeles), q);
}

int16_t ConvertBMPtoJPG(const QString& origen, const QString& destino, int16_t, int16_t calidad, bool)
{
    try {
        const QByteArray jpeg = ComprimeBmp(origen, calidad);
        if (jpeg.isEmpty())
            return 1;
        EscribeArchivoCompleto(destino, jpeg);
        return 0;
    } catch (const Err&) {
        return 1;
    }
}
