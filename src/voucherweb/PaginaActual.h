#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

// The page on view: its folder `RutaTemporal` (ending in "/") and
// `ArchivoHtmlActual`, the page last prepared, which the e-mail sends.

// The name of a voucher's page: type, branch, letter and the second of the
// time, without leading zeros ("FC0001A7.htm"); the number is not part of it.
QString NombrePaginaComprobante(const QString& tc, const QString& sucursal, const QString& letra, const QTime& hora);
// The name of a blank pane's page: "C", then day, month, four-digit year,
// hour, minute and second without leading zeros, ".htm" ("C8122026759.htm").
QString NombrePaginaNueva(const QDateTime& ahora);

// Prepares a blank pane: the folder is the system's temporary folder (the
// environment is not consulted), ArchivoHtmlActual a new name in it under
// which nothing is written, and the style sheet is written there. Raises
// Err when the style sheet cannot be written.
void CrearTempNew(QString& RutaTemporal, QString& ArchivoHtmlActual);

// Writes the page of one voucher, beside a fresh style sheet, into the
// temporary folder (TEMP, else the system's): with the sales writer when
// `EsVenta`, else with the purchase writer for the account. `UsaVMvCpte`,
// when known, says the voucher came from the sales-side views; else the
// type decides (only "PG" reads them). ArchivoHtmlActual names the page
// only once it is written; when no page could be written it names none.
// Raises Err when the style sheet cannot be written.
void Mostrar(QString& RutaTemporal, QString& ArchivoHtmlActual, const QString& iTc, const QString& iSucursal,
             const QString& iNumero, const QString& iLetra, bool EsVenta, const QString& Cuenta,
             std::optional<bool> UsaVMvCpte = std::nullopt);
