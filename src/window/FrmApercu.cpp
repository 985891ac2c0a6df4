#include "window/FrmApercu.h"

#include "platform/dialogs/Twips.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmApercu::FrmApercu(QWidget* padre) : QWidget(padre)
{
    setWindowTitle(QStringLiteral("Form2"));
    resize(Px(6000), Px(4500));
    I = new QLabel(this);
    I->setMinimumSize(1, 1);
    cmdQuit = new QPushButton(QStringLiteral("Command1"), this);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(I, 1);
    columna->addWidget(cmdQuit, 0, Qt::AlignRight);
    connect(cmdQuit, &QPushButton::clicked, this, &FrmApercu::cmdQuit_Click);
}

void FrmApercu::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (!cargada_) {
        cargada_ = true;
        Form_Load();
    }
}

void FrmApercu::Form_Load()
{
    // With no picture on the clipboard the image stays empty.
    I->setPixmap(QPixmap::fromImage(QGuiApplication::clipboard()->image()));
    I->setScaledContents(true);
}

void FrmApercu::cmdQuit_Click()
{
    hide();
    QCoreApplication::quit();
}
