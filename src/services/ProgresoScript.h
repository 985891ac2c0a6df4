#pragma once

#include <QString>

class QObject;

// The runner's progress: shown in the window's child "picStatus" (a label),
// found by name, when the runner was given a window.
void MuestraEstado(const QString& texto, QObject* ventana);
// Has the dialogs paint the text and percentage into the box, with the done
// part as a bar. A value of -1 repeats the last value given. Without the
// exact flag 0% shows as 1% and 100% as 99%.
void DibujaProgreso(QObject* caja, float valor, float maximo, bool exacto, const QString& texto);
// The painted text: the text, a blank, the percentage and "%".
QString TextoProgreso(const QString& texto, double fraccion, bool exacto);
