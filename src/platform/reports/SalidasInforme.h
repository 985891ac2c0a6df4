#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtPlugin>

#include <functional>

class QPagedPaintDevice;

// What a report's outputs need of Qt's printing, Qt PDF and the spreadsheet
// library lives in a plugin beside the program, loaded by the first print,
// preview or spreadsheet: a start that prints nothing never maps them.

// The pages of a PDF, one under another, fitted to the width.
class VistaPdf : public QWidget {
public:
    using QWidget::QWidget;
    virtual int Paginas() const = 0;
};

// One row of a spreadsheet, from its first column.
struct FilaHoja {
    QStringList textos;
    bool negrita = false;
};

enum class ResultadoHoja { Escrita, NoCreada, NoEscrita };

// The one object the plugin exports.
class SalidasInforme {
public:
    virtual ~SalidasInforme() = default;

    // The CUPS default queue (empty when there is none) and every queue.
    virtual QString ColaPredeterminada() = 0;
    virtual QStringList Colas() = 0;
    // Prints on the queue, titled, the A4 sheets `pinta` draws edge to edge;
    // false, with nothing printed, when the queue cannot take the job.
    virtual bool Imprime(const QString& cola, const QString& titulo,
                         const std::function<void(QPagedPaintDevice&)>& pinta) = 0;
    virtual VistaPdf* CreaVistaPdf(const QByteArray& pdf, QWidget* padre) = 0;
    // One sheet named "Informe" at the path, the flagged rows in bold.
    virtual ResultadoHoja EscribeHoja(const QString& ruta, const QList<FilaHoja>& filas) = 0;
};

#define SalidasInforme_iid "escaneo.SalidasInforme/1"
Q_DECLARE_INTERFACE(SalidasInforme, SalidasInforme_iid)

// The plugin, loaded on first use. Raises Err 429 when it cannot be loaded.
SalidasInforme& Salidas();
