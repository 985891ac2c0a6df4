#pragma once

#include <QString>

// The folder ended in exactly one "/".
QString AgregaBarra(const QString& carpeta);
// The system's temporary folder: TMPDIR, else /tmp.
QString CarpetaTemporalDelSistema();
// The program's folder among the user's data (~/.local/share/escaneo/),
// ending in "/".
QString CarpetaDatosUsuario();
// The temporary folder every routine writes to: TEMP trimmed, else the
// system's, always ending in one "/".
QString CarpetaTemporalSistema();
