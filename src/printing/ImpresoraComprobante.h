#pragma once

#include <QString>

#include <cstdint>

// The printer ("name|port"), copies, lines and default destination of a
// voucher type and letter for the user (machine "|" Windows user; a blank
// one is filled with this workstation's, in the caller's variable too), else
// for every user. With no row at all the printer is "" and the copies 0,
// and the lines and destination keep what the caller passed. A failure asks
// the operator; leaving keeps the outputs set so far.
void ObtieneImpresoraComprobante(const QString& TC, const QString& Letra, QString& Impresora, int16_t& CantCopias,
                                 int16_t& CantLineas, QString& DestinoDefault, QString& Usuario);
