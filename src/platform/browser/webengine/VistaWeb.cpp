#include "platform/browser/webengine/VistaWeb.h"

#include "platform/browser/webengine/MotorCallado.h"

#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

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
