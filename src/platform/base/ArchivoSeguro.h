#pragma once

#include <QByteArray>
#include <QString>

namespace NumeroError {
constexpr long ErrorAccesoRuta = 75;
constexpr long RutaNoEncontrada = 76;
}

// Writes the whole file to a temporary name in the same folder and renames it
// into place, so a crash never leaves half a file. Raises Err on failure.
void EscribeArchivoCompleto(const QString& ruta, const QByteArray& contenido);
// The same replacement in one piece, without waiting for the disk: for files
// made again whenever they are needed (the pages on view), which readers
// must never see half written but which need not outlive a crash.
void EscribeArchivoPasajero(const QString& ruta, const QByteArray& contenido);
// Appends to a log; creates it when missing. Raises Err on failure.
void AgregaAlArchivo(const QString& ruta, const QByteArray& contenido);
// Reads a whole file; raises Err 53 when it does not exist, 75 when it
// cannot be read.
QByteArray LeeArchivoCompleto(const QString& ruta);
// Raises the error of a file that cannot be written or read: 76 when its
// folder is missing, else 75, naming the path and the reason.
[[noreturn]] void FallaAccesoArchivo(const QString& ruta, const QString& motivo);
