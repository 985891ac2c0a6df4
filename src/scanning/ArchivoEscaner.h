#pragma once

#include <QString>

// The scanner INI file: a marker that a scanner source was chosen. Only its
// existence is tested; nothing reads what it holds.
inline const QString NombreArchivoEscaner = QStringLiteral("Lumivarnesse.ini");

// Raises Err 53 when the file cannot be opened for reading.
void CompruebaArchivoEscaner(const QString& ruta);
// Replaces the file with its two lines (Windows-1252, CR LF), the second
// carrying the result of the source selection. Raises Err on failure.
void EscribeArchivoEscaner(const QString& ruta, int fuente);
