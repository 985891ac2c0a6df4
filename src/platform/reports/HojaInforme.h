#pragma once

#include "platform/reports/ContenidoInforme.h"

#include <QByteArray>

// The report as a spreadsheet file's bytes (xlsx): heading, captions, one
// row per line, totals and blocks, down one sheet.
QByteArray InformeHoja(const ContenidoInforme& contenido);
