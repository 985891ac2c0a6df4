#include "platform/reports/VistaPreviaInforme.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/reports/SalidasInforme.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

VistaPreviaInforme::VistaPreviaInforme(const QString& titulo, QByteArray pdf, std::function<void()> imprime,
                                       QWidget* padre)
    : QWidget(padre, Qt::Window), pdf_(std::move(pdf)), vista_(Salidas().CreaVistaPdf(pdf_, this)),
      imprime_(std::move(imprime))
{
    setWindowTitle(titulo);
    setWindowModality(Qt::ApplicationModal);
    resize(800, 900);
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

int VistaPreviaInforme::Paginas() const
{
    return vista_->Paginas();
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
