#include "platform/reports/ImpresoraInforme.h"

#include "platform/base/Ajustes.h"
#include "platform/base/Err.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/reports/PaginasInforme.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QString predeterminada()
{
    const QString cola = QPrinterInfo::defaultPrinterName();
    if (cola.isEmpty())
        throw Err(NumeroError::ErrorDeDispositivo,
                  QStringLiteral("No hay ninguna impresora predeterminada en la que imprimir el informe."));
    return cola;
}

}

QString ColaDeImpresora(const QString& nombre)
{
    const QString n = nombre.trimmed();
    if (n.isEmpty())
        return predeterminada();
    const QString configurada = Ajustes::valor(QStringLiteral("impresoras/") + n, nullptr).trimmed();
    if (!configurada.isEmpty())
        return configurada;
    if (QPrinterInfo::availablePrinterNames().contains(n))
        return n;
    const QString cola = predeterminada();
    dialogos().MsgBox(QStringLiteral("La impresora %1 no está configurada en este equipo; el informe se imprime en la "
                                     "impresora predeterminada (%2).")
                          .arg(n, cola),
                      Botones::IconoExclamacion, QStringLiteral("Aviso al Operador"));
    return cola;
}

void ImprimeEnCola(const ContenidoInforme& contenido, const QString& cola)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPrinterName(cola);
    if (!impresora.isValid())
        throw Err(NumeroError::ErrorDeDispositivo, QStringLiteral("No se puede imprimir en la impresora %1.").arg(cola));
    impresora.setFullPage(true);
    impresora.setPageSize(QPageSize(QPageSize::A4));
    impresora.setDocName(contenido.titulo);
    PintaPaginas(CompaginaInforme(contenido), impresora);
}
