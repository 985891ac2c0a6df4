#pragma once

#include <QString>

class QObject;

// The runner's progress: painted into the window's child "picStatus" (a
// label), found by name, when the runner was given a window.
void MuestraEstado(const QString& texto, QObject* ventana);
// Paints the text and percentage centred in the box, with the done part as a
// dark-blue bar that inverts the text under it. A value of -1 repeats the
// last value given. Without the exact flag 0% shows as 1% and 100% as 99%.
void DibujaProgreso(QObject* caja, float valor, float maximo, bool exacto, const QString& texto);
// The painted text: the text, a blank, the percentage and "%".
QString TextoProgreso(const QString& texto, double fraccion, bool exacto);
