#pragma once

#include "platform/objects/ManejoCampos.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

// The date-range control: a named period or two typed dates, read by the
// host from Fh_Desde and Fh_Hasta as text. It touches no database and no
// file.
class FhOcx : public QWidget {
    Q_OBJECT
public:
    explicit FhOcx(QWidget* parent = nullptr);

    QString Fh_Desde() const { return fhDesde_; }
    void setFh_Desde(const QString& fecha) { fhDesde_ = fecha; }
    QString Fh_Hasta() const { return fhHasta_; }
    void setFh_Hasta(const QString& fecha) { fhHasta_ = fecha; }
    QString PeriodoSeleccionado() const { return periodo_; }
    void setPeriodoSeleccionado(const QString& periodo) { periodo_ = periodo; }

    // Shows a period and dates without recomputing the range or changing
    // the properties; an empty period or a text that is no date is skipped.
    void CargarPeriodo(const QString& Periodo, const QString& FechaD, const QString& FechaH);
    // 0 stands for the button-face colour, which the caller then receives.
    // Colours are blue-green-red; the high bit marks a system colour.
    void DefineColorFondo(long& Color);
    QString fDiaSem(const QVariant& Fecha) const;
    int16_t fUltimoDiaDelMes(const QString& Mes, const QString& Anio) const;

    // Where the periods take today from: the workstation's date, unless a
    // test fixes the day.
    void setHoy(std::function<QDate()> hoy) { hoy_ = std::move(hoy); }

    void UserControl_Initialize();
    void CmbComboFH_Click();
    void txtFechas_GotFocus(int Index);
    // True when the key was used up (Enter always is).
    bool txtFechas_KeyDown(int Index, int16_t KeyCode, Qt::KeyboardModifiers Shift);
    void txtFechas_KeyPress(int Index, int16_t& KeyAscii);
    void txtFechas_LostFocus(int Index);

    QComboBox* CmbComboFH;
    // The start date ("FECHA_DESDE") and the end date ("FECHA_HASTA").
    std::vector<QLineEdit*> txtFechas;
    QLabel* Label2;
    QWidget* PicFondo;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void GuardaFechas();
    // Shows a text in the combo without running its click handler.
    void MuestraPeriodo(const QString& periodo);
    void Avisa(const QString& mensaje);

    QString fhDesde_, fhHasta_, periodo_;
    std::function<QDate()> hoy_ = [] { return QDate::currentDate(); };
    ManejoCampos campos_;
};
