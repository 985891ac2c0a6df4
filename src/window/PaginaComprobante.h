#pragma once

#include <QWebEnginePage>

// The page of the voucher pane. Its voucher links name no page the program
// writes, so a click on them goes nowhere; the program's own loads do.
class PaginaComprobante : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;
    static bool Acepta(NavigationType tipo);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType tipo, bool principal) override;
};
