#include "platform/reports/ExportaInforme.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/reports/HojaInforme.h"
#include "platform/reports/InformeGuardado.h"
#include "platform/reports/PaginasInforme.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

QByteArray InformePdf(const ContenidoInforme& contenido)
{
    QByteArray bytes;
    {
        QBuffer destino(&bytes);
        destino.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&destino);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(300);
        pdf.setTitle(contenido.titulo);
        pdf.setCreator(QStringLiteral("Escaneo de Documentos"));
        PintaPaginas(CompaginaInforme(contenido), pdf);
    }
    return bytes;
}

void ExportaInforme(const ContenidoInforme& contenido, const QString& ruta, const QVariant& formato)
{
    if (ruta.trimmed().isEmpty())
        throw Err(NumeroError::LlamadaInvalida, QStringLiteral("No se indicó el archivo al que exportar el informe."));
    bool numerico = false;
    const int codigo = formato.toString().trimmed().toInt(&numerico);
    switch (numerico ? codigo : 0) {
    case FormatoExportacion::Pdf:
        EscribeArchivoCompleto(ruta, InformePdf(contenido));
        return;
    case FormatoExportacion::Html:
        EscribeArchivoCompleto(ruta, InformeHtml(contenido));
        return;
    case FormatoExportacion::Rtf:
        EscribeArchivoCompleto(ruta, InformeRtf(contenido));
        return;
    case FormatoExportacion::Hoja:
        EscribeArchivoCompleto(ruta, InformeHoja(contenido));
        return;
    case FormatoExportacion::Guardado:
        EscribeArchivoCompleto(ruta, GuardaInforme(contenido));
        return;
    default:
        throw Err(NumeroError::LlamadaInvalida,
                  QStringLiteral("El formato de exportación «%1» no es conocido; no se exportó %2.")
                      .arg(formato.toString(), ruta));
    }
}
