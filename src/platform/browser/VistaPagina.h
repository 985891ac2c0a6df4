#pragma once

#include <QUrl>
#include <QWidget>
#include <QtPlugin>

// The window's browser pane. Its engine is a plugin beside the program,
// loaded the first time a page is shown, so a start that shows no page never
// pays for it.
class VistaPagina : public QWidget {
public:
    using QWidget::QWidget;

    // Starts loading the address; nothing waits for the page.
    virtual void Navega(const QUrl& direccion) = 0;
    // The address shown, or being loaded.
    virtual QUrl Direccion() const = 0;
};

// The one object the plugin exports.
class FabricaVistaPagina {
public:
    virtual ~FabricaVistaPagina() = default;
    virtual VistaPagina* CreaVista(QWidget* padre) = 0;
};

#define FabricaVistaPagina_iid "escaneo.FabricaVistaPagina/1"
Q_DECLARE_INTERFACE(FabricaVistaPagina, FabricaVistaPagina_iid)
