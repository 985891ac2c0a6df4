#pragma once

#include "scanning/AjustesEscaneo.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

class OperadorEscaneo;

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

// One scan as the window, the start action or any other caller asks for it.
struct PedidoEscaneo {
    QString comprobante;  // the type followed by the 13-character number, or empty
    QString cuenta;
    int16_t copias = 1;
    // Sent to the scanner as it is, before the first page.
    double resolucion = ResolucionPorDefecto;
    int tipoPixel = 0;  // 0 black and white, 1 grey, 2 colour
    // The folder field, used when no scan folder is configured.
    QString carpetaVentana;
    long ventana = 0;
};

struct FinEscaneo {
    // The settings reached the scanner: a page was about to be acquired.
    bool escanerConfigurado = false;
};

// Asks for a name and scans the copies into the scan folder, each page a BMP
// file registered in CTROL_ESCANEO on the main connection for the current
// user. A page is acquired under a name of its own and moved over its target
// only once whole, so a failed scan keeps any earlier file there; its file
// and the folder entry are on the disk before its row is committed, so no
// row ever names a missing file. A file that exists is replaced only when
// the operator says so; otherwise another name is asked for and the copies
// start again. A scanner failure, or a file that cannot be written (the
// operator is told which and why), ends the scan; what was filed stays.
FinEscaneo Escanea(OperadorEscaneo& operador, const PedidoEscaneo& pedido);
