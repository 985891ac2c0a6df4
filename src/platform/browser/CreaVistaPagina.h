#pragma once

#include <QString>

#include <functional>

class QWidget;
class VistaPagina;

// A page view from the browser plugin in `carpeta` (the program's folder when
// empty). Raises Err 429 with the loader's reason when the plugin cannot be
// loaded.
VistaPagina* CreaVistaDelPlugin(QWidget* padre, const QString& carpeta = QString());

// How the window makes its page view: the plugin in the program; tests that
// need no rendering install a stand-in. Returns the one installed before.
using CreadorVistaPagina = std::function<VistaPagina*(QWidget* padre)>;
CreadorVistaPagina instalaCreadorVistaPagina(CreadorVistaPagina nuevo);
VistaPagina* CreaVistaPagina(QWidget* padre);
