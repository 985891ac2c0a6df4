#pragma once

#include "platform/objects/Reporte.h"
#include "platform/reports/ContenidoInforme.h"

#include <QString>

#include <functional>

class ConexionDatos;

// What the e-mail destination hands the report to: the PDF written in the
// temporary folder. The program installs it; until then an e-mail print
// fails with a message.
using EnvioInforme = std::function<void(const QString& archivoPdf)>;
void InstalaEnvioInforme(EnvioInforme envio);

// The report engine: reads our layout, its rows on the given connection
// (the main one) and draws it to the job's destination: 0 a modal preview,
// 1 the printer, 2 a file in the export format, 3 a PDF for e-mail. The
// job's connection string is never used, shown or logged.
class MotorInformes : public MotorReporte {
public:
    explicit MotorInformes(ConexionDatos& conexion);

    void Imprime(const TrabajoReporte& trabajo) override;

    // The report of a job with its values in place, not yet drawn.
    ContenidoInforme Contenido(const TrabajoReporte& trabajo);
    // The layout file a job names: a bare name ("Asientos") is the
    // program folder's "<name>.rpt"; found without regard to case.
    static QString RutaDiseno(const TrabajoReporte& trabajo);

private:
    void Previsualiza(const ContenidoInforme& contenido, const QString& impresora);

    ConexionDatos& conexion_;
};
