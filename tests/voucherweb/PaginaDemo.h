#pragma once

#include "support/BaseDemo.h"
#include "support/DialogosGuionados.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

// A fresh module whose main connection is the demo database; prompts are
// scripted. The temporary folder is the current one, so the demo's relative
// scan folder lies there. Pages are written into TEMP and read back as
// their lines.
class PaginaDemo : public ::testing::Test, public BaseDemo {
protected:
    void SetUp() override;
    void TearDown() override;

    // The file's lines (Windows-1252, each ended by CR LF); fails the test
    // when a line lacks its CR LF.
    QStringList lineas(const QString& ruta) const;
    QStringList venta(const char* tc, const char* sucursal, const char* numero, const char* letra);
    QStringList compra(const char* tc, const char* sucursal, const char* numero, const char* letra,
                       const char* cuenta, bool usaVMvCpte = false);
    // The line that starts with the text; empty when none does.
    static QString linea(const QStringList& pagina, const QString& inicio);

    QString ruta;  // the page file the helpers write
    ConDialogosGuionados dialogos;

private:
    QString carpetaAnterior_;
};
