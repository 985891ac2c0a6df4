// Compresses A4 pages scanned at 200 dpi from SANE's test device into JPEG
// through ConvertBMPtoJPG and through libjpeg-turbo called in this process
// for the same work (the BMP read, the same flags, quality and subsampling,
// the JPEG written under a provisional name, synced and renamed), each first
// in half the rounds, and prints the ratio of the medians. cjpeg -quality
// 30, a process a page, is shown beside them for reference.

#include "base/Medidas.h"
#include "base/PaginaDePrueba.h"
#include "base/SaneDePrueba.h"
#include "platform/image/ConvierteImagen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <turbojpeg.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Paginas = 20;
constexpr int Rondas = 15;

bool EscribeTodo(int descriptor, const unsigned char* datos, size_t largo)
{
    while (largo > 0) {
        const ssize_t escritos = ::write(descriptor, datos, largo);
        if (escritos <= 0)
            return false;
        datos += escritos;
        largo -= size_t(escritos);
    }
    return true;
}

// The baseline's page: an uncompressed bottom-up BMP of 24-bit colour or
// 8-bit grey, as the scan road writes them, compressed in one call.
bool ConTurbo(tjhandle tj, const QString& bmp, const QString& jpg)
{
    const int entrada = ::open(QFile::encodeName(bmp).constData(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (entrada < 0 || ::fstat(entrada, &info) != 0)
        return false;
    const size_t tamano = size_t(info.st_size);
    const std::unique_ptr<unsigned char[]> b = std::make_unique_for_overwrite<unsigned char[]>(tamano);
    const bool leido = ::read(entrada, b.get(), tamano) == ssize_t(tamano);
    ::close(entrada);
    if (!leido || tamano < 54)
        return false;
    const auto lee32 = [&b](size_t i) { return int(b[i] | b[i + 1] << 8 | b[i + 2] << 16 | unsigned(b[i + 3]) << 24); };
    const int ancho = lee32(18), alto = lee32(22), bits = b[28];
    const bool gris = bits == 8;
    unsigned char* jpeg = nullptr;
    unsigned long largo = 0;
    if (tjCompress2(tj, b.get() + lee32(10), ancho, (ancho * bits + 31) / 32 * 4, alto, gris ? TJPF_GRAY : TJPF_BGR,
                    &jpeg, &largo, gris ? TJSAMP_GRAY : TJSAMP_420, 30, TJFLAG_ACCURATEDCT | TJFLAG_BOTTOMUP)
        != 0)
        return false;
    const QByteArray destino = QFile::encodeName(jpg), provisional = destino + ".tmp";
    const int salida = ::open(provisional.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    const bool escrito = salida >= 0 && EscribeTodo(salida, jpeg, largo) && ::fdatasync(salida) == 0;
    tjFree(jpeg);
    return salida >= 0 && ::close(salida) == 0 && escrito
           && ::rename(provisional.constData(), destino.constData()) == 0;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString carpeta = dir.path() + QLatin1Char('/');
    if (!ConfiguraSaneDePrueba(dir.path()))
        return 1;
    // Colour and grey pages, half and half.
    if (!EscaneaPagina(carpeta, QStringLiteral("Color"), QStringLiteral("Color pattern"), QStringLiteral("color.bmp"))
        || !EscaneaPagina(carpeta, QStringLiteral("Gray"), QStringLiteral("Grid"), QStringLiteral("gris.bmp")))
        return 1;
    QStringList paginas;
    for (int i = 0; i < Paginas; ++i) {
        const QString bmp = carpeta + QStringLiteral("pagina%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
        QFile::copy(carpeta + (i % 2 ? QStringLiteral("gris.bmp") : QStringLiteral("color.bmp")), bmp);
        paginas << bmp;
    }

    const std::unique_ptr<void, int (*)(tjhandle)> tj(tjInitCompress(), tjDestroy);
    const auto nuestra = [](const QString& bmp) {
        return ConvertBMPtoJPG(bmp, bmp + QStringLiteral(".nuestro.jpg"), 0, 30, true) == 0;
    };
    const auto base = [&tj](const QString& bmp) { return ConTurbo(tj.get(), bmp, bmp + QStringLiteral(".turbo.jpg")); };
    const auto cjpegAparte = [](const QString& bmp) {
        QProcess proceso;
        proceso.start(QStringLiteral("cjpeg"), {QStringLiteral("-quality"), QStringLiteral("30"),
                                                QStringLiteral("-outfile"), bmp + QStringLiteral(".cjpeg.jpg"), bmp});
        return proceso.waitForFinished(60000) && proceso.exitCode() == 0;
    };
    // Each road starts with nothing left to write back from the one before,
    // which its first sync would otherwise wait for.
    const int carpetaAbierta = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const auto mide = [&](const auto& convierte, std::vector<double>& tiempos) {
        ::syncfs(carpetaAbierta);
        QElapsedTimer reloj;
        reloj.start();
        for (const QString& bmp : paginas)
            if (!convierte(bmp))
                return false;
        tiempos.push_back(reloj.nsecsElapsed() / 1e6);
        return true;
    };
    std::vector<double> nuestros, turbo, cjpeg;
    for (int ronda = 0; ronda < Rondas; ++ronda) {
        // Either road goes first in half the rounds.
        const bool medidas = ronda % 2 == 0 ? mide(nuestra, nuestros) && mide(base, turbo)
                                            : mide(base, turbo) && mide(nuestra, nuestros);
        if (!medidas || !mide(cjpegAparte, cjpeg))
            return 1;
    }
    // The same work gives the same bytes.
    for (const QString& bmp : paginas) {
        QFile deNuestra(bmp + QStringLiteral(".nuestro.jpg")), deBase(bmp + QStringLiteral(".turbo.jpg"));
        if (!deNuestra.open(QIODevice::ReadOnly) || !deBase.open(QIODevice::ReadOnly)
            || deNuestra.readAll() != deBase.readAll()) {
            std::fprintf(stderr, "%s: the two JPEGs differ\n", qPrintable(bmp));
            return 1;
        }
    }
    std::printf("%d pages, A4 at 200 dpi (colour and grey)\n", Paginas);
    std::printf("ConvertBMPtoJPG: %.1f ms   libjpeg-turbo in-process: %.1f ms   cjpeg -quality 30: %.1f ms "
                "(medians of %d rounds)\n",
                mediana(nuestros), mediana(turbo), mediana(cjpeg), Rondas);
    std::printf("ratio %.3f goal <= 1.1\n", mediana(nuestros) / mediana(turbo));
    return 0;
}
