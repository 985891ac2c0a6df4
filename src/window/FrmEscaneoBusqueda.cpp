#include "window/FrmEscaneo.h"

#include "daterange/FhOcx.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "scanning/Busqueda.h"
#include "services/Objetos.h"
#include "window/FlexGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

// The search frame's buttons: the search into the grid, and its clearing.

void FrmEscaneo::CmdBuscar_Click()
{
    FiltroBusqueda filtro;
    if (!LeeFechasDeBusqueda(FhOcx1->Fh_Desde(), FhOcx1->Fh_Hasta(), filtro)) {
        dialogos().MsgBox(QStringLiteral("Debe ingresar un formato de fecha válido!!!"),
                          Botones::IconoCritico + Botones::SoloAceptar, QStringLiteral("Aviso al Operador"));
        return;
    }
    VentanaEspera& espera = ObjVentanaEspera();
    GuardaErrores guarda(politicas::dialogo([&espera](const Err& e) {
        espera.Cierra();
        return ObjUtilidades().MuestraErrorObjeto(e);
    }));
    guarda.paso([&] { espera.Muestra(QStringLiteral("Cargando"), 0); });
    guarda.paso([&] { CmdCancelar_Click(); });
    guarda.paso([&] {
        filtro.Cuenta = Campo(QStringLiteral("Cuenta"))->text();
        filtro.TC = Campo(QStringLiteral("TC"))->text();
        filtro.Sucursal = Campo(QStringLiteral("Sucursal"))->text();
        filtro.Numero = Campo(QStringLiteral("Numero"))->text();
        filtro.Letra = Campo(QStringLiteral("Letra"))->text();
    });
    filtro.SoloEscaneados = ChksoloEscaneado->checkState() == Qt::Checked;
    if (!guarda.salio())
        Busca(ConexionPrincipal(), filtro, MSFlexGrid1->grilla(), espera, guarda);
    espera.Cierra();
}

void FrmEscaneo::CmdCancelar_Click()
{
    GrillaFlex& grilla = MSFlexGrid1->grilla();
    grilla.Clear();
    grilla.setRows(2);
    LblNombre->setText(QString());
    LblFecha->setText(QStringLiteral("..."));
    for (const char* campo : {"ResCuenta", "ResTc", "ResCpte"})
        Campo(QLatin1String(campo))->setText(QString());
}
