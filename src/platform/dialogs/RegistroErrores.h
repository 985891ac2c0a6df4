#pragma once

#include "platform/base/Err.h"

#include <QString>

// The shared error dialog: shows the error (Abort/Retry/Ignore and the
// critical icon by default), appends one line to CVERR.LOG in the temporary
// folder and returns the answer; 0 without dialog for error number 0. A log
// that cannot be written never stops the dialog or its answer.
int16_t MuestraYRegistraError(const Err& e, int botones = 18, const QString& rutina = QString());
