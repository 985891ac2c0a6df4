#pragma once

#include <QString>

// The folder ended in exactly one "/".
QString AgregaBarra(const QString& carpeta);
// The system's temporary folder: TMPDIR, else /tmp.
QString CarpetaTemporalDelSistema();
// The temporary folder every routine writes to: TEMP trimmed, else the
// system's, always ending in one "/".
QString CarpetaTemporalSistema();
