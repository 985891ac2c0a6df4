#pragma once

#include "platform/base/Conversiones.h"
#include "voucherweb/TextoFila.h"

#include <QString>
#include <QVariant>

// How values go into a voucher page. Every database or configuration value
// passes through here, so the page shows one plain form and stays valid HTML.

// The plain text of a value: a null adds nothing; a number in its shortest
// form (at most 15 significant digits, "." as the decimal point, no
// trailing zeros, no grouping); a date dd/mm/yyyy, with hh:mm:ss when it
// carries a time; text unchanged.
QString TextoPlano(const QVariant& valor);

// Text made safe inside an element (&, < and >) ...
QString Html(const QString& texto);
// ... and inside an attribute quoted either way (also " and ').
QString HtmlAtributo(const QString& texto);
// The plain text of a value, made safe inside an element.
QString HtmlValor(const QVariant& valor);
// The same, without the blanks at its ends.
QString HtmlValorRecortado(const QVariant& valor);
// Either, appended to `destino`: a row of a long table is written without
// a text of its own per cell.
void AgregaHtmlValor(TextoFila& destino, const QVariant& valor, bool recortado);

// An amount for the page's own arithmetic: a null counts as 0; numbers are
// taken as they are, text as the utility object reads an amount.
Moneda MonedaDe(const QVariant& valor);

// Minutes shown as hours with two decimals ("1.50" for 90); a null adds
// nothing. The division is done on the number, never on its text.
QString TextoHoras(const QVariant& minutos);

// A local file as a file URL ("file:///..."), percent-encoded and made safe
// for a quoted attribute. A relative path is taken from the current folder.
QString UrlArchivo(const QString& ruta);

// A value put into an unquoted link address: percent-encoded, so blanks,
// quotes and angle brackets cannot end the address.
QString ParteEnlace(const QVariant& valor);
