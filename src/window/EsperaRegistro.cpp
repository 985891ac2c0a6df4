#include "window/EsperaRegistro.h"

#include "platform/dialogs/Dialogos.h"
#include "services/Objetos.h"

EsperaRegistro::EsperaRegistro(const QString& texto, const QString& actualizado)
    : guarda_(politicas::dialogo([](const Err& e) {
          ObjVentanaEspera().Cierra();
          return ObjUtilidades().MuestraErrorObjeto(e);
      }))
{
    guarda_.paso([&] { ObjVentanaEspera().Muestra(texto, 0); });
    guarda_.paso([&] { ObjVentanaEspera().Actualiza(0, actualizado); });
}

EsperaRegistro::~EsperaRegistro()
{
    ObjVentanaEspera().Cierra();
}

void EsperaRegistro::MuestraError(const QString& error)
{
    guarda_.paso([&] {
        if (!error.isEmpty()) {
            ObjVentanaEspera().Cierra();
            dialogos().MsgBox(error);
        }
    });
}
