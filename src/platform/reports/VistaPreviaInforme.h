#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QDialog>

#include <functional>

class QPdfDocument;
class QPdfView;
class QPushButton;

// The modal preview of a report: its PDF pages, with Print (the report's
// printer) and Save (a PDF where the operator chooses).
class VistaPreviaInforme : public QDialog {
    Q_OBJECT
public:
    VistaPreviaInforme(const QString& titulo, QByteArray pdf, std::function<void()> imprime,
                       QWidget* padre = nullptr);

    QPdfDocument* Documento() const { return documento_; }
    QPushButton* CmdImprimir = nullptr;
    QPushButton* CmdGuardar = nullptr;
    QPushButton* CmdCerrar = nullptr;

    void CmdImprimir_Click();
    void CmdGuardar_Click();

private:
    QByteArray pdf_;
    QBuffer lectura_;
    QPdfDocument* documento_;
    QPdfView* vista_;
    std::function<void()> imprime_;
};
