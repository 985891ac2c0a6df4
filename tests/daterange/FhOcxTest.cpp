#include "daterange/FhOcx.h"

#include "platform/dialogs/Dialogos.h"
#include "support/DialogosGuionados.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

void Tecla(QWidget* destino, int tecla, const QString& texto = QString())
{
    QKeyEvent pulsada(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QApplication::sendEvent(destino, &pulsada);
}

// The control on a host window, with a field after it for the advance key,
// on Thursday 9 July 2015.
class ControlDeFechas : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* columna = new QVBoxLayout(&ventana);
        control = new FhOcx(&ventana);
        despues = new QLineEdit(&ventana);
        columna->addWidget(control);
        columna->addWidget(despues);
        control->setHoy([] { return QDate(2015, 7, 9); });
        ventana.show();
        ventana.activateWindow();
        QApplication::processEvents();
    }

    void elige(const QString& periodo)
    {
        const int indice = control->CmbComboFH->findText(periodo);
        ASSERT_GE(indice, 0) << periodo.toStdString();
        control->CmbComboFH->setCurrentIndex(indice);
        emit control->CmbComboFH->activated(indice);
    }

    QLineEdit* caja(int i) { return control->txtFechas.at(size_t(i)); }

    // Types both dates and presses Enter in one box, with the focus there;
    // the start property reads "antes" until something stores the boxes.
    void enter(int enCaja, const char* desde, const char* hasta)
    {
        caja(0)->setText(QLatin1String(desde));
        caja(1)->setText(QLatin1String(hasta));
        caja(enCaja)->setFocus(Qt::TabFocusReason);
        control->setFh_Desde(QStringLiteral("antes"));
        Tecla(caja(enCaja), Qt::Key_Return);
    }

    ConDialogosGuionados dialogos;
    QWidget ventana;
    FhOcx* control = nullptr;
    QLineEdit* despues = nullptr;
};

}

TEST_F(ControlDeFechas, StartsOnFechaWithNoDates)
{
    ASSERT_EQ(control->CmbComboFH->count(), 9);
    EXPECT_EQ(control->CmbComboFH->itemText(0), QStringLiteral("Fecha"));
    EXPECT_EQ(control->CmbComboFH->itemText(8), QStringLiteral("Todo"));
    EXPECT_EQ(control->CmbComboFH->currentText(), QStringLiteral("Fecha"));
    EXPECT_EQ(control->Fh_Desde(), QString());
    EXPECT_EQ(control->Fh_Hasta(), QString());
    EXPECT_EQ(control->PeriodoSeleccionado(), QString());
    EXPECT_EQ(caja(0)->text(), QString());
    EXPECT_EQ(caja(0)->property("DataField").toString(), QStringLiteral("FECHA_DESDE"));
    EXPECT_EQ(caja(1)->property("DataField").toString(), QStringLiteral("FECHA_HASTA"));
    EXPECT_EQ(control->Label2->text(), QStringLiteral("Hasta"));
}

TEST_F(ControlDeFechas, APeriodClickFillsBothBoxesAndTheProperties)
{
    const struct {
        const char* periodo;
        const char* desde;
        const char* hasta;
    } casos[] = {{"Semana Actual", "05/07/2015", "11/07/2015"}, {"Mes Pasado", "01/06/2015", "30/06/2015"},
                 {"Año pasado", "01/01/2014", "31/12/2014"},    {"Fecha", "09/07/2015", "09/07/2015"},
                 {"Todo", "01/01/1980", "01/01/2200"}};
    for (const auto& c : casos) {
        elige(QString::fromUtf8(c.periodo));
        EXPECT_EQ(caja(0)->text(), QLatin1String(c.desde)) << c.periodo;
        EXPECT_EQ(caja(1)->text(), QLatin1String(c.hasta)) << c.periodo;
        EXPECT_EQ(control->Fh_Desde(), QLatin1String(c.desde)) << c.periodo;
        EXPECT_EQ(control->Fh_Hasta(), QLatin1String(c.hasta)) << c.periodo;
        EXPECT_EQ(control->PeriodoSeleccionado(), QString::fromUtf8(c.periodo));
    }
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ControlDeFechas, EnterChecksTheBoxAndOnlyAGoodDateMovesOn)
{
    const struct {
        int caja;
        const char* desde;
        const char* hasta;
        const char* mensaje;  // empty: accepted
    } casos[] = {
        {0, "  ", "", "Debe ingresar una fecha!!!"},
        {0, "31/02/2015", "", "Debe ingresar un formato de fecha válido!!!"},
        {1, "10/07/2015", "hoy", "Debe ingresar un formato de fecha válido!!!"},
        {1, "10/07/2015", "09/07/2015", "La fecha hasta no puede ser menor a la fecha desde"},
        // The end is compared only with a start that is a date.
        {1, "10/13/2015", "09/07/2015", "Debe ingresar un formato de fecha válido!!!"},
        {1, "", "09/07/2015", ""},
        {1, "09/07/2015", "09/07/2015", ""},
        {0, "1/7/15", "", ""},
    };
    for (const auto& c : casos) {
        dialogos->avisos.clear();
        enter(c.caja, c.desde, c.hasta);
        const QString mensaje = QString::fromUtf8(c.mensaje);
        if (mensaje.isEmpty()) {
            EXPECT_TRUE(dialogos->avisos.empty()) << c.desde << " " << c.hasta;
            EXPECT_EQ(control->Fh_Desde(), QLatin1String(c.desde));
            EXPECT_EQ(control->Fh_Hasta(), QLatin1String(c.hasta));
            EXPECT_EQ(QApplication::focusWidget(), c.caja == 0 ? caja(1) : despues);
            continue;
        }
        ASSERT_EQ(dialogos->avisos.size(), 1u) << c.desde << " " << c.hasta;
        EXPECT_EQ(dialogos->avisos[0].mensaje, mensaje);
        EXPECT_EQ(dialogos->avisos[0].botones, Botones::IconoCritico + Botones::SoloAceptar);
        EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Aviso al Operador"));
        // The focus stays for mending, and the properties wait for a good
        // date; a start that needs mending takes the focus, and the end box
        // stores as it loses it.
        const bool desdeMalo = c.caja == 1 && QLatin1String(c.desde) == QLatin1String("10/13/2015");
        EXPECT_EQ(QApplication::focusWidget(), desdeMalo ? caja(0) : caja(c.caja));
        EXPECT_EQ(control->Fh_Desde(), desdeMalo ? QLatin1String(c.desde) : QLatin1String("antes"));
    }
}

TEST_F(ControlDeFechas, TypingAloneChangesNothingLeavingTheBoxStoresAsItStands)
{
    elige(QStringLiteral("Mes Actual"));
    caja(0)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(caja(0)->selectedText(), QStringLiteral("01/07/2015"));
    caja(0)->selectAll();
    Tecla(caja(0), Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(caja(0)->text(), QStringLiteral("x"));
    EXPECT_EQ(control->Fh_Desde(), QStringLiteral("01/07/2015"));
    EXPECT_EQ(control->CmbComboFH->currentText(), QStringLiteral("Mes Actual"));
    despues->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control->Fh_Desde(), QStringLiteral("x"));
    EXPECT_EQ(control->Fh_Hasta(), QStringLiteral("31/07/2015"));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ControlDeFechas, CargarPeriodoShowsWithoutRecomputing)
{
    control->CargarPeriodo(QStringLiteral("semana pasada"), QStringLiteral("02/03/2025"), QStringLiteral("31/02/2025"));
    EXPECT_EQ(control->CmbComboFH->currentText(), QStringLiteral("Semana Pasada"));
    EXPECT_EQ(caja(0)->text(), QStringLiteral("02/03/2025"));
    EXPECT_EQ(caja(1)->text(), QString());
    EXPECT_EQ(control->Fh_Desde(), QString());
    EXPECT_EQ(control->PeriodoSeleccionado(), QString());
    control->CargarPeriodo(QString(), QString(), QStringLiteral("05/03/2025"));
    EXPECT_EQ(control->CmbComboFH->currentText(), QStringLiteral("Semana Pasada"));
    EXPECT_EQ(caja(0)->text(), QStringLiteral("02/03/2025"));
    EXPECT_EQ(caja(1)->text(), QStringLiteral("05/03/2025"));
}

TEST_F(ControlDeFechas, BackgroundColourZeroIsTheButtonFace)
{
    long color = 0;
    control->DefineColorFondo(color);
    EXPECT_EQ(color, 0x8000000FL);
    EXPECT_EQ(control->PicFondo->palette().color(QPalette::Window), control->palette().color(QPalette::Button));
    color = 0x0000FF;  // red, stored blue-green-red
    control->DefineColorFondo(color);
    EXPECT_EQ(color, 0x0000FF);
    EXPECT_EQ(control->PicFondo->palette().color(QPalette::Window), QColor(255, 0, 0));
}
