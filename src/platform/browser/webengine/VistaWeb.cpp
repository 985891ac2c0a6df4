#include "platform/browser/webengine/VistaWeb.h"

#include "platform/browser/webengine/MotorCallado.h"

#include <QMenu>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <algorithm>
#include <iterator>

namespace {

// The voucher links of a page are not meant to lead anywhere.
class PaginaSinEnlaces : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl&, NavigationType tipo, bool) override
    {
        return tipo != NavigationTypeLinkClicked;
    }
};

// Of the engine's menu only the copies work in this pane: saving, the source
// and new windows need downloads and windows it does not give, and going back
// or reloading would show a page the window no longer stands for. Named here,
// since Debian's Spanish catalogue of the engine (qtwebengine_es) predates
// the names its menu uses.
const struct {
    QWebEnginePage::WebAction accion;
    const char* nombre;
} Copias[] = {{QWebEnginePage::Copy, "Copiar"}, {QWebEnginePage::CopyImageToClipboard, "Copiar imagen"}};

// The engine's menu for what lies under the pointer, with the copies alone;
// where none applies, no menu.
void MuestraCopias(QWebEngineView& vista, const QPoint& punto)
{
    QMenu* menu = vista.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* accion : menu->actions()) {
        const auto copia = std::find_if(std::begin(Copias), std::end(Copias),
                                        [&](const auto& c) { return vista.pageAction(c.accion) == accion; });
        if (copia == std::end(Copias))
            menu->removeAction(accion);
        else
            accion->setText(QString::fromUtf8(copia->nombre));
    }
    if (menu->isEmpty())
        delete menu;
    else
        menu->popup(vista.mapToGlobal(punto));
}

}

FabricaVistaWeb::FabricaVistaWeb()
{
    CallaElMotor();
}

VistaPagina* FabricaVistaWeb::CreaVista(QWidget* padre)
{
    return new VistaWeb(padre);
}

VistaWeb::VistaWeb(QWidget* padre) : VistaPagina(padre), vista_(new QWebEngineView(this))
{
    auto* pagina = new PaginaSinEnlaces(vista_);
    pagina->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    pagina->settings()->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    vista_->setPage(pagina);
    vista_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vista_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& punto) { MuestraCopias(*vista_, punto); });
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->addWidget(vista_);
    // The view's own address changes only once a load has begun.
    connect(vista_, &QWebEngineView::urlChanged, this, [this](const QUrl& direccion) { direccion_ = direccion; });
}

void VistaWeb::Navega(const QUrl& direccion)
{
    direccion_ = direccion;
    vista_->load(direccion);
}

QUrl VistaWeb::Direccion() const
{
    return direccion_;
}
