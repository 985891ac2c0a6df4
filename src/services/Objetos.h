#pragma once

#include "platform/data/ConexionDatos.h"
#include "platform/dialogs/VentanaEspera.h"
#include "platform/objects/Buscador.h"
#include "platform/objects/LectorIni.h"
#include "platform/objects/ManejoCampos.h"
#include "platform/objects/Reporte.h"
#include "platform/objects/Sistema.h"
#include "platform/objects/Utilidades.h"

// The run's shared objects: created on first use, kept for the whole run, so
// a setting one caller makes stays for the next.
ConexionDatos& ConexionPrincipal();
ConexionDatos& ConexionEstadisticas();
Utilidades& ObjUtilidades();
Sistema& ObjSistema();
Reporte& ObjReporte();
ManejoCampos& ObjManejoCampos();
VentanaEspera& ObjVentanaEspera();
Buscador& ObjBuscador();
LectorIni& ObjLectorIni();

// Drops every object (closing the connections) so the next use starts
// afresh; only a fresh start of the module (ReiniciaModulo) needs it.
void DescartaObjetos();
