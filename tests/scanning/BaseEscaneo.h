#pragma once

#include "platform/ConexionDatos.h"
#include "support/DialogosGuionados.h"
#include "support/SaneDePrueba.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

// A fresh module over a real SQLite database built from db/ in a temporary
// folder that is also the current folder (the scanner INI lives there).
// TEMP and the user's settings point into it, the SANE "test" device is the
// scanner, prompts are scripted, and the module is reset around each test.
class BaseEscaneo : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The command line the suite's menu passes, with this "Opcion:" value.
    QString lineaComando(const QString& opcion = QString()) const;
    // Opens the main connection as the start-up does.
    void inicia();
    // The scanner INI as a start after a source was chosen finds it.
    void creaArchivoEscaner();
    // Points "Ruta_Escaneo" at the test's scan folder.
    void configuraCarpetaEscaneo();

    // Through a connection of the test's own.
    void ejecuta(const QString& sql);
    QVariant valor(const QString& sql);
    long cuenta(const QString& tablaYCondicion);

    QTemporaryDir dir;
    QString archivoBase;
    QString carpetaEscaneo;  // ends in "/"
    ConDialogosGuionados dialogos;

private:
    ConexionDatos& control();

    std::unique_ptr<ConexionDatos> control_;
    QString carpetaAnterior_;
    QByteArray tempAnterior_, configAnterior_, datosAnteriores_;
};

