#pragma once

#include "platform/base/Err.h"

#include <QByteArray>
#include <QString>

// Writes the whole file to a temporary name in the same folder and renames it
// into place, so a crash never leaves half a file. Raises Err on failure.
void EscribeArchivoCompleto(const QString& ruta, const QByteArray& contenido);
// Appends to a log; creates it when missing. Raises Err on failure.
void AgregaAlArchivo(const QString& ruta, const QByteArray& contenido);
// Reads a whole file; raises Err 53 when it does not exist, 75 when it
// cannot be read.
QByteArray LeeArchivoCompleto(const QString& ruta);
// Raises the error of a file that cannot be written or read: 76 when its
// folder is missing, else 75, naming the path and the reason.
[[noreturn]] void FallaAccesoArchivo(const QString& ruta, const QString& motivo);
