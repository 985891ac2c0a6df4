#include "platform/base/GuardaErrores.h"

#include <utility>
#include <vector>

GuardaErrores::GuardaErrores(Politica politica) : politica_(std::move(politica)) {}

const Err& GuardaErrores::ultimoError() const
{
    static const Err ninguno(0, QString());
    return ultimoError_ ? *ultimoError_ : ninguno;
}

Respuesta GuardaErrores::responde(const std::exception& e)
{
    const Err error = ErrorDeExcepcion(e);
    ultimoError_ = error;
    const Respuesta respuesta = politica_(error);
    if (respuesta == Respuesta::Salir)
        salio_ = true;
    return respuesta;
}

namespace politicas {

Politica reanudaTodo()
{
    return [](const Err&) { return Respuesta::Siguiente; };
}

Politica saleEnSilencio()
{
    return [](const Err&) { return Respuesta::Salir; };
}

Politica dialogo(std::function<int(const Err&)> muestra, bool soloIgnorar)
{
    return [muestra = std::move(muestra), soloIgnorar](const Err& e) {
        switch (muestra(e)) {
        case 4:
            return soloIgnorar ? Respuesta::Salir : Respuesta::Reintentar;
        case 5:
            return Respuesta::Siguiente;
        default:
            return Respuesta::Salir;
        }
    };
}

Politica dejaPasar(std::initializer_list<long> numeros, Politica resto)
{
    return [lista = std::vector<long>(numeros), resto = std::move(resto)](const Err& e) {
        for (long n : lista) {
            if (n == e.Number)
                return Respuesta::Siguiente;
        }
        return resto(e);
    };
}

}
