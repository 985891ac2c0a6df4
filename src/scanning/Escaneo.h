#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

class ConexionDatos;

// The folder scans go to: the configured one, else the window's field, else
// the program folder's "SCAN/", created when missing and then saved in the
// configuration. Raises Err when that folder cannot be created.
QString CarpetaDeEscaneo(const QString& carpetaVentana);

// The name offered for a scan: voucher, account and the server time as day,
// month, year, hour, minute and second run together without leading zeros.
QString NombreArchivoPorDefecto(const QString& comprobante, const QString& cuenta, const QDateTime& hora);

// A base name that keeps the file inside the scan folder: not empty, no "/"
// and no NUL.
bool NombreArchivoValido(const QString& nombreBase);

// Where copy number k of a base name goes: the first keeps the bare name,
// later ones add "(k)".
QString RutaDeCopia(const QString& carpeta, const QString& nombreBase, int copia);

// One page to acquire and the register row it gets.
struct DocumentoEscaneado {
    QString ruta;           // where the image lands: folder, base name, copy suffix, ".bmp"
    QString nombreArchivo;  // the base name the operator typed
    QString cuenta;
    QString comprobante;    // the type followed by the 13-character number, or empty
};

struct ResultadoEscaneo {
    QString ruta;
    // The first error the database left for the row; empty when registered.
    QString errorRegistro;
};

// Where a page is acquired before it replaces its target: a hidden name
// beside it, in the same folder so the move is one rename.
QString RutaProvisional(const QString& ruta);

// Opens the chosen source for acquisitions without its own dialog.
void AbreEscaner();
// Bit depth, resolution and pixel type (0 black and white, 1 grey, 2 colour).
void ConfiguraEscaner(double resolucion, int tipoPixel);

// Acquires one page beside the target under a temporary name and moves it
// over the target only once the scanner delivered the file, so a failed or
// cancelled scan keeps any earlier file there; then registers the row in
// CTROL_ESCANEO for the current user. Raises Err, registering nothing, when
// the voucher is shorter than 13 characters or the acquisition fails.
ResultadoEscaneo AdquiereYRegistra(ConexionDatos& conexion, long ventana, const DocumentoEscaneado& documento);

// The whole road of one page into carpeta/nombreBase.bmp.
ResultadoEscaneo EscaneaDocumento(ConexionDatos& conexion, const QString& carpeta, const QString& nombreBase,
                                  const QString& cuenta, const QString& comprobante, int tipoPixel,
                                  double resolucion);
