#pragma once

#include <QString>
#include <QStringList>

// Prints one voucher through the report object: the report files, selection,
// sort field and formulas its type takes, the workstation's printer and
// copies for the type, the destination (`Destino` -1 takes the type's
// default and comes back with the one used). An accounting type prints its
// journal entries instead (and sets `EsContable`); an order-printer default
// hands the voucher to the order printer; a fiscal or "Selectivo" default
// prints nothing, unless `Destino` asks for the file destination, which is
// always written. `OpcionImpresion` "Todos" or empty prints normally, any
// other text is the report file to print once. `CamposOrden` and
// `FormulaSeleccion` come back as the type changed them. A failure asks the
// operator; leaving ends the print.
void ImprimirComprobante(const QString& TC, const QString& IdComprobante, const QString& IdComplemento,
                         const QString& ClaveReporte, QStringList& CamposOrden, QString& FormulaSeleccion,
                         const QStringList& FormulasReporte, int& Destino, bool SinClaves, const QString& Fecha,
                         const QString& OpcionImpresion, bool& EsContable, bool CopiaUnica);
