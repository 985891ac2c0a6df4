#pragma once

#include "platform/reports/ContenidoInforme.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

// The export formats "PrintFileType" names, as a text or a number.
namespace FormatoExportacion {
constexpr int Guardado = 7;
constexpr int Rtf = 15;
constexpr int Html = 22;
constexpr int Hoja = 25;
constexpr int Pdf = 31;
}

// The report as a PDF file's bytes.
QByteArray InformePdf(const ContenidoInforme& contenido);
QByteArray InformeHtml(const ContenidoInforme& contenido);
QByteArray InformeRtf(const ContenidoInforme& contenido);

// Writes the report to the path in the format the code names (written whole
// under another name and renamed into place). Raises Err 5 for a format that
// is not known and for an empty path; Err 75/76 when it cannot be written.
void ExportaInforme(const ContenidoInforme& contenido, const QString& ruta, const QVariant& formato);
