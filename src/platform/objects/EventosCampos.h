#pragma once

#include <QtCore/qnamespace.h>

#include <cstdint>
#include <functional>
#include <vector>

class QEvent;
class QLineEdit;
class QObject;

// The events a window handles for a control array of text boxes (entry,
// exit, key, character), fed from Qt's events by the window's event filter.
struct ManejadoresDeCampos {
    std::function<void(int indice)> gotFocus;
    std::function<void(int indice)> lostFocus;
    // True when the key was used up.
    std::function<bool(int indice, int16_t codigoTecla, Qt::KeyboardModifiers shift)> keyDown;
    // May change the character or set it to 0 to drop it.
    std::function<void(int indice, int16_t& codigoCaracter)> keyPress;
};

// Hands an event of a member of `campos` to its handlers: GotFocus once the
// box has taken the focus (so its own selection on entry does not replace
// the handler's), LostFocus, KeyDown with the handlers' key code and then
// KeyPress with the character. False for objects that are no member and for
// events the box must still see; true when the event was used up.
bool DespachaEventoDeCampo(const std::vector<QLineEdit*>& campos, QObject* objeto, QEvent* evento,
                           const ManejadoresDeCampos& manejadores);
