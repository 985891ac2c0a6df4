#include "window/FrmEscaneo.h"

#include "platform/base/GuardaErrores.h"
#include "platform/browser/CreaVistaPagina.h"
#include "platform/browser/VistaPagina.h"
#include "platform/dialogs/Twips.h"

#include <QTabWidget>
#include <QtGlobal>

// The browser pane: made the first time a page is shown, so that a start
// that shows none never loads the browser.

VistaPagina& FrmEscaneo::Explorador()
{
    if (wbExplorer)
        return *wbExplorer;
    try {
        wbExplorer = CreaVistaPagina(SSTab1->widget(1));
    } catch (const Err& e) {
        // The click that needed it tells the operator; the terminal says why.
        qWarning("escaneo: %s", qUtf8Printable(e.Description));
        throw;
    }
    Ubica(wbExplorer, 6540, 60, 10200, 7800);
    Form_Resize();
    wbExplorer->show();
    return *wbExplorer;
}

void FrmEscaneo::NavegaArchivo(const QString& Ruta)
{
    GuardaErrores guarda(politicas::reanudaTodo());
    // A page that could not be written is no page: the pane goes blank.
    guarda.paso([&] {
        Explorador().Navega(Ruta.isEmpty() ? QUrl(QStringLiteral("about:blank")) : QUrl::fromLocalFile(Ruta));
    });
}
