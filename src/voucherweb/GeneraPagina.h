#pragma once

#include <QString>

// The voucher page writers. Each writes the page of one voucher into `ruta`
// and returns true once the file is written: whole, or as far as the
// operator let it be written after an error (the error dialog with
// "Generar": Retry runs the failed section again, Ignore goes on with the
// next, anything else ends the page there). False when the file could not
// be written at all.
//
// The type, branch, number and letter are taken as the grid gives them.
// `UsaVMvCpte` reads the sales-side header and detail views (keyed by
// voucher and complement); else the purchase-side ones, keyed by `Cuenta`.
bool GeneraPaginaVenta(const QString& ruta, const QString& TC, const QString& Sucursal, const QString& Numero,
                       const QString& Letra, bool UsaVMvCpte);
bool GeneraPaginaCompra(const QString& ruta, const QString& TC, const QString& Sucursal, const QString& Numero,
                        const QString& Letra, bool UsaVMvCpte, const QString& Cuenta);

// A page holding only the head, a title line and the scanned images of the
// voucher of that account.
bool GeneraPaginaImagenes(const QString& ruta, const QString& TC, const QString& Sucursal, const QString& Numero,
                          const QString& Letra, const QString& Cuenta);
