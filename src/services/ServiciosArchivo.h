#pragma once

#include <QDateTime>
#include <QString>

// True when the file can be opened for reading; never raises.
bool ExisteArchivo(const QString& Ruta);
// The server's date and time to the second, with the configured and local
// fallbacks; never raises.
QDateTime FechaServidor();
// Opens the file with its associated program; errors reach the caller.
void AbreArchivoAsociado(QString Ruta, bool Mostrar);
