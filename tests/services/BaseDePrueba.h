#pragma once

#include "platform/ConexionDatos.h"
#include "support/DialogosGuionados.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <QVariant>

#include <map>
#include <memory>

// A fresh module over real SQLite databases (the main one with the demo
// rows, and the statistics one) built from db/ in a temporary folder. TEMP
// and the user's data folder point into that folder, prompts are scripted,
// and the module is reset before and after each test.
class BaseDePrueba : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The command line the suite's menu would pass for this database.
    QString lineaComando(const QString& usuario = QStringLiteral("demo")) const;
    // The whole start-up, as the main window runs it.
    bool inicia(const QString& usuario = QStringLiteral("demo"));
    // Only the main connection, without the rest of the start-up.
    void conectaPrincipal(const QString& usuario = QStringLiteral("demo"));

    // Statements and reads through connections of the test's own, which the
    // module never touches: on the main database unless a file is given.
    void ejecuta(const QString& sql, const QString& archivo = QString());
    QVariant valor(const QString& sql, const QString& archivo = QString());
    long cuenta(const QString& tablaYCondicion);

    // The statistics database beside the main one, built with it.
    QString archivoEstadisticas() const;

    QTemporaryDir dir;
    QString archivoBase;      // the main database file
    QString carpetaTemporal;  // TEMP, ending in "/"
    ConDialogosGuionados dialogos;

private:
    ConexionDatos& control(const QString& archivo);

    std::map<QString, std::unique_ptr<ConexionDatos>> control_;
    QByteArray tempAnterior_, datosAnteriores_;
};
