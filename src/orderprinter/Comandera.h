#pragma once

#include "platform/base/Conversiones.h"
#include "platform/serial/PuertoSerie.h"

#include <QString>
#include <QVariant>

#include <cstdint>

// The hidden sales window, never shown: only its serial control, kept
// for the whole run so the port set last stays until the next ticket sets it.
class FrmMvVentas {
public:
    PuertoSerie MSComm1;
    // The line's events need nothing from the ticket.
    void MSComm1_OnComm();
    // Part of the window's public operations; a ticket needs no surcharge, so
    // it does nothing.
    void AgregoRegargo(const QVariant& cualquierimporte);
};

FrmMvVentas& ObjFrmMvVentas();

// `Ancho` characters: the start of the text, fitted, then "$ " and the
// amount with two decimals right-aligned in 7. An amount wider than that
// takes room from the text, and the line grows only when there is none left.
QString FormateaLineaImporte(const QString& Texto, Moneda Importe, double Ancho);

// Prints the voucher as an ESC/POS ticket on this workstation's order
// printer ("Comandera :" and its name, or no name for the first one): a
// price ticket, or with `Cocina` / `Barra` (flags, -1 true, 0 false) the
// kitchen or bar items still to serve. Tells the operator when there is no
// order printer or its port cannot be opened, and sends nothing then.
void ImprimeEnComandera(const QString& TC, const QString& IdComprobante, const QString& NombreImpresora,
                        int16_t Cocina, int16_t Barra);
