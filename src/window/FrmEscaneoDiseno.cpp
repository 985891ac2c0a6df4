#include "window/FrmEscaneo.h"

#include "daterange/FhOcx.h"
#include "platform/dialogs/Twips.h"
#include "window/FlexGrid.h"
#include "window/SubeBaja.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

// The window's controls and their places; the handlers live beside.

namespace {

QPushButton* CreaBoton(QWidget* padre, const QString& texto, const QString& ayuda, int x, int y, int ancho,
                       int alto)
{
    auto* boton = Crea<QPushButton>(padre, texto, x, y, ancho, alto);
    boton->setToolTip(ayuda);
    return boton;
}

}

FrmEscaneo::FrmEscaneo(const QString& lineaComando, QWidget* parent)
    : QWidget(parent), lineaComando_(lineaComando)
{
    setWindowTitle(QStringLiteral("Escaneo de Documentos"));
    SSTab1 = new QTabWidget(this);
    auto* escanear = new QWidget;
    auto* busqueda = new QWidget;
    SSTab1->addTab(escanear, QStringLiteral("Escanear"));
    SSTab1->addTab(busqueda, QStringLiteral("Configuración"));
    // The settings are made now, for the load and a scan of the start
    // parameter use them with no window shown, but go into their tab only
    // when it first shows: a start on the search lays out, polishes and
    // paints none of them before its first frame.
    controlesEscanear_ = std::make_unique<QWidget>();
    CreaPestanaEscanear(controlesEscanear_.get());
    escanear->installEventFilter(this);
    CreaPestanaBusqueda(busqueda);

    // The upload and test controls stand on the window itself, over the
    // lower left corner of either tab.
    fueraDePestanas_ = new QWidget(this);
    auto* fila = new QHBoxLayout(fueraDePestanas_);
    fila->setContentsMargins(0, 0, 0, 0);
    ChkEliminar = new QCheckBox(QStringLiteral("Eliminar BMP al comprimir"), fueraDePestanas_);
    CmdUpload = new QPushButton(QStringLiteral("&Upload"), fueraDePestanas_);
    Command1 = new QPushButton(QStringLiteral("Pruebas"), fueraDePestanas_);
    fila->addWidget(ChkEliminar);
    fila->addWidget(CmdUpload);
    fila->addWidget(Command1);
    fueraDePestanas_->adjustSize();
    fueraDePestanas_->raise();

    connect(Quit, &QPushButton::clicked, this, &FrmEscaneo::Quit_Click);
    connect(cmdNumeriser, &QPushButton::clicked, this, &FrmEscaneo::cmdNumeriser_Click);
    connect(CmdEscanear, &QPushButton::clicked, this, &FrmEscaneo::CmdEscanear_Click);
    connect(CmdGuardar, &QPushButton::clicked, this, &FrmEscaneo::CmdGuardar_Click);
    connect(Command1, &QPushButton::clicked, this, &FrmEscaneo::Command1_Click);
    connect(CmdEliminar, &QPushButton::clicked, this, &FrmEscaneo::CmdEliminar_Click);
    connect(CmdBuscar, &QPushButton::clicked, this, &FrmEscaneo::CmdBuscar_Click);
    connect(CmdCancelar, &QPushButton::clicked, this, &FrmEscaneo::CmdCancelar_Click);
    connect(CmdImagen, &QPushButton::clicked, this, &FrmEscaneo::CmdImagen_Click);
    connect(cmdGuardaCambio, &QPushButton::clicked, this, &FrmEscaneo::cmdGuardaCambio_Click);
    connect(MSFlexGrid1, &FlexGrid::clicked, this, &FrmEscaneo::MSFlexGrid1_Click);
    connect(CmdUpload, &QPushButton::clicked, this, &FrmEscaneo::CmdUpload_Click);
    connect(CmdImprimir, &QPushButton::clicked, this, &FrmEscaneo::CmdImprimir_Click);
    connect(comboType, &QComboBox::activated, this, &FrmEscaneo::comboType_Click);
    connect(Text1, &QLineEdit::textChanged, this, &FrmEscaneo::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &FrmEscaneo::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &FrmEscaneo::Text3_Change);
    for (QLineEdit* campo : TxtFields)
        campo->installEventFilter(this);
    busqueda->installEventFilter(this);

    Dimensiona(Px(16965), Px(8805));
    SSTab1->setCurrentIndex(0);
}

FrmEscaneo::~FrmEscaneo() = default;

void FrmEscaneo::PoneControlesEscanear(QWidget* pestana)
{
    QWidget* controles = controlesEscanear_.release();
    auto* relleno = new QHBoxLayout(pestana);
    relleno->setContentsMargins(0, 0, 0, 0);
    relleno->addWidget(controles);
    // Shown with its tab, not a turn of the event loop later.
    controles->show();
}

void FrmEscaneo::CreaPestanaEscanear(QWidget* pagina)
{
    Label1 = Crea<QLabel>(pagina, QStringLiteral("Numero de copia(s) :"), 240, 360, 2100, 255);
    Text1 = Crea<QLineEdit>(pagina, QStringLiteral("1"), 2400, 330, 900, 315);
    UpDown1 = new SubeBaja(Text1, 1, 99, 1, pagina);
    Ubica(UpDown1, 3300, 330, 255, 315);
    Label3 = Crea<QLabel>(pagina, QStringLiteral("Resolución :"), 240, 840, 2100, 255);
    Text2 = Crea<QLineEdit>(pagina, QStringLiteral("290"), 2400, 810, 900, 315);
    UpDown2 = new SubeBaja(Text2, 1, 4800, 10, pagina);
    Ubica(UpDown2, 3300, 810, 255, 315);
    Label4 = Crea<QLabel>(pagina, QStringLiteral("Tipo de Scaneo :"), 240, 1320, 2100, 255);
    comboType = new QComboBox(pagina);
    Ubica(comboType, 2400, 1290, 2400, 315);
    Label5 = Crea<QLabel>(pagina, QStringLiteral("Proporciones (%) :"), 240, 1800, 2100, 255);
    Text3 = Crea<QLineEdit>(pagina, QStringLiteral("100"), 2400, 1770, 900, 315);
    UpDown3 = new SubeBaja(Text3, 1, 500, 10, pagina);
    Ubica(UpDown3, 3300, 1770, 255, 315);
    Label2 = Crea<QLabel>(pagina, QStringLiteral("Ruta de Guardado:"), 240, 2280, 2100, 255);
    TxtRuta = Crea<QLineEdit>(pagina, QString(), 240, 2535, 4800, 315);
    CmdGuardar = CreaBoton(pagina, QStringLiteral("Guardar"), QString(), 5160, 2505, 1080, 375);
    cmdNumeriser = CreaBoton(pagina, QStringLiteral("Escánear"), QString(), 240, 3120, 1500, 480);
    Quit = CreaBoton(pagina, QStringLiteral("Salir"), QString(), 1860, 3120, 1500, 480);
    lblState = Crea<QLabel>(pagina, QStringLiteral("..."), 240, 3780, 6000, 255);
    // Its picture is loaded when the tab first shows.
    I = Crea<QLabel>(pagina, QString(), 4920, 240, 960, 960);
    I->installEventFilter(this);
}

QLineEdit* FrmEscaneo::CreaCampo(QWidget* padre, const char* dataField)
{
    auto* campo = new QLineEdit(padre);
    campo->setProperty("DataField", QString::fromLatin1(dataField));
    TxtFields.push_back(campo);
    return campo;
}

void FrmEscaneo::CreaPestanaBusqueda(QWidget* pagina)
{
    Frame1 = Crea<QGroupBox>(pagina, QStringLiteral("BUSQUEDA"), 120, 60, 6300, 2400);
    Label6 = Crea<QLabel>(Frame1, QStringLiteral("TC"), 120, 300, 700, 255);
    Label7 = Crea<QLabel>(Frame1, QStringLiteral("Suc.      Numero         Letra"), 960, 300, 2600, 255);
    Label8 = Crea<QLabel>(Frame1, QStringLiteral("Cuenta"), 3600, 300, 1200, 255);
    QLineEdit* tc = CreaCampo(Frame1, "TC");
    QLineEdit* cuenta = CreaCampo(Frame1, "Cuenta");
    QLineEdit* sucursal = CreaCampo(Frame1, "Sucursal");
    QLineEdit* numero = CreaCampo(Frame1, "Numero");
    QLineEdit* letra = CreaCampo(Frame1, "Letra");
    // The widths of the voucher's parts; they also make the key filter
    // upper-case these codes.
    tc->setMaxLength(4);
    sucursal->setMaxLength(4);
    numero->setMaxLength(8);
    letra->setMaxLength(1);
    Ubica(tc, 120, 555, 700, 315);
    Ubica(cuenta, 3600, 555, 2500, 315);
    Ubica(sucursal, 960, 555, 700, 315);
    Ubica(numero, 1740, 555, 1200, 315);
    Ubica(letra, 3020, 555, 400, 315);
    // The advance key walks the criteria as they stand, left to right.
    QWidget::setTabOrder(tc, sucursal);
    QWidget::setTabOrder(sucursal, numero);
    QWidget::setTabOrder(numero, letra);
    QWidget::setTabOrder(letra, cuenta);
    FhOcx1 = new FhOcx(Frame1);
    Ubica(FhOcx1, 120, 960, 6000, 700);
    ChksoloEscaneado =
        Crea<QCheckBox>(Frame1, QStringLiteral("Mostrar solo documentos con imagenes"), 120, 1770, 4500, 285);
    CmdBuscar = CreaBoton(Frame1, QStringLiteral("Buscar"), QString(), 4920, 1700, 1200, 420);

    MSFlexGrid1 = new FlexGrid(pagina);
    Ubica(MSFlexGrid1, 120, 2580, 6300, 3300);

    Label10.push_back(Crea<QLabel>(pagina, QStringLiteral("Cuenta"), 120, 6000, 1500, 255));
    Ubica(CreaCampo(pagina, "ResCuenta"), 120, 6255, 1500, 315);
    Ubica(CreaCampo(pagina, "ResTC"), 1740, 6255, 700, 315);
    Label10.push_back(Crea<QLabel>(pagina, QStringLiteral("Ruta Archivo"), 120, 6660, 1500, 255));
    Ubica(CreaCampo(pagina, "ImagenFac"), 120, 6915, 5700, 315);
    Label12 = Crea<QLabel>(pagina, QStringLiteral("IdComprobante"), 2560, 6000, 1900, 255);
    Ubica(CreaCampo(pagina, "ResCpte"), 2560, 6255, 1900, 315);
    CmdImagen = CreaBoton(pagina, QStringLiteral(">>>"), QString(), 5880, 6900, 540, 345);
    LblFecha = Crea<QLabel>(pagina, QStringLiteral("..."), 4560, 6000, 1860, 255);
    LblNombre = Crea<QLabel>(pagina, QString(), 4560, 6255, 1860, 315);

    CmdEscanear = CreaBoton(pagina, QStringLiteral("Escanear"), QStringLiteral("Escanear imagen"), 120, 7380, 1200, 420);
    cmdGuardaCambio =
        CreaBoton(pagina, QStringLiteral("Asignar "), QStringLiteral("Asignar imagen"), 1380, 7380, 1200, 420);
    CmdEliminar = CreaBoton(pagina, QStringLiteral("Eliminar"),
                            QStringLiteral("Quitar imagen asignada (no borra la imagen)"), 2640, 7380, 1200, 420);
    CmdCancelar = CreaBoton(pagina, QStringLiteral("Cancelar"), QString(), 3900, 7380, 1200, 420);
    CmdImprimir = CreaBoton(pagina, QStringLiteral("Email"), QString(), 5160, 7380, 1200, 420);
}
