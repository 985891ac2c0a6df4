#pragma once

#include <QString>

// The path of the file that exists at `ruta`, its name compared without
// regard to case in its folder (an exact match first); empty when there is
// none. Report files keep the names the suite gave them ("FC-A.rpt",
// "CpteCompras.RPT") whatever case a stored row or a fallback writes.
QString ArchivoSinMayusculas(const QString& ruta);
