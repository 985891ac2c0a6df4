#pragma once

#include "support/BaseDemo.h"
#include "support/DialogosGuionados.h"
#include "support/SaneDePrueba.h"

#include <gtest/gtest.h>

// A fresh module over the demo databases in a temporary folder that is also
// the current folder (the scanner INI lives there). The SANE "test" device is
// the scanner, prompts are scripted, and the module is reset around each test.
class BaseEscaneo : public ::testing::Test, public BaseDemo {
protected:
    void SetUp() override;
    void TearDown() override;

    // The command line the suite's menu passes, with this "Opcion:" value.
    QString lineaComando(const QString& opcion = QString()) const;
    // Opens the main connection as the start-up does.
    void inicia();
    // The scanner INI as a start after a source was chosen finds it.
    void creaArchivoEscaner();
    // Points "Ruta_Escaneo" at the folder, by default the test's scan folder.
    void configuraCarpetaEscaneo(const QString& carpeta = QString());

    QString carpetaEscaneo;  // ends in "/"
    ConDialogosGuionados dialogos;

private:
    QString carpetaAnterior_;
};
