#pragma once

#include <QString>

// Installation values the suite leaves to us (scanner device, upload database
// and share): ~/.config/escaneo/escaneo.conf, each overridable by an
// environment variable so tests and the demo can set them.
namespace Ajustes {
// The environment variable when set, else the settings file, else the default.
QString valor(const QString& clave, const char* variableEntorno, const QString& porDefecto = QString());
void guarda(const QString& clave, const QString& valor);
}
