#include "services/Modulo.h"

#include "services/Objetos.h"
#include "services/SentenciasSQL.h"

EstadoModulo& Modulo()
{
    static EstadoModulo estado;
    return estado;
}

QString ClaveEstacion()
{
    return ObjSistema().NombreMaquina() + QLatin1Char('|') + ObjSistema().UsuarioWindows();
}

void ReiniciaModulo()
{
    Modulo() = EstadoModulo{};
    ListaCampos().reset();
    DescartaObjetos();
}

QString CarpetaDelPrograma()
{
    return Modulo().CarpetaPrograma.isEmpty() ? ObjUtilidades().AgregaBarra(ObjSistema().CarpetaPrograma())
                                              : Modulo().CarpetaPrograma;
}
