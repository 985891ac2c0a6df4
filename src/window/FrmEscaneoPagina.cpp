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

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QUrl>
#include <QWebEngineView>

// The voucher pane and what fills it: the grid selection, the page of the
// selected voucher and the assignment of an image file to it.

namespace {

const QString TituloAviso = QStringLiteral("Aviso al Operador");
const QString FiltroImagenes = QStringLiteral("Archivos Jpg|*.jpg|Archivos Bmp|*.bmp|Archivos Gif|*.gif|"
                                              "Archivos de íconos|*.ico|Todos los Archivos|*.*");

VistaDeFila VistaDe(const QTableWidgetItem* celda)
{
    const QVariant vista = celda ? celda->data(RolVistaDeFila) : QVariant();
    return vista.isValid() ? VistaDeFila(vista.toInt()) : VistaDeFila::Desconocida;
}

}

void FrmEscaneo::CrearTempNew()
{
    ::CrearTempNew(RutaTemporal, ArchivoHtmlActual);
    wbExplorer->load(QUrl(QStringLiteral("about:blank")));
    wbExplorer->setVisible(true);
}

void FrmEscaneo::Mostrar(const QString& iTc, const QString& iSucursal, const QString& iNumero, const QString& iLetra,
                         bool EsVenta, const QString& Cuenta, std::optional<bool> UsaVMvCpte)
{
    ::Mostrar(RutaTemporal, ArchivoHtmlActual, iTc, iSucursal, iNumero, iLetra, EsVenta, Cuenta, UsaVMvCpte);
    NavegaArchivo(ArchivoHtmlActual);
}

void FrmEscaneo::NavegaArchivo(const QString& ruta)
{
    // A page that could not be written is no page: the pane goes blank.
    wbExplorer->load(ruta.isEmpty() ? QUrl(QStringLiteral("about:blank")) : QUrl::fromLocalFile(ruta));
}

void FrmEscaneo::MSFlexGrid1_Click()
{
    if (MSFlexGrid1->rowCount() <= 0)
        return;
    // A click never brings a message: whatever fails is passed over.
    GuardaErrores guarda(politicas::reanudaTodo());
    const int fila = MSFlexGrid1->currentRow();
    const auto celda = [&](int columna) {
        const QTableWidgetItem* item = MSFlexGrid1->item(fila, columna);
        return item ? item->text() : QString();
    };
    const SeleccionDeFila seleccion = SeleccionaFila(celda(3), VistaDe(MSFlexGrid1->item(fila, 3)));
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
    if (vacia)
        return;
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
        // Cancelling empties both, as the classic picker did.
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
