#pragma once

#include "platform/Buscador.h"
#include "platform/ConexionDatos.h"
#include "platform/LectorIni.h"
#include "platform/ManejoCampos.h"
#include "platform/Reporte.h"
#include "platform/Sistema.h"
#include "platform/Utilidades.h"
#include "platform/VentanaEspera.h"

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
