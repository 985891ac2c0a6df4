#pragma once

#include <QByteArray>
#include <QWidget>

#include <functional>

class QEventLoop;
class QPushButton;
class VistaPdf;

// The modal preview of a report: its PDF pages, with Print (the report's
// printer), Save (a PDF where the operator chooses) and Close.
class VistaPreviaInforme : public QWidget {
    Q_OBJECT
public:
    VistaPreviaInforme(const QString& titulo, QByteArray pdf, std::function<void()> imprime,
                       QWidget* padre = nullptr);

    // Shows the window modally and returns when it is closed.
    void Muestra();

    int Paginas() const;
    QPushButton* CmdImprimir = nullptr;
    QPushButton* CmdGuardar = nullptr;
    QPushButton* CmdCerrar = nullptr;

    void CmdImprimir_Click();
    void CmdGuardar_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    QByteArray pdf_;
    VistaPdf* vista_;
    std::function<void()> imprime_;
    QEventLoop* espera_ = nullptr;
};
