#include "platform/objects/ManejoCampos.h"

#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Text boxes bound to data fields in one window, as the main window's array.
struct Ventana {
    QWidget ventana;
    std::vector<QLineEdit*> campos;

    explicit Ventana(const QStringList& nombres)
    {
        auto* disposicion = new QVBoxLayout(&ventana);
        for (const QString& n : nombres) {
            campos.push_back(new QLineEdit(&ventana));
            campos.back()->setProperty("DataField", n);
            disposicion->addWidget(campos.back());
        }
    }
};

}

TEST(ManejoCampos, FindsMembersByDataFieldIgnoringCase)
{
    Ventana v({"TC", "Cuenta", "Sucursal"});
    const ManejoCampos m;
    EXPECT_EQ(m.IndiceCampo("SUCURSAL", v.campos), 2);
    EXPECT_EQ(numeroDeError([&] { m.IndiceCampo("ResCpte", v.campos); }), NumeroError::SubindiceFueraDeRango);
    std::vector<QLineEdit*> conHueco{nullptr, v.campos[1]};
    EXPECT_EQ(m.IndiceCampo("cuenta", conHueco), 1);
}

TEST(ManejoCampos, OnlyEnterAdvances)
{
    const ManejoCampos m;
    EXPECT_TRUE(m.EsTeclaAvance(ManejoCampos::CodigoTecla(Qt::Key_Return)));
    EXPECT_TRUE(m.EsTeclaAvance(ManejoCampos::CodigoTecla(Qt::Key_Enter)));
    EXPECT_FALSE(m.EsTeclaAvance(ManejoCampos::CodigoTecla(Qt::Key_Tab)));
    EXPECT_EQ(ManejoCampos::CodigoTecla(Qt::Key_Escape), 27);
    EXPECT_EQ(ManejoCampos::CodigoTecla(Qt::Key_A), 65);
    EXPECT_EQ(ManejoCampos::CodigoTecla(Qt::Key_F2), 113);
    EXPECT_EQ(ManejoCampos::CodigoTecla(Qt::Key_F12), 123);
    EXPECT_EQ(ManejoCampos::CodigoTecla(Qt::Key_Insert), 0);
}

TEST(ManejoCampos, AdvanceSkipsWhatCannotTakeTheFocusAndWrapsAround)
{
    Ventana v({"Sucursal", "Oculto", "Inactivo", "Numero"});
    v.campos[1]->hide();
    v.campos[2]->setEnabled(false);
    auto* boton = new QPushButton("Buscar", &v.ventana);
    boton->setFocusPolicy(Qt::NoFocus);
    v.ventana.layout()->addWidget(boton);
    v.ventana.show();
    v.ventana.activateWindow();
    for (int i = 0; i < 50 && QApplication::activeWindow() != &v.ventana; ++i)
        QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &v.ventana);

    const ManejoCampos m;
    v.campos[0]->setFocus();
    m.AvanzaCampo(QVariant::fromValue<int16_t>(13));
    EXPECT_EQ(QApplication::focusWidget(), v.campos[3]);
    m.AvanzaCampo(QVariant::fromValue<int16_t>(13));
    EXPECT_EQ(QApplication::focusWidget(), v.campos[0]);
}

TEST(ManejoCampos, FilterUpperCasesLettersOnly)
{
    QLineEdit campo;
    campo.setMaxLength(4);
    const auto filtra = [&](char16_t c) {
        int16_t codigo = int16_t(c);
        ManejoCampos().FiltraTecla(&campo, codigo);
        return char16_t(codigo);
    };
    EXPECT_EQ(filtra(u'a'), u'A');
    EXPECT_EQ(filtra(u'ñ'), u'Ñ');
    EXPECT_EQ(filtra(u'é'), u'É');
    for (char16_t igual : {u'A', u'7', u'ß', u'µ', char16_t(27)})
        EXPECT_EQ(filtra(igual), igual);

    // Free text of no fixed width, such as a path, keeps its case.
    QLineEdit libre;
    int16_t codigo = int16_t(u'a');
    ManejoCampos().FiltraTecla(&libre, codigo);
    EXPECT_EQ(codigo, int16_t(u'a'));
}
