#include "platform/base/Err.h"

#include <new>

namespace {

// The runtime's own text for the numbers raised without a description of
// their own.
QString textoDeError(long numero)
{
    switch (numero) {
    case NumeroError::LlamadaInvalida:
        return QStringLiteral("Llamada a procedimiento o argumento no válido");
    case NumeroError::Desbordamiento:
        return QStringLiteral("Desbordamiento");
    case NumeroError::MemoriaInsuficiente:
        return QStringLiteral("Memoria insuficiente");
    case NumeroError::ErrorInterno:
        return QStringLiteral("Error interno");
    case NumeroError::SubindiceFueraDeRango:
        return QStringLiteral("Subíndice fuera del intervalo");
    case NumeroError::TiposNoCoinciden:
        return QStringLiteral("No coinciden los tipos");
    case NumeroError::NombreArchivoIncorrecto:
        return QStringLiteral("Nombre o número de archivo incorrecto");
    case NumeroError::CanceladoPorElOperador:
        return QStringLiteral("Se seleccionó Cancelar.");
    case NumeroError::ObjetoNoEstablecido:
        return QStringLiteral("Variable de objeto o bloque With no establecido");
    case NumeroError::UsoInvalidoDeNull:
        return QStringLiteral("Uso no válido de Null");
    case NumeroError::SinRegistroActual:
        return QStringLiteral("BOF o EOF es True, o el registro actual se eliminó.");
    case NumeroError::NoActualizable:
        return QStringLiteral("El conjunto de registros actual no admite actualizaciones.");
    case NumeroError::ObjetoCerrado:
        return QStringLiteral("La operación no está permitida si el objeto está cerrado.");
    default:
        return {};
    }
}

}  // namespace

Err::Err(long numero) : Err(numero, textoDeError(numero))
{
}

Err::Err(long numero, const QString& descripcion, const QString& fuente)
    : Number(numero), Description(descripcion), Source(fuente),
      texto_(QStringLiteral("(%1) %2").arg(numero).arg(descripcion).toUtf8())
{
}

const char* Err::what() const noexcept
{
    return texto_.constData();
}

Err ErrorDeExcepcion(const std::exception& e)
{
    if (const auto* err = dynamic_cast<const Err*>(&e))
        return *err;
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return Err(NumeroError::MemoriaInsuficiente);
    const QString texto = QString::fromUtf8(e.what()).trimmed();
    if (texto.isEmpty())
        return Err(NumeroError::ErrorInterno);
    return Err(NumeroError::ErrorInterno, textoDeError(NumeroError::ErrorInterno) + QStringLiteral(": ") + texto);
}
