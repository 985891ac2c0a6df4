#pragma once

#include "platform/base/Err.h"

#include <functional>
#include <initializer_list>
#include <optional>

// What an error handler decides for the statement that failed.
enum class Respuesta { Reintentar, Siguiente, Salir };

using Politica = std::function<Respuesta(const Err&)>;

// One routine's error handler. Each fallible statement runs as a step; on an
// Err, or any other exception as the Err it stands for (ErrorDeExcepcion),
// the policy decides: run the step again, skip it, or leave the routine
// (this and every later step is skipped).
class GuardaErrores {
public:
    explicit GuardaErrores(Politica politica);

    // False once the routine has been left (before or during this step). A
    // template, so a step costs no allocation in the loops that run many.
    template <typename Sentencia>
    bool paso(Sentencia&& sentencia)
    {
        while (!salio_) {
            try {
                sentencia();
                return true;
            } catch (const std::exception& e) {
                if (responde(e) == Respuesta::Siguiente)
                    return true;
            }
        }
        return false;
    }
    bool salio() const { return salio_; }
    // The last error the policy saw, for routines that report it afterwards.
    bool huboError() const { return ultimoError_.has_value(); }
    // Error 0 with no text while there was none.
    const Err& ultimoError() const;

private:
    // Records the error and asks the policy; leaving marks the routine left.
    Respuesta responde(const std::exception& e);

    Politica politica_;
    bool salio_ = false;
    // Empty until an error: a guard is made for every routine, and an error
    // costs the making of its text.
    std::optional<Err> ultimoError_;
};

namespace politicas {
// Every error skips its statement without a message.
Politica reanudaTodo();
// The first error leaves the routine without a message.
Politica saleEnSilencio();
// Shows the error through a dialog that answers with message-box results:
// 4 retries, 5 goes on with the next statement, anything else leaves.
// With soloIgnorar, Retry leaves too.
Politica dialogo(std::function<int(const Err&)> muestra, bool soloIgnorar = false);
// The given numbers skip their statement silently; the rest go to `resto`.
Politica dejaPasar(std::initializer_list<long> numeros, Politica resto);
}
