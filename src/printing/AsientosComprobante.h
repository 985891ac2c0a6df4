#pragma once

#include <QString>
#include <QVariant>

// Previews every journal entry of the voucher on the date (`Fecha` as the
// caller writes it for SQL; empty takes every date), one report per entry,
// with the cost-centre layout when asked. Errors reach the caller.
void ProcesaAsientosComprobante(const QString& TC, const QString& IdComprobante, const QString& Fecha,
                                bool ConCentroCosto);

// Prints one journal entry through the report object: on screen, else on the
// printer. Errors reach the caller.
void ImprimeAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                    const QString& MesOperativo, const QString& NumeroAsiento, const QVariant& Periodo,
                    bool ConCentroCosto, bool EnPantalla);
