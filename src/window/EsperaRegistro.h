#pragma once

#include "platform/base/GuardaErrores.h"

#include <QString>

// How the register's buttons do their work: the wait window shows while
// they run and closes on every way out, and before any message. Errors go to
// the utility object's dialog (Retry, Ignore, anything else leaves).
class EsperaRegistro {
public:
    // Shows the wait window with the first text, then the second.
    EsperaRegistro(const QString& texto, const QString& actualizado);
    ~EsperaRegistro();
    EsperaRegistro(const EsperaRegistro&) = delete;
    EsperaRegistro& operator=(const EsperaRegistro&) = delete;

    GuardaErrores& guarda() { return guarda_; }
    // The first error the server left for the statement, in a plain box.
    void MuestraError(const QString& error);

private:
    GuardaErrores guarda_;
};
