#include "platform/reports/MotorInformes.h"

#include "platform/base/Err.h"
#include "platform/base/Rutas.h"
#include "platform/reports/ConsultaInforme.h"
#include "platform/reports/Diseno.h"
#include "platform/reports/ExportaInforme.h"
#include "platform/reports/ImpresoraInforme.h"
#include "platform/reports/ListaFormulas.h"
#include "platform/reports/VistaPreviaInforme.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

EnvioInforme& envio()
{
    static EnvioInforme e;
    return e;
}

QString impresoraDe(const TrabajoReporte& t)
{
    return t.nombreImpresora.trimmed().isEmpty() ? t.impresora : t.nombreImpresora;
}

}

void InstalaEnvioInforme(EnvioInforme e)
{
    envio() = std::move(e);
}

MotorInformes::MotorInformes(ConexionDatos& conexion) : conexion_(conexion) {}

QString MotorInformes::RutaDiseno(const TrabajoReporte& t)
{
    QString ruta = t.archivo.trimmed();
    if (!ruta.contains(u'/')) {
        const QString carpeta =
            t.carpetaPrograma.trimmed().isEmpty() ? QCoreApplication::applicationDirPath() : t.carpetaPrograma;
        if (!ruta.endsWith(QLatin1String(".rpt"), Qt::CaseInsensitive))
            ruta += QStringLiteral(".rpt");
        ruta = AgregaBarra(carpeta) + ruta;
    }
    return UbicaSinMayusculas(ruta);
}

ContenidoInforme MotorInformes::Contenido(const TrabajoReporte& t)
{
    const Diseno diseno = LeeDiseno(RutaDiseno(t));
    ListaFormulas formulas(t.formulas);
    // The optional values are one more formula each, for this print only.
    for (const QVariant& adicional : t.adicionales)
        if (!adicional.isNull())
            formulas.agrega(adicional.toString());
    const QStringList subinformes{t.subreportes[0], t.subreportes[1], t.subreportes[2]};
    return ArmaContenido(diseno, ConsultaInforme(conexion_, diseno, t.seleccion, t.orden), formulas, subinformes);
}

void MotorInformes::Imprime(const TrabajoReporte& t)
{
    const ContenidoInforme contenido = Contenido(t);
    switch (t.destino) {
    case 0:
        Previsualiza(contenido, impresoraDe(t));
        return;
    case 1:
        ImprimeEnCola(contenido, ColaDeImpresora(impresoraDe(t)));
        return;
    case 2:
        ExportaInforme(contenido, t.archivoExportacion, t.tipoExportacion);
        return;
    case 3: {
        if (!envio())
            throw Err(NumeroError::NoSePuedeCrearObjeto,
                      QStringLiteral("No hay envío por correo instalado para el informe %1.").arg(t.archivo));
        const QString pdf =
            CarpetaTemporalSistema() + QFileInfo(RutaDiseno(t)).completeBaseName() + QStringLiteral(".pdf");
        ExportaInforme(contenido, pdf, FormatoExportacion::Pdf);
        envio()(pdf);
        return;
    }
    default:
        throw Err(NumeroError::LlamadaInvalida,
                  QStringLiteral("El destino %1 del informe %2 no es conocido.").arg(t.destino).arg(t.archivo));
    }
}

void MotorInformes::Previsualiza(const ContenidoInforme& contenido, const QString& impresora)
{
    VistaPreviaInforme vista(contenido.titulo, InformePdf(contenido),
                             [&] { ImprimeEnCola(contenido, ColaDeImpresora(impresora)); });
    vista.Muestra();
}
