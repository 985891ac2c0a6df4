#pragma once

#include <QString>

#include <cstdint>

// Turns a report the report object saved in our own format into the export
// format the code names (31 PDF, 22 HTML, 15 RTF, 25 spreadsheet, 7 our own)
// at the destination path. A missing report file is told to the operator and
// nothing is exported; a failing step asks Abort/Retry/Ignore. True only when
// the destination was written, so a caller never mails a file that is not
// there. The report file stays where it is.
bool ExportarArchivo(const QString& ArchivoReporte, const QString& ArchivoDestino, int32_t Formato);
