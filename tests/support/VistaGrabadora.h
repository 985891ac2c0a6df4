#pragma once

#include "platform/browser/CreaVistaPagina.h"
#include "platform/browser/VistaPagina.h"

#include <vector>

// Stands in for the browser where no page needs rendering: keeps the
// addresses it was sent.
class VistaGrabadora : public VistaPagina {
public:
    using VistaPagina::VistaPagina;

    void Navega(const QUrl& direccion) override { direcciones.push_back(direccion); }
    QUrl Direccion() const override { return direcciones.empty() ? QUrl() : direcciones.back(); }

    std::vector<QUrl> direcciones;
};

// Installs the stand-in as the window's page view for the life of a test,
// and counts the views made.
class ConVistaGrabadora {
public:
    ConVistaGrabadora()
        : anterior_(instalaCreadorVistaPagina([this](QWidget* padre) {
              ++creadas;
              return new VistaGrabadora(padre);
          }))
    {
    }
    ~ConVistaGrabadora() { instalaCreadorVistaPagina(std::move(anterior_)); }

    int creadas = 0;

private:
    CreadorVistaPagina anterior_;
};
