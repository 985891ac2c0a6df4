#pragma once

#include "support/TextoQt.h"

#include "support/modulo/BaseDePrueba.h"

#include <QString>
#include <QStringList>

// The module fixture with the main connection open on the demo database.
// The temporary folder is the current one, so the demo's relative scan
// folder lies there. Pages are written into TEMP and read back as their
// lines.
class PaginaDemo : public BaseDePrueba {
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

private:
    QString carpetaAnterior_;
};
