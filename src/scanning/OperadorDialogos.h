#pragma once

#include "scanning/OperadorEscaneo.h"

// The scan road's questions and notices as the platform dialogs show them.
class OperadorDialogos : public OperadorEscaneo {
public:
    QString NombreArchivo(const QString& porDefecto) override;
    bool AbandonaCarga() override;
    bool ReemplazaArchivo(const QString& ruta) override;
    void Avisa(AvisoEscaneo aviso, const QString& detalle) override;
};
