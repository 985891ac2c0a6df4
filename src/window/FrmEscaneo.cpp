#include "window/FrmEscaneo.h"

#include "platform/base/GuardaErrores.h"
#include "platform/browser/VistaPagina.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/dialogs/Twips.h"
#include "platform/scanner/Twain.h"
#include "scanning/AjustesEscaneo.h"
#include "scanning/ArchivoEscaner.h"
#include "scanning/Escaneo.h"
#include "scanning/OperadorDialogos.h"
#include "scanning/OpcionInicio.h"
#include "scanning/RegistroEscaneos.h"
#include "services/Arranque.h"
#include "services/Configuracion.h"
#include "services/LineaComando.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "window/EsperaRegistro.h"
#include "window/FlexGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>

namespace {

const QString TituloAviso = QStringLiteral("Aviso al Operador");
const QString PreguntaListo = QStringLiteral("Si esta preparado para escanear presione Aceptar");

// The window shows itself busy after each page.
class OperadorVentana : public OperadorDialogos {
public:
    explicit OperadorVentana(QWidget& ventana) : ventana_(ventana) {}
    void PaginaEscaneada(const QString&) override
    {
        ventana_.show();
        ventana_.setCursor(Qt::BusyCursor);
    }

private:
    QWidget& ventana_;
};

}

bool FrmEscaneo::ConectaAlCargar(const QString& lineaComando)
{
    GuardaErrores guarda(politicas::saleEnSilencio());
    bool conectado = false;
    guarda.paso([&] {
        QString cadena;
        conectado = IniciaConexion(false, lineaComando, cadena, 3);
    });
    return conectado;
}

FrmEscaneo::FinCarga FrmEscaneo::Form_Load()
{
    return Form_Load(ConectaAlCargar(lineaComando_));
}

FrmEscaneo::FinCarga FrmEscaneo::Form_Load(bool conectado)
{
    if (!conectado)
        return FinCarga::SinConexion;
    // Any failure below is taken as a scanner never chosen: the source
    // selection follows and the start parameter is not obeyed.
    GuardaErrores guarda(politicas::saleEnSilencio());
    guarda.paso([&] { TxtRuta->setText(Cfg(QStringLiteral("Ruta_Escaneo"))); });
    guarda.paso([&] {
        if (TxtRuta->text().trimmed().isEmpty() || !QFileInfo(TxtRuta->text()).isDir())
            dialogos().MsgBox(QStringLiteral("No esta configurada la carpeta de escaneos, o no existe. Verifiquelo "
                                             "para poder escanear documentos."),
                              Botones::IconoCritico + Botones::SoloAceptar, TituloAviso);
    });
    guarda.paso([&] {
        ArchivoIni = NombreArchivoEscaner;
        Text1->setText(QStringLiteral("1"));
        Copias = 1;
        Text2->setText(QStringLiteral("290"));
        Resolucion = ResolucionPorDefecto;
        Text3->setText(QStringLiteral("100"));
        TipoPixel = 0;
        comboType->addItems({QStringLiteral("Blanco y Negro"), QStringLiteral("Colores"),
                             QStringLiteral("Escala de Grises")});
    });
    guarda.paso([&] { CompruebaArchivoEscaner(ArchivoIni); });
    OpcionInicio opcion;
    guarda.paso([&] {
        opcion = LeeOpcionInicio(ObtieneParametroAdicional(Modulo().ParametroAdicional, QStringLiteral("Opcion:")));
    });
    if (guarda.salio()) {
        EligeFuenteEscaner();
        return FinCarga::Mostrar;
    }

    if (opcion.Accion.compare(QStringLiteral("1"), Qt::CaseInsensitive) == 0) {
        if (dialogos().MsgBox(PreguntaListo, Botones::AceptarCancelar + Botones::IconoInformacion, TituloAviso)
            == Resultado::Aceptar) {
            Escanear(QString(), opcion.Cpte, opcion.Cuenta, 1, 1);
            hide();
        }
        return FinCarga::Terminar;
    }
    if (opcion.Accion.compare(QStringLiteral("2"), Qt::CaseInsensitive) == 0) {
        Dimensiona(Px(6585), Px(6195));
        SSTab1->setCurrentIndex(0);
    } else {
        Dimensiona(Px(16965), Px(8805));
        SSTab1->setCurrentIndex(1);
    }
    return FinCarga::Mostrar;
}

void FrmEscaneo::EligeFuenteEscaner()
{
    const int fuente = TWAIN_SelectImageSource(Manejador());
    // A folder that cannot be written only means the question comes again
    // at the next start.
    GuardaErrores guarda(politicas::saleEnSilencio());
    guarda.paso([&] { EscribeArchivoEscaner(ArchivoIni, fuente); });
}

void FrmEscaneo::Form_Resize()
{
    SSTab1->setGeometry(0, 0, width(), height());
    // Until a page is shown there is no browser to size.
    if (!wbExplorer)
        return;
    wbExplorer->resize(std::max(0, SSTab1->width() - (MSFlexGrid1->width() + Px(300))),
                       std::max(0, height() - Px(800)));
}

void FrmEscaneo::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    Form_Resize();
    fueraDePestanas_->move(Px(120), height() - fueraDePestanas_->height() - Px(90));
}

bool FrmEscaneo::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == MSFlexGrid1->parentWidget() && evento->type() == QEvent::Resize)
        AjustaGrilla();
    if (objeto == SSTab1->widget(0) && evento->type() == QEvent::Show && controlesEscanear_)
        PoneControlesEscanear(SSTab1->widget(0));
    // Decoding the decorative picture would delay a start on the search tab.
    if (objeto == I && evento->type() == QEvent::Show && I->pixmap().isNull())
        I->setPixmap(style()->standardIcon(QStyle::SP_DriveFDIcon).pixmap(Px(960), Px(960)));
    return EventoDeCampo(objeto, evento) || QWidget::eventFilter(objeto, evento);
}

void FrmEscaneo::AjustaGrilla()
{
    // The strip outside the tabs stands over the lower left corner of the
    // page, a page's frame above the window's bottom; in a window too low
    // for the grid's designed height the grid ends above the strip.
    const int libre = MSFlexGrid1->parentWidget()->height() - fueraDePestanas_->height() - Px(90) - Px(60);
    MSFlexGrid1->resize(MSFlexGrid1->width(), std::clamp(libre - MSFlexGrid1->y(), 0, Px(3300)));
}

void FrmEscaneo::Dimensiona(int ancho, int alto)
{
    setMinimumSize(ancho, alto);
    resize(ancho, alto);
}

void FrmEscaneo::Quit_Click()
{
    QCoreApplication::quit();
}

long FrmEscaneo::Manejador() const
{
    return long(effectiveWinId());
}

void FrmEscaneo::Escanear(const QString&, const QString& comprobante, const QString& cuenta, int16_t copias,
                          int tipoEscaneo)
{
    // The busy pointer the pages leave lasts only while this runs.
    const auto restaura = qScopeGuard([this] { unsetCursor(); });
    if (tipoEscaneo >= 0 && tipoEscaneo <= 2)
        comboType->setCurrentIndex(tipoEscaneo);
    comboType_Click();
    PedidoEscaneo pedido;
    pedido.comprobante = comprobante;
    pedido.cuenta = cuenta;
    pedido.copias = CopiasAEscanear(copias, Text1->text());
    pedido.resolucion = ResolucionAEscanear(Resolucion, Text2->text());
    pedido.tipoPixel = TipoPixel;
    pedido.carpetaVentana = TxtRuta->text();
    pedido.ventana = Manejador();
    OperadorVentana operador(*this);
    if (Escanea(operador, pedido).escanerConfigurado)
        Resolucion = pedido.resolucion;
}

void FrmEscaneo::CmdEscanear_Click()
{
    if (dialogos().MsgBox(PreguntaListo, Botones::AceptarCancelar + Botones::IconoInformacion, TituloAviso)
        != Resultado::Aceptar)
        return;
    Escanear(QString(), Campo(QStringLiteral("ResTC"))->text() + Campo(QStringLiteral("Rescpte"))->text(),
             Campo(QStringLiteral("ResCuenta"))->text(), 1, 1);
}

void FrmEscaneo::cmdNumeriser_Click()
{
    Escanear(QString(), QString(), QString(), 1, 1);
}

void FrmEscaneo::comboType_Click()
{
    TipoPixel = TipoPixelDe(comboType->currentText());
}

void FrmEscaneo::Text1_Change()
{
    const RevisionAjuste revision = RevisaAjuste(Text1->text(), RangoCopias);
    if (revision.valor)
        Copias = int16_t(*revision.valor);
    if (revision.textoCorregido)
        Text1->setText(*revision.textoCorregido);
}

void FrmEscaneo::Text2_Change()
{
    const RevisionAjuste revision = RevisaAjuste(Text2->text(), RangoResolucion);
    if (revision.valor)
        Resolucion = *revision.valor;
    if (revision.textoCorregido)
        Text2->setText(*revision.textoCorregido);
}

void FrmEscaneo::Text3_Change()
{
    const RevisionAjuste revision = RevisaAjuste(Text3->text(), RangoProporcion);
    if (revision.textoCorregido)
        Text3->setText(*revision.textoCorregido);
}

void FrmEscaneo::CmdGuardar_Click()
{
    GrabaDfg(QStringLiteral("Ruta_Escaneo"), TxtRuta->text(), QString(), false, QStringLiteral("DATOS"), true);
}

void FrmEscaneo::Command1_Click()
{
    TWAIN_OpenDefaultSource();
    if (TWAIN_AcquireToFilename(0, QStringLiteral("front.bmp")) == 0)
        TWAIN_AcquireToFilename(0, QStringLiteral("back.bmp"));
}

void FrmEscaneo::CmdEliminar_Click()
{
    const QString nombre = LblNombre->text();
    if (nombre.isEmpty())
        return;
    if (dialogos().MsgBox(QStringLiteral("¿Desea Eliminar el registro seleccionado? \r\n") + nombre,
                          Botones::SiNo + Botones::IconoCritico, TituloAviso)
        != Resultado::Si) {
        ObjVentanaEspera().Cierra();
        return;
    }
    EsperaRegistro trabajo(QStringLiteral("Eliminando"), QStringLiteral("Eliminando"));
    QString error;
    trabajo.guarda().paso([&] {
        ConexionDatos& conexion = ConexionPrincipal();
        const QString clave = ClaveComprobante(Campo(QStringLiteral("ResTC"))->text(),
                                               Campo(QStringLiteral("ResCpte"))->text().trimmed());
        error = EjecutaEnRegistro(conexion, SentenciaRetiroEscaneo(conexion, Modulo().UsuarioActual, nombre,
                                                                   Campo(QStringLiteral("ResCuenta"))->text(), clave));
    });
    trabajo.MuestraError(error);
}

bool FrmEscaneo::ExisteEscaneo(const QString& Cuenta, const QString& TC, const QString& Cpte, QString& NombreArchivo,
                               QString& RutaArchivo)
{
    return ::ExisteEscaneo(ConexionPrincipal(), Cuenta, TC, Cpte, NombreArchivo, RutaArchivo);
}

void FrmEscaneo::CodificaRutaArch(const QString& Ruta, QString& Nombre, QString& Carpeta)
{
    ::CodificaRutaArch(Ruta, Nombre, Carpeta);
}

void FrmEscaneo::CmdUpload_Click()
{
    subida_.Ejecuta(ChkEliminar->isChecked(), [this](const QString& texto) {
        if (lblState->text() == texto)
            return;
        lblState->setText(texto);
        lblState->repaint();
    });
}
