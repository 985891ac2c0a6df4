#include "platform/objects/Reporte.h"

#include "platform/base/Err.h"

Reporte::Reporte() = default;
Reporte::~Reporte() = default;

void Reporte::Parametro(const QString& nombre, const QVariant& valor)
{
    if (nombre.compare(QStringLiteral("PrintFileName"), Qt::CaseInsensitive) == 0)
        archivoExportacion_ = valor.toString();
    else if (nombre.compare(QStringLiteral("PrintFileType"), Qt::CaseInsensitive) == 0)
        tipoExportacion_ = valor;
}

void Reporte::Imprime(const QString& archivo, const QStringList& orden, const QString& seleccion,
                      const QString& conexion, const QVariant& adicional1, const QVariant& adicional2,
                      const QVariant& adicional3, const QVariant& adicional4, const QVariant& adicional5,
                      const QString& subreporte1, const QString& subreporte2, const QString& subreporte3)
{
    if (!motor_)
        throw Err(NumeroError::NoSePuedeCrearObjeto,
                  QStringLiteral("No hay un motor de informes instalado para imprimir %1.").arg(archivo));
    TrabajoReporte t;
    t.destino = destino_;
    t.impresora = impresora_;
    t.nombreImpresora = nombreImpresora_;
    t.puerto = puerto_;
    t.formulas = formulas_;
    t.archivoExportacion = archivoExportacion_;
    t.tipoExportacion = tipoExportacion_;
    t.opcion = opcion_;
    t.ajuste = ajuste_;
    t.carpetaPrograma = carpetaPrograma_;
    t.archivo = archivo;
    t.orden = orden;
    t.seleccion = seleccion;
    t.conexion = conexion;
    t.adicionales = {adicional1, adicional2, adicional3, adicional4, adicional5};
    t.subreportes = {subreporte1, subreporte2, subreporte3};
    motor_->Imprime(t);
}

void Reporte::InstalaMotor(std::unique_ptr<MotorReporte> motor)
{
    motor_ = std::move(motor);
}
