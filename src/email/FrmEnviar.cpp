#include "email/FrmEnviar.h"

#include "platform/base/GuardaErrores.h"
#include "platform/browser/CreaVistaPagina.h"
#include "platform/browser/VistaPagina.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/dialogs/Twips.h"
#include "services/Objetos.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

// The window's controls, its load step, keys and closing; the send, the log
// and the attachments live beside.

namespace {

// The window's size, and the top and height of its message, in twips.
constexpr int AltoVentana = 9900, AnchoVentana = 12300;
constexpr int ArribaMensaje = 3420, AltoMensaje = 4500;

QLineEdit* CreaCampo(QWidget* padre, const char* dataField, int x, int y, int ancho)
{
    auto* campo = new QLineEdit(padre);
    if (dataField)
        campo->setProperty("DataField", QString::fromLatin1(dataField));
    // A page as message text is far longer than a line edit's default limit.
    campo->setMaxLength(std::numeric_limits<int>::max());
    Ubica(campo, x, y, ancho, 315);
    return campo;
}

// The handlers without one of their own: an error is shown and the window
// goes on.
template <typename Accion>
void Informa(const QString& rutina, Accion accion)
{
    try {
        accion();
    } catch (const Err& e) {
        ObjUtilidades().MuestraErrorObjeto(e, Botones::IconoCritico, rutina);
    }
}

}

FrmEnviar::FrmEnviar(QWidget* padre) : QWidget(padre, Qt::Window)
{
    setWindowTitle(QStringLiteral("Formulario Envio de eMail"));
    resize(Px(AnchoVentana), Px(AltoVentana));

    FrameDatos = Crea<QGroupBox>(this, QStringLiteral("Datos de email"), 120, 60, 12060, 1980);
    lblFrom = Crea<QLabel>(FrameDatos, QStringLiteral("De:"), 120, 300, 900, 255);
    lblTo = Crea<QLabel>(FrameDatos, QStringLiteral("Para:"), 120, 660, 900, 255);
    lblAsunto = Crea<QLabel>(FrameDatos, QStringLiteral("Asunto:"), 120, 1020, 900, 255);
    lblAttach = Crea<QLabel>(FrameDatos, QStringLiteral("Adjuntos:"), 120, 1380, 900, 255);
    TxtFields = {CreaCampo(FrameDatos, "De", 1080, 270, 6000), CreaCampo(FrameDatos, "Para", 1080, 630, 6000),
                 CreaCampo(FrameDatos, "Asunto", 1080, 990, 6000), CreaCampo(this, "Mensaje", 120, 0, 0)};
    CmdConsultar = Crea<QPushButton>(FrameDatos, QStringLiteral("[F5] Seleccionar"), 7200, 600, 1800, 375);
    txtAttach = CreaCampo(FrameDatos, nullptr, 1080, 1350, 6000);
    cmdBrowse = Crea<QPushButton>(FrameDatos, QStringLiteral("..."), 7200, 1320, 480, 375);
    CmdAbrir = Crea<QPushButton>(FrameDatos, QStringLiteral("Abrir"), 7800, 1320, 1200, 375);
    Label1 = Crea<QLabel>(FrameDatos, QStringLiteral("SMTP"), 9240, 300, 600, 255);
    txtServer = CreaCampo(FrameDatos, nullptr, 9840, 270, 2040);

    LblComen = Crea<QLabel>(this, QStringLiteral("Comentario:"), 120, 2160, 1200, 255);
    TxtComen = new QPlainTextEdit(this);
    Ubica(TxtComen, 1320, 2130, 7800, 900);
    OptArriba = Crea<QRadioButton>(this, QStringLiteral("Arriba del mensaje"), 9300, 2160, 2700, 315);
    OptAbajo = Crea<QRadioButton>(this, QStringLiteral("Debajo del mensaje"), 9300, 2520, 2700, 315);
    OptArriba->setChecked(true);

    FrameMensaje = Crea<QGroupBox>(this, QStringLiteral("Mensaje"), 0, ArribaMensaje - 240, AnchoVentana, AltoMensaje + 360);
    Ubica(TxtFields[3], 120, ArribaMensaje, AnchoVentana - 240, AltoMensaje);
    TxtFields[3]->raise();

    FrameEstado = Crea<QGroupBox>(this, QStringLiteral("Estado"), 120, 8160, 8400, 1620);
    lstStatus = new QListWidget(FrameEstado);
    Ubica(lstStatus, 120, 240, 7200, 1260);
    lblProgress = Crea<QLabel>(FrameEstado, QStringLiteral("%"), 7440, 600, 840, 315);
    cmdSend = Crea<QPushButton>(this, QStringLiteral("[F2] Enviar Email"), 8700, 8460, 1680, 600);
    cmdExit = Crea<QPushButton>(this, QStringLiteral("[ESC] Salir"), 10500, 8460, 1680, 600);

    connect(cmdSend, &QPushButton::clicked, this, &FrmEnviar::cmdSend_Click);
    connect(cmdExit, &QPushButton::clicked, this, &FrmEnviar::cmdExit_Click);
    connect(cmdBrowse, &QPushButton::clicked, this, &FrmEnviar::cmdBrowse_Click);
    connect(CmdAbrir, &QPushButton::clicked, this, [this] { Informa(QStringLiteral("CmdAbrir_Click"), [this] { CmdAbrir_Click(); }); });
    connect(CmdConsultar, &QPushButton::clicked, this,
            [this] { Informa(QStringLiteral("CmdConsultar_Click"), [this] { CmdConsultar_Click(); }); });
}

QLineEdit* FrmEnviar::Campo(const QString& dataField) const
{
    return TxtFields[size_t(ObjManejoCampos().IndiceCampo(dataField, TxtFields))];
}

void FrmEnviar::Carga()
{
    if (cargada_)
        return;
    cargada_ = true;
    Form_Load();
}

void FrmEnviar::Form_Load()
{
    cuenta_ = LeeConfiguracionEmail();
    ObjUtilidades().PreparaVentana(*this, 0);
    ListaMails_.assign(1, QString());
    if (MostrarAntes)
        MuestraWebBrowser1(ArchivoWeb);
    QLineEdit* mensaje = Campo(QStringLiteral("Mensaje"));
    if (EnvioManual) {
        if (WebBrowser1)
            WebBrowser1->hide();
        mensaje->show();
    } else {
        mensaje->hide();
    }
    // Hidden, the field only holds the page's text; a line edit lays out
    // all it displays at every change, tens of milliseconds for a page.
    mensaje->setEchoMode(EnvioManual ? QLineEdit::Normal : QLineEdit::NoEcho);
    for (QWidget* control : {static_cast<QWidget*>(LblComen), static_cast<QWidget*>(TxtComen),
                             static_cast<QWidget*>(OptArriba), static_cast<QWidget*>(OptAbajo)})
        control->setVisible(!EnvioManual);
}

void FrmEnviar::NavegaWebBrowser1(const QString& ruta)
{
    paginaMostrada_ = ruta;
    // The message still goes without the browser: a pane that cannot be
    // made only leaves the page unseen.
    GuardaErrores g(politicas::reanudaTodo());
    g.paso([&] {
        if (!WebBrowser1) {
            WebBrowser1 = CreaVistaPagina(this);
            WebBrowser1->setGeometry(Px(10), Px(ArribaMensaje), Px(width() * 15 - 260), Px(AltoMensaje));
        }
        WebBrowser1->Navega(QUrl::fromLocalFile(ruta));
    });
}

void FrmEnviar::MuestraWebBrowser1(const QString& ruta)
{
    NavegaWebBrowser1(ruta);
    if (WebBrowser1)
        WebBrowser1->show();
}

QString FrmEnviar::PaginaMostrada() const
{
    return paginaMostrada_;
}

bool FrmEnviar::Form_KeyDown(int16_t codigoTecla, Qt::KeyboardModifiers)
{
    if (codigoTecla != 113)
        return false;
    cmdSend_Click();
    return true;
}

void FrmEnviar::showEvent(QShowEvent* evento)
{
    Carga();
    QWidget::showEvent(evento);
}

void FrmEnviar::keyPressEvent(QKeyEvent* evento)
{
    // Escape is "[ESC] Salir", the window's cancel button.
    if (evento->key() == Qt::Key_Escape)
        cmdExit_Click();
    else if (!Form_KeyDown(ManejoCampos::CodigoTecla(evento->key()), evento->modifiers()))
        QWidget::keyPressEvent(evento);
}

void FrmEnviar::closeEvent(QCloseEvent* evento)
{
    Form_Unload();
    QWidget::closeEvent(evento);
    emit descargada();
}

void FrmEnviar::MuestraModal()
{
    setWindowModality(Qt::ApplicationModal);
    QEventLoop espera;
    connect(this, &FrmEnviar::descargada, &espera, &QEventLoop::quit);
    show();
    if (isVisible())
        espera.exec();
}

void FrmEnviar::cmdExit_Click()
{
    EnvioManual = false;
    Descarga();
}

void FrmEnviar::Form_Unload()
{
    EnvioManual = false;
}

void FrmEnviar::Descarga()
{
    Form_Unload();
    hide();
    emit descargada();
}
