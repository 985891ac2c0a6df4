#pragma once

#include <QString>

// What the scan road tells the operator.
enum class AvisoEscaneo {
    ComprobanteNoValido,  // the voucher given (detail) is not a type and a 13-character number
    NombreNoValido,       // the name typed (detail) would leave the scan folder
    ErrorDeRegistro,      // the database's first error for a page's row (detail); the scan goes on
    FalloDelEscaner,      // the scan ends
    FalloDelArchivo,      // the scan ends; the detail names the file and the reason
};

// The questions the scan road asks the operator and the notices it gives.
class OperadorEscaneo {
public:
    virtual ~OperadorEscaneo() = default;

    // The name for the scan, offered `porDefecto`; empty when cancelled.
    virtual QString NombreArchivo(const QString& porDefecto) = 0;
    // After an empty name: true gives the scan up, false asks for a name again.
    virtual bool AbandonaCarga() = 0;
    // The file at `ruta` exists: true replaces it, false asks for another name.
    virtual bool ReemplazaArchivo(const QString& ruta) = 0;
    virtual void Avisa(AvisoEscaneo aviso, const QString& detalle) = 0;
    // Each page once filed and registered; a window may show its progress.
    virtual void PaginaEscaneada(const QString& ruta) { Q_UNUSED(ruta); }
};
