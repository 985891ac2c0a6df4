#include "services/Objetos.h"

#include <memory>

namespace {

struct Objetos {
    std::unique_ptr<ConexionDatos> principal;
    std::unique_ptr<ConexionDatos> estadisticas;
    std::unique_ptr<Utilidades> utilidades;
    std::unique_ptr<Sistema> sistema;
    std::unique_ptr<Reporte> reporte;
    std::unique_ptr<ManejoCampos> manejoCampos;
    std::unique_ptr<VentanaEspera> ventanaEspera;
    std::unique_ptr<Buscador> buscador;
    std::unique_ptr<LectorIni> lectorIni;
};

Objetos& objetos()
{
    static Objetos o;
    return o;
}

template <typename T>
T& alUsarlo(std::unique_ptr<T>& objeto)
{
    if (!objeto)
        objeto = std::make_unique<T>();
    return *objeto;
}

}

ConexionDatos& ConexionPrincipal() { return alUsarlo(objetos().principal); }
ConexionDatos& ConexionEstadisticas() { return alUsarlo(objetos().estadisticas); }
Utilidades& ObjUtilidades() { return alUsarlo(objetos().utilidades); }
Sistema& ObjSistema() { return alUsarlo(objetos().sistema); }
Reporte& ObjReporte() { return alUsarlo(objetos().reporte); }
ManejoCampos& ObjManejoCampos() { return alUsarlo(objetos().manejoCampos); }
VentanaEspera& ObjVentanaEspera() { return alUsarlo(objetos().ventanaEspera); }
Buscador& ObjBuscador() { return alUsarlo(objetos().buscador); }
LectorIni& ObjLectorIni() { return alUsarlo(objetos().lectorIni); }

void DescartaObjetos()
{
    // The lookup object points at the main connection: drop it first.
    objetos().buscador.reset();
    objetos() = Objetos{};
}
