#pragma once

#include <QString>

// The report object. Start-up gives it the program folder, where report
// files are looked for.
class Reporte {
public:
    QString CarpetaPrograma() const { return carpetaPrograma_; }
    void setCarpetaPrograma(const QString& c) { carpetaPrograma_ = c; }

private:
    QString carpetaPrograma_;
};
