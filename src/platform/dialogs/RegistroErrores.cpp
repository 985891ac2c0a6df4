#include "platform/dialogs/RegistroErrores.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/GuardaErrores.h"
#include "platform/base/Rutas.h"
#include "platform/dialogs/Dialogos.h"

#include <QDateTime>

namespace {

QString PalabraRespuesta(int respuesta)
{
    switch (respuesta) {
    case Resultado::Abortar:
        return QStringLiteral("Abortar");
    case Resultado::Reintentar:
        return QStringLiteral("Reintentar");
    case Resultado::Ignorar:
        return QStringLiteral("Ignorar");
    case Resultado::Cancelar:
        return QStringLiteral("Cancelar");
    case Resultado::Si:
        return QStringLiteral("Sí");
    case Resultado::No:
        return QStringLiteral("No");
    default:
        return QString();
    }
}

}

int16_t MuestraYRegistraError(const Err& e, int botones, const QString& rutina)
{
    // The log is only a record: when it cannot be written the operator still
    // gets the dialog and the caller its answer.
    GuardaErrores registro(politicas::reanudaTodo());
    QString rutaLog;
    registro.paso([&] { rutaLog = CarpetaTemporalSistema() + QStringLiteral("CVERR.LOG"); });
    registro.paso([&] { AgregaAlArchivo(rutaLog, QByteArray()); });

    const QString mensaje = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(e.Number) +
                            QStringLiteral(") ") + e.Description.trimmed();
    const QString parteRutina = rutina.isEmpty() ? QString() : QStringLiteral(" - ") + rutina;
    const QString titulo = e.Source + parteRutina + QStringLiteral(" Aviso al operador!!! ");

    if (e.Number == 0)
        return 0;

    const int respuesta = dialogos().MsgBox(mensaje, botones, titulo);
    const QString linea = QDateTime::currentDateTime().toString(QStringLiteral("MM-dd-yyyy hh:mm:ss")) +
                          QStringLiteral(" Rutina: ") + parteRutina.trimmed() + QStringLiteral(" Mensaje ") +
                          mensaje.trimmed() + QStringLiteral(" Respondió : ") + PalabraRespuesta(respuesta) +
                          QStringLiteral("\r\n");
    registro.paso([&] { AgregaAlArchivo(rutaLog, ACp1252(linea)); });
    return int16_t(respuesta);
}
