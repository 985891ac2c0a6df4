#pragma once

#include "platform/scanner/DispositivoSane.h"
#include "platform/scanner/EscritorBmp.h"

#include <QString>

#include <vector>

// What an acquisition gives back, as the scanner calls return it.
namespace ResultadoAdquisicion {
constexpr int Correcta = 0;
// The scanner failed, ran out of paper or was cancelled.
constexpr int FalloEscaner = -1;
// The page was scanned but the file could not be written.
constexpr int FalloArchivo = -2;
}

// The page the frames make, ready for the BMP file: 1 bit for black and
// white, 8 for grey, 24 for colour (16-bit samples keep their high byte).
// Raises Err for an empty page or a format it cannot show.
ImagenBmp ComponeImagen(const std::vector<CuadroSane>& cuadros, double ppp);

// Scans one page and writes it as a BMP at exactly that path. On any failure
// nothing is left at the path (an older file there stays as it was).
int AdquiereABmp(DispositivoSane& dispositivo, const QString& archivo);
