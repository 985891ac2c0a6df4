#include "scanning/OperadorDialogos.h"

#include "platform/dialogs/Dialogos.h"

namespace {

const QString TituloOperador = QStringLiteral("Aviso al operador");

}

QString OperadorDialogos::NombreArchivo(const QString& porDefecto)
{
    return dialogos().InputBox(QStringLiteral("Ingrese el nombre del archivo"), QStringLiteral("Escaneado de Archivos"),
                               porDefecto);
}

bool OperadorDialogos::AbandonaCarga()
{
    return dialogos().MsgBox(QStringLiteral("¿Realmente desea abandonar la Carga de Datos?"),
                             Botones::SiNo + Botones::IconoPregunta, TituloOperador)
           == Resultado::Si;
}

bool OperadorDialogos::ReemplazaArchivo(const QString&)
{
    return dialogos().MsgBox(QStringLiteral("Ya existe un documento con ese nombre, ¿Desea reemplazarlo?"),
                             Botones::SiNo + Botones::IconoPregunta, QStringLiteral("Aviso al operador!!!"))
           == Resultado::Si;
}

void OperadorDialogos::Avisa(AvisoEscaneo aviso, const QString& detalle)
{
    switch (aviso) {
    case AvisoEscaneo::ComprobanteNoValido:
        dialogos().MsgBox(QStringLiteral("El comprobante \"%1\" no es válido: debe ser el tipo seguido de los 13 "
                                         "caracteres del número. No se escaneó.")
                              .arg(detalle),
                          Botones::IconoCritico, QStringLiteral("Aviso al Operador"));
        break;
    case AvisoEscaneo::NombreNoValido:
        dialogos().MsgBox(QStringLiteral("El nombre del archivo no puede contener \"/\"."), Botones::IconoExclamacion,
                          TituloOperador);
        break;
    case AvisoEscaneo::FalloDelEscaner:
        dialogos().MsgBox(QStringLiteral("Hubo un error de Comunicacion con el Scanner"));
        break;
    case AvisoEscaneo::ErrorDeRegistro:
    case AvisoEscaneo::FalloDelArchivo:
        dialogos().MsgBox(detalle);
        break;
    }
}
