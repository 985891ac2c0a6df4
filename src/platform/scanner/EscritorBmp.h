#pragma once

#include <QByteArray>
#include <QString>

// An uncompressed picture ready to be stored as a BMP file.
struct ImagenBmp {
    int ancho = 0;
    int alto = 0;
    // 1 (black and white), 8 (grey levels) or 24 (colour).
    int bitsPorPixel = 8;
    // Dots per inch; 0 leaves the resolution unstated.
    double ppp = 0;
    // Rows from top to bottom, each bytesPorFila long: 1 bit per pixel from
    // the high bit down (1 white, 0 black), one grey level per pixel, or R G B.
    int bytesPorFila = 0;
    QByteArray filas;
};

// The bytes of the BMP file: rows bottom-up, each padded to 4 bytes, a
// palette for 1 and 8 bits, the resolution in pixels per metre. Raises Err 5
// for an inconsistent picture and 6 for one too large for the format.
QByteArray CodificaBmp(const ImagenBmp& imagen);
// Writes the file whole at exactly that path; raises Err when it cannot.
void EscribeBmp(const QString& ruta, const ImagenBmp& imagen);
