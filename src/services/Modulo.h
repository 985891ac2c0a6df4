#pragma once

#include "platform/base/Conversiones.h"

#include <QString>
#include <cstdint>

// Module state that lasts for the whole run: set at start-up from the
// command line and the configuration, read everywhere after.
struct EstadoModulo {
    // Command line and start-up
    QString ParametroAdicional;
    QString MenuActual;
    QString CajaActual;
    QString UsuarioActual;
    QString ClaveEstacionSesion;
    QString CadenaConexionReporte;
    QString CarpetaPrograma;  // ends in "/"
    QString ArchivoAyuda;
    int16_t TimeOut = 360;
    double FlatToolbars = 0;
    long ColorLetraFoco = 0;
    long ColorFondoFoco = 0xFFFFFF;
    int32_t IdAccesoModulo = 0;

    // Configuration table name used by the key readers and writers
    QString TablaConfiguracion;

    // Configuration load
    bool MostrarStockenConsultas = false;
    QString TituloClientes;
    QString TituloProveedores;
    QString ArchivoDocTareas;
    bool EXIGECLAVECONSULTALIKEARTICULOS = false;
    bool UsaConsultaLike = false;
    QString DecimalesImporte;
    bool SS_CONFIDENCIALIDAD = false;
    bool UsaMultilesMonedas = false;
    bool UsaFacturaProforma = false;
    bool USACCOSTO = false;
    bool USA_STK_STOCK_UDKG = false;
    QString UnidadNegocioActual;
    QString UNIDADDEMEDIDA_M3;
    QString UNIDADDEMEDIDA_BL;
    QString UNIDADDEMEDIDA_KG;
    int16_t PERIODO = 0;
    bool RazonSocialPorUneg = false;
    bool VALIDACODIGOBARRA = false;
    bool ConfiguracionCargada = false;
    bool ModuloOrdenDeTrabajo = false;
    bool V_ModificaCPrecio = false;
    bool C_ModificaCPrecio = false;
    bool EsMaderera = false;
    QString MAD_TIRAS;
    QString MAD_P2;
    QString MAD_ML;
    QString MAD_M2;
    QString MAD_HOJAS;
    QString MAD_ML_P2;
    QString MAD_M2_P2;
    QString MAD_ML_M2;
    QString CuentaCtroDist;
    Moneda MaxDto;
    Moneda MaxDtoProforma;
    bool PideClave_StockNeg = false;
    bool PideClave_MarkUpBase = false;
    bool PideClave_LimiteCredito = false;
    bool SS_BloqueoActivo = false;
    bool UTILIZARFECHADIA = false;
    bool AsignacionAutomaticaDeLoteING = false;
    int16_t CONDIVAEMPRESA = 0;
    QString Top_Default;
};

EstadoModulo& Modulo();
// The workstation key of the voucher print rows: machine name, "|", the
// Windows user, read afresh on every call (unlike ClaveEstacionSesion).
QString ClaveEstacion();
// Back to a fresh start (tests run several start-ups in one process).
void ReiniciaModulo();
// The program folder as the start-up recorded it; the program's own before
// that. Ends in "/".
QString CarpetaDelPrograma();
