#pragma once

#include <QString>

#include <cstdint>

// Rebuilds this workstation's rows of the print table AUX_MV_CPTE for the
// vouchers of type TC chosen by the list of numbers, else the list of IDs,
// else the range: per voucher a header row, the sections (tasks or a task's
// diary, supplies and their batch row, pending supplies of the originating
// order, other concepts), a footer row, then the amount in words and the
// header text on every row. TC comes back padded to 4. Errors 6 and 401 are
// passed over; any other asks the operator, and leaving keeps the rows
// written so far.
void GeneraAuxiliarComprobantes(QString& TC, const QString& SucursalDesde, const QString& NumeroDesde,
                                const QString& LetraDesde, const QString& IdComplementoDesde, int16_t LineasTitulo,
                                const QString& SucursalHasta, const QString& NumeroHasta, const QString& LetraHasta,
                                const QString& IdComplementoHasta, const QString& ListaID,
                                const QString& ListaIdComprobante, const QString& IdTarea);
