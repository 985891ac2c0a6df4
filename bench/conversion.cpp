// Compresses A4 pages scanned at 200 dpi from SANE's test device into JPEG
// through ConvertBMPtoJPG and through cjpeg -quality 30, alternating rounds,
// and prints the ratio of the medians.

#include "base/SaneDePrueba.h"
#include "platform/image/ConvierteImagen.h"
#include "platform/scanner/EscritorBmp.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Paginas = 20;
constexpr int Rondas = 7;

// One page of the test device in the mode, as the scan road stores it.
bool Escanea(const QString& carpeta, const QString& modo, const QString& dibujo, const QString& bmp)
{
    QProcess scanimage;
    scanimage.start(QStringLiteral("scanimage"),
                    {QStringLiteral("-d"), QStringLiteral("test"), QStringLiteral("--mode"), modo,
                     QStringLiteral("--resolution"), QStringLiteral("200"), QStringLiteral("--test-picture"), dibujo,
                     QStringLiteral("-l"), QStringLiteral("0"), QStringLiteral("-t"), QStringLiteral("0"),
                     QStringLiteral("-x"), QStringLiteral("210"), QStringLiteral("-y"), QStringLiteral("297"),
                     QStringLiteral("--format=pnm")});
    if (!scanimage.waitForFinished(120000) || scanimage.exitCode() != 0) {
        std::fprintf(stderr, "scanimage (%s): %s\n", qPrintable(scanimage.errorString()),
                     scanimage.readAllStandardError().constData());
        return false;
    }
    const QImage pagina = QImage::fromData(scanimage.readAllStandardOutput(), "PNM");
    if (pagina.isNull())
        return false;
    ImagenBmp imagen;
    imagen.ancho = pagina.width();
    imagen.alto = pagina.height();
    imagen.ppp = 200;
    const bool color = pagina.format() != QImage::Format_Grayscale8;
    const QImage filas = pagina.convertToFormat(color ? QImage::Format_RGB888 : QImage::Format_Grayscale8);
    imagen.bitsPorPixel = color ? 24 : 8;
    imagen.bytesPorFila = imagen.ancho * (color ? 3 : 1);
    for (int y = 0; y < imagen.alto; ++y)
        imagen.filas.append(reinterpret_cast<const char*>(filas.constScanLine(y)), imagen.bytesPorFila);
    EscribeBmp(carpeta + bmp, imagen);
    return true;
}

double Mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
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
    if (!Escanea(carpeta, QStringLiteral("Color"), QStringLiteral("Color pattern"), QStringLiteral("color.bmp"))
        || !Escanea(carpeta, QStringLiteral("Gray"), QStringLiteral("Grid"), QStringLiteral("gris.bmp")))
        return 1;
    QStringList paginas;
    for (int i = 0; i < Paginas; ++i) {
        const QString bmp = carpeta + QStringLiteral("pagina%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
        QFile::copy(carpeta + (i % 2 ? QStringLiteral("gris.bmp") : QStringLiteral("color.bmp")), bmp);
        paginas << bmp;
    }

    std::vector<double> nuestros, cjpeg;
    for (int ronda = 0; ronda < Rondas; ++ronda) {
        QElapsedTimer reloj;
        reloj.start();
        for (const QString& bmp : paginas)
            if (ConvertBMPtoJPG(bmp, bmp + QStringLiteral(".nuestro.jpg"), 0, 30, true) != 0)
                return 1;
        nuestros.push_back(reloj.nsecsElapsed() / 1e6);

        reloj.restart();
        for (const QString& bmp : paginas) {
            QProcess proceso;
            proceso.start(QStringLiteral("cjpeg"), {QStringLiteral("-quality"), QStringLiteral("30"),
                                                    QStringLiteral("-outfile"), bmp + QStringLiteral(".cjpeg.jpg"), bmp});
            if (!proceso.waitForFinished(60000) || proceso.exitCode() != 0)
                return 1;
        }
        cjpeg.push_back(reloj.nsecsElapsed() / 1e6);
    }
    const double nuestro = Mediana(nuestros), base = Mediana(cjpeg);
    std::printf("%d pages, A4 at 200 dpi (colour and grey)\n", Paginas);
    std::printf("ConvertBMPtoJPG: %.1f ms   cjpeg -quality 30: %.1f ms (medians of %d rounds)\n", nuestro, base,
                Rondas);
    std::printf("ratio %.3f goal <= 1.1\n", nuestro / base);
    return 0;
}
