#pragma once

#include "support/TextoQt.h"

#include "support/modulo/BaseDePrueba.h"

// The demo database with the main connection open, the configuration loaded
// and this workstation's session key, as the mailing finds them.
class BaseRecibos : public BaseDePrueba {
protected:
    void SetUp() override;
    // Sets a configuration key (a null value removes it) and loads the
    // configuration again.
    void fijaClave(const QString& clave, const QString& valor);
};
