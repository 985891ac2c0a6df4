#include "window/SubeBaja.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>

TEST(SubeBaja, PasoAPasoDentroDelRangoDelCampo)
{
    QWidget ventana;
    auto* campo = new QLineEdit(QStringLiteral("95"), &ventana);
    SubeBaja botones(campo, 1, 99, 3, &ventana);
    botones.Sube();
    EXPECT_EQ(campo->text(), QStringLiteral("98"));
    botones.Sube();
    EXPECT_EQ(campo->text(), QStringLiteral("99"));
    campo->setText(QStringLiteral("2"));
    botones.Baja();
    EXPECT_EQ(campo->text(), QStringLiteral("1"));
    // Without a number the field starts again from the bottom of the range.
    campo->setText(QStringLiteral("abc"));
    botones.Sube();
    EXPECT_EQ(campo->text(), QStringLiteral("4"));
    campo->setText(QStringLiteral("1e300"));
    botones.Baja();
    EXPECT_EQ(campo->text(), QStringLiteral("96"));
}
