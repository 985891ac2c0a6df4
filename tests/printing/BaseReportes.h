#pragma once

#include "BaseImpresion.h"
#include "platform/objects/Reporte.h"

#include <QString>

#include <vector>

// The print fixture: the demo database, a report folder of the test's own as
// the program folder, and a report engine that keeps every print it is
// handed instead of drawing it.
class BaseReportes : public BaseImpresion {
protected:
    void SetUp() override;

    // Creates the report file (any folders too) and returns its path; a
    // relative name goes in the report folder.
    QString archivo(const QString& nombre);
    QString rutaReporte(const QString& nombre) const { return carpetaReportes + nombre; }
    // An expected text with %C for the report folder, %E for this
    // workstation's key and %S for the session's station key.
    QString texto(QString t) const;

    QString carpetaReportes;  // ends in "/"
    std::vector<TrabajoReporte> trabajos;
};
