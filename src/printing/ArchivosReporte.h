#pragma once

#include <QSet>
#include <QString>

#include <array>

// The four report files of a name: positions 1 to 4 at indexes 0 to 3. Copy
// n of a voucher prints position n, later copies the fourth.
using ArchivosReporte = std::array<QString, 4>;

// The paths already warned about in one lookup, so a file missing from
// several positions is reported once.
using AvisosReporte = QSet<QString>;

// The path of the first report file of the name, from TA_REPORTES (first
// under this workstation's key when `Estacion` is blank, which also changes
// `Nombre` to that key, then under the plain name), else from the report
// folder; an electronic voucher of a point of sale with its own forms takes
// "e<name>.RPT" from their folder. With `Archivos`, all four positions are
// filled. A failure asks the operator; leaving returns what was found so far.
QString NombreReporte(QString& Nombre, const QString& Estacion, ArchivosReporte* Archivos, const QString& Comprobante);

// A stored file name turned into a path: an empty one falls back on the
// name's file, the type's short name and the purchase form; a bare one is
// looked for in the report folder. A file that does not exist is reported
// (once per path in `avisados`) and the name's file in the report folder
// taken instead. Never stops on an error.
QString ObtieneArchivoReporte(QString& Archivo, const QString& Nombre, AvisosReporte* avisados = nullptr);

// The report folder: the program's, ending in "/".
QString CarpetaReportes();
