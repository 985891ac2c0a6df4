#pragma once

#include "platform/base/Err.h"

#include <QObject>
#include <QString>

// The object a plugin beside the program exports, `archivo` in `carpeta`
// (the program's folder when empty). The plugin stays loaded for the rest of
// the process: what it made lives on. Raises Err 429 naming `queEs`, the
// file's path and the loader's reason when the file cannot be loaded.
QObject* ObjetoDelPlugin(const QString& archivo, const QString& carpeta, const QString& queEs);

// The same, as the interface the plugin must export.
template <class Interfaz>
Interfaz& PluginDe(const QString& archivo, const QString& carpeta, const QString& queEs)
{
    auto* interfaz = qobject_cast<Interfaz*>(ObjetoDelPlugin(archivo, carpeta, queEs));
    if (!interfaz)
        throw Err(NumeroError::NoSePuedeCrearObjeto,
                  QStringLiteral("No se pudo cargar %1: %2 no es el plugin esperado.").arg(queEs, archivo));
    return *interfaz;
}
