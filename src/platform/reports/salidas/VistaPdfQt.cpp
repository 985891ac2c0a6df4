#include "platform/reports/salidas/VistaPdfQt.h"

#include <QPdfDocument>
#include <QPdfView>
#include <QVBoxLayout>

VistaPdfQt::VistaPdfQt(QByteArray pdf, QWidget* padre)
    : VistaPdf(padre), pdf_(std::move(pdf)), lectura_(&pdf_), documento_(new QPdfDocument(this)),
      vista_(new QPdfView(this))
{
    lectura_.open(QIODevice::ReadOnly);
    documento_->load(&lectura_);
    vista_->setDocument(documento_);
    vista_->setPageMode(QPdfView::PageMode::MultiPage);
    vista_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addWidget(vista_);
}

VistaPdfQt::~VistaPdfQt()
{
    // The view renders from the document on a thread of its own, and the
    // document reads the buffer: both go before the buffer does.
    delete vista_;
    delete documento_;
}

int VistaPdfQt::Paginas() const
{
    return documento_->pageCount();
}
