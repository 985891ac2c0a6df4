#include "window/PaginaComprobante.h"

bool PaginaComprobante::Acepta(NavigationType tipo)
{
    return tipo != NavigationTypeLinkClicked;
}

bool PaginaComprobante::acceptNavigationRequest(const QUrl&, NavigationType tipo, bool)
{
    return Acepta(tipo);
}
