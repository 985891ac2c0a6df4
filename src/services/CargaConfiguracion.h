#pragma once

#include <QString>

// Reads, once per start, the configuration keys the suite consults often and
// the current user's business unit into module state. Carpeta is the
// program folder ending in "/". Every failing read is passed over silently:
// the value keeps what it had.
void CargaConfiguracion(const QString& Carpeta);
