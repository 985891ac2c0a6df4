#pragma once

#include <QString>

// The folder ended in exactly one "/".
QString AgregaBarra(const QString& carpeta);
// This user's own temporary folder, "escaneo-<uid>" under TMPDIR (else
// /tmp), ending in "/": TMPDIR is shared by every login of the machine.
// Made and checked on every call (AseguraCarpetaPropia), so a folder
// another user made in its place is refused before anything is written.
QString CarpetaTemporalPropia();
// The program's folder among the user's data (~/.local/share/escaneo/),
// ending in "/".
QString CarpetaDatosUsuario();
// The temporary folder every routine writes to: TEMP trimmed when the user
// sets it, else CarpetaTemporalPropia; always ending in one "/".
QString CarpetaTemporalSistema();
