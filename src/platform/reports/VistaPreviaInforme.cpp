#include "platform/reports/VistaPreviaInforme.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/dialogs/Dialogos.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QPdfDocument>
#include <QPdfView>
#include <QPushButton>
#include <QVBoxLayout>

VistaPreviaInforme::VistaPreviaInforme(const QString& titulo, QByteArray pdf, std::function<void()> imprime,
                                       QWidget* padre)
    : QWidget(padre, Qt::Window), pdf_(std::move(pdf)), lectura_(&pdf_), documento_(new QPdfDocument(this)),
      vista_(new QPdfView(this)), imprime_(std::move(imprime))
{
    setWindowTitle(titulo);
    setWindowModality(Qt::ApplicationModal);
    resize(800, 900);
    lectura_.open(QIODevice::ReadOnly);
    documento_->load(&lectura_);
    vista_->setDocument(documento_);
    vista_->setPageMode(QPdfView::PageMode::MultiPage);
    vista_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    CmdImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    CmdGuardar = new QPushButton(QStringLiteral("Guardar"), this);
    CmdCerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(CmdImprimir);
    botones->addWidget(CmdGuardar);
    botones->addWidget(CmdCerrar);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(vista_);
    todo->addLayout(botones);
    connect(CmdImprimir, &QPushButton::clicked, this, &VistaPreviaInforme::CmdImprimir_Click);
    connect(CmdGuardar, &QPushButton::clicked, this, &VistaPreviaInforme::CmdGuardar_Click);
    connect(CmdCerrar, &QPushButton::clicked, this, &QWidget::close);
}

VistaPreviaInforme::~VistaPreviaInforme()
{
    // The view renders from the document on a thread of its own, and the
    // document reads the buffer: both go before the buffer does.
    delete vista_;
    delete documento_;
}

void VistaPreviaInforme::Muestra()
{
    QEventLoop espera;
    espera_ = &espera;
    show();
    espera.exec();
    espera_ = nullptr;
}

void VistaPreviaInforme::closeEvent(QCloseEvent* evento)
{
    QWidget::closeEvent(evento);
    if (espera_)
        espera_->quit();
}

void VistaPreviaInforme::CmdImprimir_Click()
{
    try {
        imprime_();
    } catch (const Err& e) {
        dialogos().MsgBox(e.Description, Botones::IconoCritico, windowTitle());
    }
}

void VistaPreviaInforme::CmdGuardar_Click()
{
    const QString ruta = dialogos().GuardarArchivo(QStringLiteral("Guardar informe"), QStringLiteral("PDF (*.pdf)"));
    if (ruta.isEmpty())
        return;
    try {
        EscribeArchivoCompleto(ruta, pdf_);
    } catch (const Err& e) {
        dialogos().MsgBox(e.Description, Botones::IconoCritico, windowTitle());
    }
}
