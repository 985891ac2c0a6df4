#pragma once

#include "platform/scanner/DispositivoSane.h"
#include "platform/scanner/EscritorBmp.h"

#include <QString>

#include <optional>
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
// A one-frame page keeps the frame's buffer, so frames handed over with
// std::move are never copied. Raises Err for an empty page or a format it
// cannot show.
ImagenBmp ComponeImagen(std::vector<CuadroSane> cuadros, double ppp);

// Scans one page and writes it as a BMP at exactly that path; a page the file
// takes line by line is written while the device still sends the rest. On
// any failure nothing is left at the path (an older file there stays as it
// was), and the error behind it is put in `motivo` when one is given.
int AdquiereABmp(DispositivoSane& dispositivo, const QString& archivo, std::optional<Err>* motivo = nullptr);
