#pragma once

#include <QString>

// Writes the module's access row to Control_Acceso: machine, user, module,
// menu entry and time. Modulo empty means the executable's name. Failures
// are passed over; a failed INSERT is reported by the batch runner.
void RegistraAccesoModulo(const QString& Modulo);
