#include "platform/image/ConvierteImagen.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/image/BibliotecaTurbo.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

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

// Grey levels of a palette whose entries are all grey, or nothing.
std::optional<QByteArray> PaletaGris(const QByteArray& b, qsizetype desde, int colores)
{
    if (desde + 4 * qsizetype(colores) > b.size())
        return std::nullopt;
    QByteArray niveles(colores, '\0');
    for (int i = 0; i < colores; ++i) {
        const qsizetype e = desde + 4 * qsizetype(i);
        if (b.at(e) != b.at(e + 1) || b.at(e + 1) != b.at(e + 2))
            return std::nullopt;
        niveles[i] = b.at(e);
    }
    return niveles;
}

// Uncompressed 24-bit colour, 8-bit grey and 1-bit BMPs, the kinds the
// scanner writes; anything else goes through the general image reader.
std::optional<PixelesBmp> LeePixeles(const QByteArray& b)
{
    if (b.size() < 54 || !b.startsWith("BM"))
        return std::nullopt;
    const uint32_t inicio = Lee32(b, 10), cabecera = Lee32(b, 14);
    const int32_t ancho = int32_t(Lee32(b, 18)), altoFirmado = int32_t(Lee32(b, 22));
    const uint16_t bits = Lee16(b, 28);
    const uint32_t compresion = Lee32(b, 30);
    if (cabecera < 40 || compresion != 0 || ancho <= 0 || altoFirmado == 0 || altoFirmado == INT32_MIN)
        return std::nullopt;
    PixelesBmp p;
    p.ancho = ancho;
    p.alto = altoFirmado < 0 ? -altoFirmado : altoFirmado;
    p.deAbajoArriba = altoFirmado > 0;
    p.paso = int(((int64_t(ancho) * bits + 31) / 32) * 4);
    if (inicio + int64_t(p.paso) * p.alto > b.size())
        return std::nullopt;
    p.datos = reinterpret_cast<const unsigned char*>(b.constData() + inicio);
    if (bits == 24)
        return p;
    if (bits != 8 && bits != 1)
        return std::nullopt;
    const uint32_t usados = Lee32(b, 46);
    const int colores = usados ? int(usados) : (1 << bits);
    const std::optional<QByteArray> gris = PaletaGris(b, 14 + cabecera, colores);
    if (!gris)
        return std::nullopt;
    p.formato = TJPF_GRAY;
    const bool identidad = bits == 8 && colores == 256 && [&] {
        for (int i = 0; i < 256; ++i)
            if (uchar(gris->at(i)) != i)
                return false;
        return true;
    }();
    if (identidad)
        return p;
    // Other palettes and single bits become one grey level per pixel.
    p.propios.resize(qsizetype(ancho) * p.alto);
    for (int y = 0; y < p.alto; ++y) {
        const unsigned char* fila = p.datos + qsizetype(y) * p.paso;
        char* salida = p.propios.data() + qsizetype(y) * ancho;
        for (int x = 0; x < ancho; ++x) {
            const int indice = bits == 8 ? fila[x] : (fila[x >> 3] >> (7 - (x & 7))) & 1;
            salida[x] = indice < colores ? gris->at(indice) : '\0';
        }
    }
    p.datos = reinterpret_cast<const unsigned char*>(p.propios.constData());
    p.paso = ancho;
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

QByteArray ComprimeConQt(const QByteArray& bmp, int calidad)
{
    QImage imagen;
    if (!imagen.loadFromData(bmp, "BMP"))
        return {};
    QByteArray salida;
    QBuffer buffer(&salida);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter escritor(&buffer, "JPEG");
    escritor.setQuality(calidad);
    return escritor.write(imagen) ? salida : QByteArray();
}

}

int16_t ConvertBMPtoJPG(const QString& origen, const QString& destino, int16_t, int16_t calidad, bool)
{
    try {
        const QByteArray bmp = LeeArchivoCompleto(origen);
        const int q = std::clamp(int(calidad), 1, 100);
        const std::optional<PixelesBmp> pixeles = LeePixeles(bmp);
        // Without libjpeg-turbo, Qt's writer still compresses, only slower.
        // A BMP only Qt reads never loads it.
        const FuncionesTurbo* turbo = pixeles ? Turbo() : nullptr;
        const QByteArray jpeg = turbo ? ComprimeConTurbo(*turbo, *pixeles, q) : ComprimeConQt(bmp, q);
        if (jpeg.isEmpty())
            return 1;
        EscribeArchivoCompleto(destino, jpeg);
        return 0;
    } catch (const Err&) {
        return 1;
    }
}
