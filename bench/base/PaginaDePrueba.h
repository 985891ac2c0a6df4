#pragma once

#include "platform/scanner/EscritorBmp.h"

#include <QImage>
#include <QProcess>
#include <QString>

#include <cstdio>

// One page of the test device in the mode, as the scan road stores it.
inline bool EscaneaPagina(const QString& carpeta, const QString& modo, const QString& dibujo, const QString& bmp)
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
