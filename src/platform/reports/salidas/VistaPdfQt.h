#pragma once

#include "platform/reports/SalidasInforme.h"

#include <QBuffer>

class QPdfDocument;
class QPdfView;

class VistaPdfQt : public VistaPdf {
public:
    VistaPdfQt(QByteArray pdf, QWidget* padre);
    ~VistaPdfQt() override;

    int Paginas() const override;

private:
    QByteArray pdf_;
    QBuffer lectura_;
    QPdfDocument* documento_;
    QPdfView* vista_;
};
