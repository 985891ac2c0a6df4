#include "platform/reports/ImpresoraInforme.h"

#include "platform/base/Ajustes.h"
#include "platform/base/Err.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/reports/PaginasInforme.h"
#include "platform/reports/SalidasInforme.h"

namespace {

QString predeterminada()
{
    const QString cola = Salidas().ColaPredeterminada();
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
    if (Salidas().Colas().contains(n))
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
    // Laid out only once the queue has taken the job.
    const auto pinta = [&](QPagedPaintDevice& hoja) { PintaPaginas(CompaginaInforme(contenido), hoja); };
    if (!Salidas().Imprime(cola, contenido.titulo, pinta))
        throw Err(NumeroError::ErrorDeDispositivo, QStringLiteral("No se puede imprimir en la impresora %1.").arg(cola));
}
