#pragma once

#include "platform/base/ArchivoSeguro.h"

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

// A BMP file written whole at exactly that path (EscrituraSegura): rows
// bottom-up, each padded to 4 bytes, a palette for 1 and 8 bits, the
// resolution in pixels per metre. The rows may come in several runs, as a
// page arrives; each goes to the file straight from where it lies, through
// a small block, never a copy of the whole file.
class EscritorBmp {
public:
    // Raises Err 5 for an inconsistent picture, 6 for one too large for the
    // format, and the file's error when it cannot be written.
    EscritorBmp(const QString& ruta, int ancho, int alto, int bitsPorPixel, double ppp);

    // `cantidad` rows from row `primera` down, laid out as ImagenBmp holds
    // them, each `bytesPorFila` after the one before.
    void escribeFilas(int primera, const char* filas, int cantidad, qint64 bytesPorFila);
    // Once every row was written.
    void confirma();

private:
    struct Diseno {
        qint64 util;           // bytes a row needs
        qint64 fila;           // bytes a row takes in the file
        qint64 inicioPixeles;  // where the rows start
    };
    static Diseno diseno(int ancho, int alto, int bitsPorPixel);

    int ancho_;
    int alto_;
    int bitsPorPixel_;
    Diseno diseno_;
    EscrituraSegura archivo_;
    int filasPorBloque_;
    QByteArray bloque_;
    int escritas_ = 0;
};

// Writes the whole picture with EscritorBmp; raises its errors.
void EscribeBmp(const QString& ruta, const ImagenBmp& imagen);
