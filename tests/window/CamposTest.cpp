#include "scanning/CamposDatos.h"
#include "services/Modulo.h"
#include "support/DialogosGuionados.h"
#include "window/FrmEscaneo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>

namespace {

void Tecla(QWidget* destino, int tecla, const QString& texto = QString())
{
    QKeyEvent pulsada(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QApplication::sendEvent(destino, &pulsada);
}

void Foco(QWidget* destino, QEvent::Type tipo)
{
    QFocusEvent evento(tipo, Qt::TabFocusReason);
    QApplication::sendEvent(destino, &evento);
}

// Records the Escape keys that reach the window.
class EscapeEnVentana : public QObject {
public:
    int vistas = 0;
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape)
            ++vistas;
        return false;
    }
};

}

TEST(FieldFormat, BranchAndNumberAreZeroFilled)
{
    EXPECT_EQ(TextoValidado(QStringLiteral("Sucursal"), QStringLiteral("12")), QStringLiteral("0012"));
    EXPECT_EQ(TextoValidado(QStringLiteral("SUCURSAL"), QStringLiteral(" 7 ")), QStringLiteral("0007"));
    EXPECT_EQ(TextoValidado(QStringLiteral("numero"), QStringLiteral("345")), QStringLiteral("00000345"));
    EXPECT_EQ(TextoValidado(QStringLiteral("Numero"), QStringLiteral("123456789")), QStringLiteral("123456789"));
    EXPECT_EQ(TextoValidado(QStringLiteral("Numero"), QStringLiteral("12.6")), QStringLiteral("00000013"));
    EXPECT_EQ(TextoValidado(QStringLiteral("Sucursal"), QStringLiteral("-5")), QStringLiteral("-0005"));
    EXPECT_EQ(TextoValidado(QStringLiteral("Sucursal"), QStringLiteral(" AB ")), QStringLiteral("AB"));
    EXPECT_FALSE(TextoValidado(QStringLiteral("Cuenta"), QStringLiteral(" 12 ")));
    EXPECT_FALSE(TextoValidado(QStringLiteral("ResCpte"), QStringLiteral("12")));
}

class WindowFields : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReiniciaModulo();
        ventana.show();
        ventana.activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override { ReiniciaModulo(); }

    ConDialogosGuionados dialogos;
    FrmEscaneo ventana;
};

TEST_F(WindowFields, EachMemberIsFoundByItsDataField)
{
    const char* nombres[] = {"TC", "Cuenta", "Sucursal", "Numero", "Letra", "ResCuenta", "ResTC", "ImagenFac", "ResCpte"};
    ASSERT_EQ(ventana.TxtFields.size(), std::size(nombres));
    for (size_t i = 0; i < std::size(nombres); ++i)
        EXPECT_EQ(ventana.Campo(QString::fromLatin1(nombres[i]).toLower()), ventana.TxtFields[i]) << nombres[i];
}

TEST_F(WindowFields, TheAdvanceKeyFormatsAndMovesToTheNextField)
{
    ventana.SSTab1->setCurrentIndex(1);
    QLineEdit* sucursal = ventana.Campo(QStringLiteral("Sucursal"));
    sucursal->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), sucursal);
    sucursal->setText(QStringLiteral("12"));
    Tecla(sucursal, Qt::Key_Return);
    EXPECT_EQ(sucursal->text(), QStringLiteral("0012"));
    QLineEdit* numero = ventana.Campo(QStringLiteral("Numero"));
    EXPECT_EQ(QApplication::focusWidget(), numero);
    numero->setText(QStringLiteral("345"));
    Tecla(numero, Qt::Key_Enter);
    EXPECT_EQ(numero->text(), QStringLiteral("00000345"));
    QLineEdit* letra = ventana.Campo(QStringLiteral("Letra"));
    EXPECT_EQ(QApplication::focusWidget(), letra);
    // The account stands right of the letter, though it was made before.
    Tecla(letra, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), ventana.Campo(QStringLiteral("Cuenta")));
}

TEST_F(WindowFields, TheAccountStaysAsTyped)
{
    QLineEdit* cuenta = ventana.Campo(QStringLiteral("Cuenta"));
    cuenta->setText(QStringLiteral(" 12 "));
    ventana.CampoValida(cuenta);
    EXPECT_EQ(cuenta->text(), QStringLiteral(" 12 "));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(WindowFields, OnEntryTheTextUpToItsTrailingBlanksIsSelected)
{
    QLineEdit* tc = ventana.Campo(QStringLiteral("TC"));
    tc->setText(QStringLiteral(" ABC  "));
    Foco(tc, QEvent::FocusIn);
    EXPECT_EQ(tc->selectionStart(), 0);
    EXPECT_EQ(tc->selectedText(), QStringLiteral(" AB"));
}

TEST_F(WindowFields, FocusAndNoFocusColours)
{
    Modulo().ColorFondoFoco = 0x00FFFF;  // yellow, stored blue-green-red
    Modulo().ColorLetraFoco = 0x0000FF;  // red
    QLineEdit* letra = ventana.Campo(QStringLiteral("Letra"));
    Foco(letra, QEvent::FocusIn);
    EXPECT_EQ(letra->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(letra->palette().color(QPalette::Text), QColor(255, 0, 0));
    Foco(letra, QEvent::FocusOut);
    EXPECT_EQ(letra->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(letra->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(WindowFields, TheKeyFilterUpperCases)
{
    QLineEdit* tc = ventana.Campo(QStringLiteral("TC"));
    tc->setFocus();
    Tecla(tc, Qt::Key_F, QStringLiteral("f"));
    Tecla(tc, Qt::Key_C, QStringLiteral("C"));
    Tecla(tc, Qt::Key_1, QStringLiteral("1"));
    EXPECT_EQ(tc->text(), QStringLiteral("FC1"));

    QLineEdit* imagen = ventana.Campo(QStringLiteral("ImagenFac"));
    imagen->setFocus();
    Tecla(imagen, Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(imagen->text(), QStringLiteral("a"));
}

TEST_F(WindowFields, EscapeReachesTheWindowUnfiltered)
{
    EscapeEnVentana espia;
    ventana.installEventFilter(&espia);
    QLineEdit* cuenta = ventana.Campo(QStringLiteral("Cuenta"));
    cuenta->setText(QStringLiteral("abc"));
    Tecla(cuenta, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(espia.vistas, 1);
    EXPECT_EQ(cuenta->text(), QStringLiteral("abc"));
    ventana.removeEventFilter(&espia);
}
