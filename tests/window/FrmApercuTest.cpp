#include "window/FrmApercu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

TEST(FrmApercu, ShowsTheClipboardPictureStretchedAndItsButtonEndsTheProgram)
{
    QImage captura(40, 30, QImage::Format_RGB32);
    captura.fill(Qt::blue);
    QGuiApplication::clipboard()->setImage(captura);

    FrmApercu ventana;
    ventana.show();
    EXPECT_EQ(ventana.windowTitle(), "Form2");
    EXPECT_EQ(ventana.cmdQuit->text(), "Command1");
    EXPECT_TRUE(ventana.I->hasScaledContents());
    EXPECT_EQ(ventana.I->pixmap().size(), captura.size());
    EXPECT_NE(ventana.I->size(), captura.size());

    // The program's loop ends, not only the preview.
    QTimer::singleShot(0, ventana.cmdQuit, &QPushButton::click);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(ventana.isVisible());
}

TEST(FrmApercu, AnEmptyClipboardLeavesTheImageEmpty)
{
    QGuiApplication::clipboard()->clear();
    FrmApercu ventana;
    ventana.show();
    EXPECT_TRUE(ventana.I->pixmap().isNull());
}

}
