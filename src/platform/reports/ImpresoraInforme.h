#pragma once

#include "platform/reports/ContenidoInforme.h"

#include <QString>

// The CUPS queue a printer name stands for: the queue our settings give it
// ("impresoras/<name>"), else a queue of that very name; an empty name is the
// default queue. An unknown name tells the operator and takes the default
// queue. Raises Err 57 when there is no queue to print on.
QString ColaDeImpresora(const QString& nombre);

// Prints the report on that CUPS queue.
void ImprimeEnCola(const ContenidoInforme& contenido, const QString& cola);
