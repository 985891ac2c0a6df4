#pragma once

#include "platform/data/Recordset.h"

#include <QString>

#include <memory>

// The withholding and discount accounts of receipts (EsCobranza) or of
// payment orders, from the first row of TA_CUENTASIVA with its fallbacks.
void CuentaIVADF(QString& RetIVA, QString& RetIB, QString& RetGan, QString& Descuento, bool EsCobranza);

// Finds the account by its optional code or by its code, trying the other
// column when the first finds nothing; a find by the other column reports
// it in PorCodigoOpcional and leaves the account's code in Codigo.
bool ExisteCuenta(QString& Codigo, std::unique_ptr<Recordset>& Registro, bool SoloLectura, bool& PorCodigoOpcional);

// The account's means of payment, with its description. Database errors
// reach the caller's handler.
bool EsCuentaEfectivoRetencion(const QString& CodigoOpcional, QString& Descripcion, const QString& Codigo);
bool EsCuentaCheque(const QString& CodigoOpcional, QString& Descripcion, const QString& Codigo);
bool EsCuentaTarjeta(const QString& CodigoOpcional, QString& Descripcion, const QString& Codigo);
bool EsCuentaChequePropio(const QString& CodigoOpcional, QString& Codigo, const QString& NoLeido, QString& Descripcion);
bool EsCuentaDebito(const QString& CodigoOpcional, QString& Codigo, const QString& NoLeido, QString& Descripcion);
