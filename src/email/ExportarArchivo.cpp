#include "email/ExportarArchivo.h"

#include "platform/base/Err.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/reports/ExportaInforme.h"
#include "platform/reports/InformeGuardado.h"

#include <QFileInfo>

#include <optional>

namespace {

const ContenidoInforme& abierto(const std::optional<ContenidoInforme>& informe)
{
    if (!informe)
        throw Err(NumeroError::ObjetoNoEstablecido, QStringLiteral("No hay un informe abierto para exportar."));
    return *informe;
}

}

bool ExportarArchivo(const QString& ArchivoReporte, const QString& ArchivoDestino, int32_t Formato)
{
    if (!QFileInfo(ArchivoReporte).isFile()) {
        dialogos().MsgBox(QStringLiteral("No se encontró el Reporte: \r\n") + ArchivoReporte,
                          Botones::SoloAceptar + Botones::IconoInformacion, QStringLiteral("Aviso al Operador!!!"));
        return false;
    }
    GuardaErrores g(politicas::dialogo([](const Err& e) {
        return dialogos().MsgBox(QStringLiteral("Ha ocurrido el siguiente error al intentar exportar el Archivo ") +
                                     QString::number(e.Number) + u' ' + e.Description,
                                 Botones::AbortarReintentarIgnorar + Botones::IconoPregunta,
                                 QStringLiteral("ExportarArchivo"));
    }));
    std::optional<ContenidoInforme> informe;
    QVariant formato;
    QString destino;
    bool exportado = false;
    g.paso([&] { informe = LeeInformeGuardado(ArchivoReporte); });
    g.paso([&] {
        abierto(informe);
        formato = Formato;
    });
    g.paso([&] {
        abierto(informe);
        destino = ArchivoDestino;
    });
    g.paso([&] {
        ExportaInforme(abierto(informe), destino, formato);
        exportado = true;
    });
    return exportado && QFileInfo(ArchivoDestino).isFile();
}
