#include "platform/base/Err.h"

Err::Err(long numero, const QString& descripcion, const QString& fuente)
    : Number(numero), Description(descripcion), Source(fuente),
      texto_(QStringLiteral("(%1) %2").arg(numero).arg(descripcion).toUtf8())
{
}

const char* Err::what() const noexcept
{
    return texto_.constData();
}
