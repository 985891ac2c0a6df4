#pragma once

#include <QString>

// The wait window shown while long work runs on the one thread; it goes
// through the installed dialogs so tests can see it.
class VentanaEspera {
public:
    void Muestra(const QString& texto, int maximo = 0);
    void Actualiza(int valor, const QString& texto);
    // Closing a window that is not shown does nothing.
    void Cierra();
};
