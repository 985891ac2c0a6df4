#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// This workstation's print rows of one receipt or payment order: the applied
// vouchers beside the means of payment, the other credits, the padding to
// ItemsPorRecibo lines (-1: none) and CopiasPorPagina copies. Formulas is
// rebuilt from index 1 with the totals, the amount in words and the concept.
void GeneraAuxiliarRecibo_PagoCobranza(const QString& TC, const QString& Sucursal, const QString& Numero,
                                       const QString& Letra, const QString& Cuenta, QStringList& Formulas,
                                       int32_t CopiasPorPagina, int32_t ItemsPorRecibo);
