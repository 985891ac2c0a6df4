#pragma once

#include "scanning/SeleccionGrilla.h"
#include "support/VariableTemporal.h"
#include "support/VistaGrabadora.h"
#include "support/escaneo/BaseEscaneo.h"
#include "window/FrmEscaneo.h"

#include <QFile>

#include <memory>

// The main window on the demo database, connected, with its scan folder set
// and a stand-in for the browser pane.
class VentanaEnDemo : public BaseEscaneo {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts a result row in the grid, as the search leaves it, and clicks it.
    void clic(const char* cuenta, const char* cpte, const char* fecha, const char* nombre,
              VistaDeFila vista = VistaDeFila::Desconocida);

    VariableTemporal sistema{"TMPDIR", QFile::encodeName(carpetaTemporal)};
    ConVistaGrabadora vistas;
    std::unique_ptr<FrmEscaneo> ventana;
};
