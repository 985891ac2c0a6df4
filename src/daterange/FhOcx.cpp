#include "daterange/FhOcx.h"

#include "daterange/Periodos.h"
#include "platform/base/Conversiones.h"
#include "platform/base/FechaCorta.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/objects/EventosCampos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr int16_t TeclaEnter = 13;
constexpr long ColorBotones = 0x8000000FL;
constexpr long MarcaColorDelSistema = 0x80000000L;

QDate Fecha(const QLineEdit* caja)
{
    return FechaDelOperador(caja->text()).date();
}

}

FhOcx::FhOcx(QWidget* parent) : QWidget(parent)
{
    auto* marco = new QHBoxLayout(this);
    marco->setContentsMargins(0, 0, 0, 0);
    PicFondo = new QWidget(this);
    PicFondo->setAutoFillBackground(true);
    marco->addWidget(PicFondo);

    auto* fila = new QHBoxLayout(PicFondo);
    fila->setContentsMargins(2, 2, 2, 2);
    CmbComboFH = new QComboBox(PicFondo);
    fila->addWidget(CmbComboFH, 3);
    for (const char* campo : {"FECHA_DESDE", "FECHA_HASTA"}) {
        auto* caja = new QLineEdit(PicFondo);
        caja->setProperty("DataField", QString::fromLatin1(campo));
        caja->installEventFilter(this);
        txtFechas.push_back(caja);
    }
    Label2 = new QLabel(QStringLiteral("Hasta"), PicFondo);
    fila->addWidget(txtFechas[0], 2);
    fila->addWidget(Label2);
    fila->addWidget(txtFechas[1], 2);

    connect(CmbComboFH, &QComboBox::activated, this, &FhOcx::CmbComboFH_Click);
    UserControl_Initialize();
}

void FhOcx::UserControl_Initialize()
{
    {
        const QSignalBlocker bloqueo(CmbComboFH);
        CmbComboFH->clear();
        CmbComboFH->addItems(NombresDePeriodos());
    }
    MuestraPeriodo(QStringLiteral("Fecha"));
    for (QLineEdit* caja : txtFechas) {
        const QSignalBlocker bloqueo(caja);
        caja->clear();
    }
    GuardaFechas();
}

void FhOcx::MuestraPeriodo(const QString& periodo)
{
    const int indice = CmbComboFH->findText(periodo.trimmed(), Qt::MatchFixedString);
    if (indice < 0)
        return;
    const QSignalBlocker bloqueo(CmbComboFH);
    CmbComboFH->setCurrentIndex(indice);
}

void FhOcx::GuardaFechas()
{
    fhDesde_ = txtFechas[0]->text();
    fhHasta_ = txtFechas[1]->text();
}

void FhOcx::CmbComboFH_Click()
{
    const std::optional<RangoDeFechas> rango = RangoDePeriodo(CmbComboFH->currentText(), hoy_());
    if (rango) {
        fhDesde_ = rango->desde;
        fhHasta_ = rango->hasta;
    }
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker bloqueo(txtFechas[size_t(i)]);
        txtFechas[size_t(i)]->setText(i == 0 ? fhDesde_ : fhHasta_);
    }
    periodo_ = CmbComboFH->currentText().trimmed();
}

void FhOcx::CargarPeriodo(const QString& Periodo, const QString& FechaD, const QString& FechaH)
{
    if (!Periodo.isEmpty())
        MuestraPeriodo(Periodo);
    const QString fechas[] = {FechaD, FechaH};
    for (int i = 0; i < 2; ++i) {
        if (!FechaDelOperador(fechas[i]).isValid())
            continue;
        const QSignalBlocker bloqueo(txtFechas[size_t(i)]);
        txtFechas[size_t(i)]->setText(fechas[i]);
    }
}

void FhOcx::DefineColorFondo(long& Color)
{
    if (Color == 0)
        Color = ColorBotones;
    // The only system colour a host passes is the button face.
    const QColor fondo = (Color & MarcaColorDelSistema) ? palette().color(QPalette::Button)
                                                         : QColor(QRgb(ColorBGRaRGB(Color)));
    QPalette paleta = PicFondo->palette();
    paleta.setColor(QPalette::Window, fondo);
    PicFondo->setPalette(paleta);
}

QString FhOcx::fDiaSem(const QVariant& Fecha) const
{
    return DiaDeLaSemana(Fecha);
}

int16_t FhOcx::fUltimoDiaDelMes(const QString& Mes, const QString& Anio) const
{
    return UltimoDiaDelMes(Mes, Anio);
}

void FhOcx::Avisa(const QString& mensaje)
{
    dialogos().MsgBox(mensaje, Botones::IconoCritico + Botones::SoloAceptar, QStringLiteral("Aviso al Operador"));
}

bool FhOcx::txtFechas_KeyDown(int Index, int16_t KeyCode, Qt::KeyboardModifiers)
{
    if (KeyCode != TeclaEnter)
        return false;
    QLineEdit* caja = txtFechas.at(size_t(Index));
    if (caja->text().trimmed().isEmpty()) {
        Avisa(QStringLiteral("Debe ingresar una fecha!!!"));
        return true;
    }
    if (!FechaDelOperador(caja->text()).isValid()) {
        Avisa(QStringLiteral("Debe ingresar un formato de fecha válido!!!"));
        return true;
    }
    if (Index == 1 && !txtFechas[0]->text().trimmed().isEmpty()) {
        // The end can only be compared with a start that is a date: one that
        // is not is sent back to be mended first.
        if (!Fecha(txtFechas[0]).isValid()) {
            Avisa(QStringLiteral("Debe ingresar un formato de fecha válido!!!"));
            txtFechas[0]->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (Fecha(txtFechas[0]) > Fecha(caja)) {
            Avisa(QStringLiteral("La fecha hasta no puede ser menor a la fecha desde"));
            return true;
        }
    }
    campos_.AvanzaCampo(QVariant::fromValue(KeyCode));
    GuardaFechas();
    return true;
}

void FhOcx::txtFechas_KeyPress(int Index, int16_t& KeyAscii)
{
    campos_.FiltraTecla(txtFechas.at(size_t(Index)), KeyAscii);
}

void FhOcx::txtFechas_GotFocus(int Index)
{
    QLineEdit* caja = txtFechas.at(size_t(Index));
    caja->setSelection(0, int(caja->text().size()));
}

void FhOcx::txtFechas_LostFocus(int)
{
    GuardaFechas();
}

bool FhOcx::eventFilter(QObject* objeto, QEvent* evento)
{
    const ManejadoresDeCampos manejadores{
        [this](int i) { txtFechas_GotFocus(i); }, [this](int i) { txtFechas_LostFocus(i); },
        [this](int i, int16_t tecla, Qt::KeyboardModifiers shift) { return txtFechas_KeyDown(i, tecla, shift); },
        [this](int i, int16_t& caracter) { txtFechas_KeyPress(i, caracter); }};
    return DespachaEventoDeCampo(txtFechas, objeto, evento, manejadores) || QWidget::eventFilter(objeto, evento);
}
