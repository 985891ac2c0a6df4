#pragma once

#include "platform/reports/SalidasInforme.h"

#include <QObject>

// A report's outputs on Qt PrintSupport (CUPS), Qt PDF and libxlsxwriter.
class SalidasQt : public QObject, public SalidasInforme {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SalidasInforme_iid)
    Q_INTERFACES(SalidasInforme)
public:
    QString ColaPredeterminada() override;
    QStringList Colas() override;
    bool Imprime(const QString& cola, const QString& titulo,
                 const std::function<void(QPagedPaintDevice&)>& pinta) override;
    VistaPdf* CreaVistaPdf(const QByteArray& pdf, QWidget* padre) override;
    ResultadoHoja EscribeHoja(const QString& ruta, const QList<FilaHoja>& filas) override;
};
