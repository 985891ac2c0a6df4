#pragma once

#include <QString>

#include <cstdint>

// One temporary text file at a time. Mode 1 creates it (closing the one
// before): the extension gains a leading "." when it lacks one, an empty path
// names it by the time of day (hhmmss) in the temporary folder, and a text
// that is not blank is its first line. Mode 2 writes a line, 3 closes it and
// opens it with its program, 4 closes and deletes it; any other does
// nothing. Path always receives the current file's path. Lines end in CR LF
// in ".xls" files and in CR, CR LF in any other.
void ArchivoTemporal(int16_t Modo, const QString& Texto, QString& Extension, QString& Ruta);
