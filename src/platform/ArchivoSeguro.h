#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole file to a temporary name in the same folder and renames it
// into place, so a crash never leaves half a file. Raises Err on failure.
void EscribeArchivoCompleto(const QString& ruta, const QByteArray& contenido);
// Appends to a log; creates it when missing. Raises Err on failure.
void AgregaAlArchivo(const QString& ruta, const QByteArray& contenido);
// Reads a whole file; raises Err 53 when it cannot be opened.
QByteArray LeeArchivoCompleto(const QString& ruta);
