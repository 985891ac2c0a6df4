#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Compresses the BMP file into a JPEG file of the given quality (1 to 100),
// written whole at `destino`. Returns 0 on success and 1 when the source
// cannot be read, is not a whole BMP (a file cut short, a header placing
// its parts past the end, a colour mask that is not one run of bits within
// the pixel) or the JPEG cannot be written. The source is never
// touched: whoever converts decides when it may go. `reservado` and
// `conservaOrigen` are passed by the upload batch and change nothing here.
int16_t ConvertBMPtoJPG(const QString& origen, const QString& destino, int16_t reservado, int16_t calidad,
                        bool conservaOrigen);

// The JPEG of the BMP file, in memory; empty when the file is no picture.
// Safe on any thread. Raises the error of LeeArchivoCompleto when the file
// is missing or cannot be read.
QByteArray ComprimeBmp(const QString& origen, int calidad);
