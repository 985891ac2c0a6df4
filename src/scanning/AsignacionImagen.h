#pragma once

#include <QDateTime>
#include <QString>

class ConexionDatos;

// Assigning an existing image file to a voucher: the file is brought into
// the scan folder and the voucher gets a register row of its own for it.

// Which file the operator means: a path typed in "Ruta Archivo" wins over
// the bare name a grid click left in the label; else the label, else the
// typed text.
QString ArchivoElegido(const QString& textoLabel, const QString& textoCampo);

// Where the assigned file lies once in the scan folder, or why it cannot be
// assigned (the operator's message; nothing was copied then).
struct ArchivoAsignado {
    QString NombreArchivo;
    QString RutaArchivo;  // the scan folder as configured, or the file's own folder when it lies there
    QString rechazo;
};

// The file's name and folder for the register. A path outside the scan
// folder is copied into it, under a new name (the second and minute of
// `ahora`, the server's day, then the name, and a number when that is taken
// too) when the name is taken: a copy never replaces a file. A bare name
// must lie in the scan folder. Raises Err when the copy fails.
ArchivoAsignado TraeAlEscaneo(const QString& ruta, const QString& carpetaEscaneo, const QDateTime& ahora,
                              int diaServidor);

// Files the voucher's register row for the file (withdrawn rows of the same
// file do not count), leaving the voucher's other rows as they are. Returns
// the first error the server left (empty when none); false in `agregada`
// when the voucher already has that file.
QString RegistraAsignacion(ConexionDatos& conexion, const QString& cuenta, const QString& clave,
                           const ArchivoAsignado& archivo, const QString& usuario, bool& agregada);
