#pragma once

#include <QString>

// Where the image of a register row lies. The scanning keeps the file's
// whole path in RutaArchivo, the assignment a folder (or nothing) beside the
// file name: RutaArchivo is the file itself when it names an existing file
// or ends in an image extension; else folder and name are joined with one
// "/", and an empty folder stands for the scan folder.
QString ArchivoDeImagen(const QString& RutaArchivo, const QString& NombreArchivo, const QString& carpetaEscaneo);
