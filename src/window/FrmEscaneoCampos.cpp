#include "window/FrmEscaneo.h"

#include "platform/base/Conversiones.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/objects/EventosCampos.h"
#include "scanning/CamposDatos.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QLineEdit>

// The shared behaviour of the TxtFields members: focus colours, selection
// on entry, the advance key with its formatting, and the key filter.

namespace {

constexpr long Blanco = 0xFFFFFF;
constexpr long Negro = 0;

void PintaCampo(QLineEdit* campo, long fondoBgr, long letraBgr)
{
    QPalette paleta = campo->palette();
    paleta.setColor(QPalette::Base, QColor(QRgb(ColorBGRaRGB(fondoBgr))));
    paleta.setColor(QPalette::Text, QColor(QRgb(ColorBGRaRGB(letraBgr))));
    campo->setPalette(paleta);
}

}

QLineEdit* FrmEscaneo::Campo(const QString& dataField) const
{
    return TxtFields.at(size_t(ObjManejoCampos().IndiceCampo(dataField, TxtFields)));
}

void FrmEscaneo::CampoValida(QLineEdit* control)
{
    GuardaErrores guarda([](const Err&) {
        dialogos().MsgBox(QString(), Botones::IconoInformacion, QStringLiteral("Aviso al operador..."));
        return Respuesta::Salir;
    });
    guarda.paso([&] {
        const std::optional<QString> texto =
            TextoValidado(control->property("DataField").toString(), control->text());
        if (texto)
            control->setText(*texto);
    });
}

void FrmEscaneo::TxtFields_GotFocus(int indice)
{
    QLineEdit* campo = TxtFields.at(size_t(indice));
    PintaCampo(campo, Modulo().ColorFondoFoco, Modulo().ColorLetraFoco);
    campo->setSelection(0, int(campo->text().trimmed().size()));
}

void FrmEscaneo::TxtFields_LostFocus(int indice)
{
    PintaCampo(TxtFields.at(size_t(indice)), Blanco, Negro);
}

bool FrmEscaneo::TxtFields_KeyDown(int indice, int16_t codigoTecla, Qt::KeyboardModifiers)
{
    if (!ObjManejoCampos().EsTeclaAvance(codigoTecla))
        return false;
    CampoValida(TxtFields.at(size_t(indice)));
    ObjManejoCampos().AvanzaCampo(QVariant::fromValue(codigoTecla));
    return true;
}

void FrmEscaneo::TxtFields_KeyPress(int indice, int16_t& codigoCaracter)
{
    if (codigoCaracter != 27)
        ObjManejoCampos().FiltraTecla(TxtFields.at(size_t(indice)), codigoCaracter);
}

bool FrmEscaneo::EventoDeCampo(QObject* objeto, QEvent* evento)
{
    const ManejadoresDeCampos manejadores{
        [this](int i) { TxtFields_GotFocus(i); }, [this](int i) { TxtFields_LostFocus(i); },
        [this](int i, int16_t tecla, Qt::KeyboardModifiers shift) { return TxtFields_KeyDown(i, tecla, shift); },
        [this](int i, int16_t& caracter) { TxtFields_KeyPress(i, caracter); }};
    return DespachaEventoDeCampo(TxtFields, objeto, evento, manejadores);
}
