#pragma once

#include <QString>

// Installation values the suite leaves to us (scanner device, upload database
// and share): ~/.config/escaneo/escaneo.conf, each overridable by an
// environment variable so tests and the demo can set them.
namespace Ajustes {
// The environment variable when set and not blank, else the settings file,
// else the default. A null variable name reads only the file.
QString valor(const QString& clave, const char* variableEntorno, const QString& porDefecto = QString());
// Writes the key to the settings file; raises Err when it cannot be written.
void guarda(const QString& clave, const QString& valor);
// The settings file's path.
QString archivo();
}
