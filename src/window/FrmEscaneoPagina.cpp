#include "window/FrmEscaneo.h"

#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "scanning/AsignacionImagen.h"
#include "scanning/RegistroEscaneos.h"
#include "scanning/SeleccionGrilla.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "services/ServiciosArchivo.h"
#include "voucherweb/PaginaActual.h"
#include "window/EsperaRegistro.h"
#include "window/FlexGrid.h"

#include <QLabel>
#include <QLineEdit>

// The voucher pane and what fills it: the grid selection, the page of the
// selected voucher and the assignment of an image file to it.

namespace {

const QString TituloAviso = QStringLiteral("Aviso al Operador");
const QString FiltroImagenes = QStringLiteral("Archivos Jpg|*.jpg|Archivos Bmp|*.bmp|Archivos Gif|*.gif|"
                                              "Archivos de íconos|*.ico|Todos los Archivos|*.*");

}

void FrmEscaneo::CrearTempNew()
{
    ::CrearTempNew(RutaTemporal, ArchivoHtmlActual);
    NavegaArchivo(QString());
}

void FrmEscaneo::Mostrar(const QString& iTc, const QString& iSucursal, const QString& iNumero, const QString& iLetra,
                         bool EsVenta, const QString& Cuenta, std::optional<bool> UsaVMvCpte)
{
    ::Mostrar(RutaTemporal, ArchivoHtmlActual, iTc, iSucursal, iNumero, iLetra, EsVenta, Cuenta, UsaVMvCpte);
    NavegaArchivo(ArchivoHtmlActual);
}

void FrmEscaneo::MSFlexGrid1_Click()
{
    const GrillaFlex& grilla = MSFlexGrid1->grilla();
    if (grilla.Rows() <= 0)
        return;
    // A click never brings a message: whatever fails is passed over.
    GuardaErrores guarda(politicas::reanudaTodo());
    const int fila = MSFlexGrid1->Row();
    const auto celda = [&](int columna) { return grilla.TextMatrix(fila, columna); };
    SeleccionDeFila seleccion;
    guarda.paso([&] { seleccion = SeleccionaFila(celda(3), VistaDeFila(grilla.RowData(fila))); });
    guarda.paso([&] { LblFecha->setText(celda(4)); });
    guarda.paso([&] { LblNombre->setText(celda(5)); });
    guarda.paso([&] { Campo(QStringLiteral("ImagenFac"))->setText(LblNombre->text()); });
    guarda.paso([&] { Campo(QStringLiteral("ResCuenta"))->setText(celda(1)); });
    guarda.paso([&] { Campo(QStringLiteral("ResTC"))->setText(seleccion.ResTC); });
    guarda.paso([&] { Campo(QStringLiteral("ResCpte"))->setText(seleccion.ResCpte); });
    bool vacia = false;
    guarda.paso([&] {
        vacia = Campo(QStringLiteral("ResCuenta"))->text().isEmpty() && Campo(QStringLiteral("ResTC"))->text().isEmpty();
    });
    if (!vacia)
        MuestraSeleccion(seleccion);
}

void FrmEscaneo::MuestraSeleccion(const SeleccionDeFila& seleccion)
{
    // Unlike the rest of the click, a page that cannot be written or shown is
    // told: the pane would otherwise stay blank without a word.
    GuardaErrores guarda(politicas::dialogo(
        [](const Err& e) { return ObjUtilidades().MuestraErrorObjeto(e, 18, QStringLiteral("Mostrar")); }));
    guarda.paso([&] { Explorador(); });
    guarda.paso([&] { CrearTempNew(); });
    guarda.paso([&] {
        Mostrar(seleccion.tipo, seleccion.sucursal, seleccion.numero, seleccion.letra, seleccion.esVenta,
                Campo(QStringLiteral("ResCuenta"))->text(), seleccion.usaVMvCpte);
    });
}

void FrmEscaneo::CmdImagen_Click()
{
    GuardaErrores guarda([](const Err& e) {
        dialogos().MsgBox(e.Description);
        return Respuesta::Salir;
    });
    guarda.paso([&] {
        // Cancelling empties both: no file chosen is no file kept.
        const QString ruta = dialogos().AbrirArchivo(QStringLiteral("Selección del Archivo"), FiltroImagenes,
                                                     ObjSistema().CarpetaPrograma());
        Campo(QStringLiteral("ImagenFac"))->setText(ruta);
        LblNombre->setText(ruta);
    });
}

void FrmEscaneo::cmdGuardaCambio_Click()
{
    const QString cuenta = Campo(QStringLiteral("ResCuenta"))->text();
    const QString tc = Campo(QStringLiteral("ResTc"))->text();
    const QString cpte = Campo(QStringLiteral("ResCpte"))->text().trimmed();
    if (tc.trimmed().isEmpty() || cpte.isEmpty()) {
        dialogos().MsgBox(QStringLiteral("Debe seleccionar al menos un comprobante!!!"), Botones::SoloAceptar,
                          QStringLiteral("Aviso al operador"));
        return;
    }
    const QString archivo = ArchivoElegido(LblNombre->text(), Campo(QStringLiteral("ImagenFac"))->text());
    if (archivo.isEmpty())
        return;
    LblNombre->setText(archivo);
    if (dialogos().MsgBox(QStringLiteral("¿Desea actualizar el registro con los datos ingresados?\r\n") + archivo,
                          Botones::SiNo + Botones::IconoInformacion, TituloAviso)
        != Resultado::Si)
        return;

    EsperaRegistro trabajo(QStringLiteral("Actualizando..."), QStringLiteral("Actualizando"));
    ArchivoAsignado asignado;
    trabajo.guarda().paso([&] {
        QString aux;
        asignado = TraeAlEscaneo(archivo, Cfg(QStringLiteral("Ruta_Escaneo"), aux), QDateTime::currentDateTime(),
                                 FechaServidor().date().day());
    });
    if (trabajo.guarda().salio())
        return;
    if (!asignado.rechazo.isEmpty()) {
        ObjVentanaEspera().Cierra();
        dialogos().MsgBox(asignado.rechazo, Botones::IconoCritico, TituloAviso);
        return;
    }
    QString error;
    trabajo.guarda().paso([&] {
        ConexionDatos& conexion = ConexionPrincipal();
        bool agregada = false;
        error = RegistraAsignacion(conexion, cuenta, ClaveComprobante(tc, cpte), asignado, conexion.Usuario(), agregada);
    });
    trabajo.MuestraError(error);
}
