#pragma once

#include "platform/browser/VistaPagina.h"

#include <QObject>

class QWebEngineView;

// The browser plugin: pages shown by Qt WebEngine with JavaScript off,
// Windows-1252 as the default encoding, and links that lead nowhere.
class FabricaVistaWeb : public QObject, public FabricaVistaPagina {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FabricaVistaPagina_iid)
    Q_INTERFACES(FabricaVistaPagina)
public:
    FabricaVistaWeb();

    VistaPagina* CreaVista(QWidget* padre) override;
};

class VistaWeb : public VistaPagina {
public:
    explicit VistaWeb(QWidget* padre);

    void Navega(const QUrl& direccion) override;
    QUrl Direccion() const override;

private:
    QWebEngineView* vista_;
    QUrl direccion_;
};
