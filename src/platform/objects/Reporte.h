#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <memory>

// Everything one print takes: the object's settings at the moment of the call
// and the call's own arguments.
struct TrabajoReporte {
    int destino = 0;
    QString impresora;
    QString nombreImpresora;
    QString puerto;
    QStringList formulas;
    QString archivoExportacion;
    QVariant tipoExportacion;
    bool opcion = false;
    int ajuste = 0;
    QString carpetaPrograma;

    QString archivo;
    QStringList orden;
    QString seleccion;
    QString conexion;
    std::array<QVariant, 5> adicionales;
    std::array<QString, 3> subreportes;
};

// What draws a print: the program installs the report engine; until then a
// print fails with a message rather than doing nothing.
class MotorReporte {
public:
    virtual ~MotorReporte() = default;
    // Raises Err when the print cannot be made.
    virtual void Imprime(const TrabajoReporte& trabajo) = 0;
};

// The report object. One instance lives for the whole run, so its settings
// stay from one caller to the next; nothing resets them between prints.
class Reporte {
public:
    Reporte();
    ~Reporte();

    int DestinoPantalla() const { return 0; }
    int DestinoImpresora() const { return 1; }
    int DestinoArchivo() const { return 2; }
    int DestinoEmail() const { return 3; }

    int Destino() const { return destino_; }
    void setDestino(int destino) { destino_ = destino; }
    QString Impresora() const { return impresora_; }
    void setImpresora(const QString& impresora) { impresora_ = impresora; }
    QString NombreImpresora() const { return nombreImpresora_; }
    void setNombreImpresora(const QString& nombre) { nombreImpresora_ = nombre; }
    QString Puerto() const { return puerto_; }
    void setPuerto(const QString& puerto) { puerto_ = puerto; }
    bool Opcion() const { return opcion_; }
    void setOpcion(bool opcion) { opcion_ = opcion; }
    int Ajuste() const { return ajuste_; }
    void setAjuste(int ajuste) { ajuste_ = ajuste; }
    QString CarpetaPrograma() const { return carpetaPrograma_; }
    void setCarpetaPrograma(const QString& c) { carpetaPrograma_ = c; }

    // The formulas the following prints apply; empty elements carry nothing.
    void CargaFormulas(const QStringList& formulas, int = 0) { formulas_ = formulas; }
    const QStringList& Formulas() const { return formulas_; }
    // "PrintFileName" (the path to write) and "PrintFileType" (the format
    // code, as a text or a number); any other name is ignored.
    void Parametro(const QString& nombre, const QVariant& valor);
    QString ArchivoExportacion() const { return archivoExportacion_; }
    QVariant TipoExportacion() const { return tipoExportacion_; }

    // Prints, previews or exports the report file to the current destination.
    // Raises Err when it cannot.
    void Imprime(const QString& archivo, const QStringList& orden, const QString& seleccion,
                 const QString& conexion, const QVariant& adicional1 = {}, const QVariant& adicional2 = {},
                 const QVariant& adicional3 = {}, const QVariant& adicional4 = {},
                 const QVariant& adicional5 = {}, const QString& subreporte1 = {},
                 const QString& subreporte2 = {}, const QString& subreporte3 = {});

    // The engine that draws every print from now on; the object owns it.
    void InstalaMotor(std::unique_ptr<MotorReporte> motor);
    MotorReporte* Motor() const { return motor_.get(); }

private:
    int destino_ = 0;
    QString impresora_;
    QString nombreImpresora_;
    QString puerto_;
    QStringList formulas_;
    QString archivoExportacion_;
    QVariant tipoExportacion_;
    bool opcion_ = false;
    int ajuste_ = 0;
    QString carpetaPrograma_;
    std::unique_ptr<MotorReporte> motor_;
};
