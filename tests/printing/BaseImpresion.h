#pragma once

#include "support/modulo/BaseDePrueba.h"
#include "support/FormatosDePrueba.h"
#include "support/TextoQt.h"

// The demo database with the main connection open and the configuration
// loaded, as the print code finds them after start-up.
class BaseImpresion : public BaseDePrueba {
protected:
    void SetUp() override;
    // Sets a configuration key (a null value removes it) and loads the
    // configuration again, as the next start would.
    void fijaClave(const QString& clave, const QString& valor);
};
