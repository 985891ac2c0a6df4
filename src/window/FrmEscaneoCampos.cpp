#include "window/FrmEscaneo.h"

#include "platform/base/Conversiones.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "scanning/CamposDatos.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

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

bool FrmEscaneo::TeclaEnCampo(int indice, const QKeyEvent& tecla)
{
    if (TxtFields_KeyDown(indice, ManejoCampos::CodigoTecla(tecla.key()), tecla.modifiers()))
        return true;
    const QString texto = tecla.text();
    if (texto.size() != 1 || texto.at(0).unicode() > 0x7FFF)
        return false;
    const int16_t original = int16_t(texto.at(0).unicode());
    int16_t codigo = original;
    TxtFields_KeyPress(indice, codigo);
    if (codigo == original)
        return false;
    if (codigo != 0)
        TxtFields.at(size_t(indice))->insert(QString(QChar(char16_t(codigo))));
    return true;
}

bool FrmEscaneo::EventoDeCampo(int indice, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::FocusIn:
        // The field takes the focus first, so its own selection on entry
        // does not replace the one set here.
        TxtFields[size_t(indice)]->event(evento);
        TxtFields_GotFocus(indice);
        return true;
    case QEvent::FocusOut:
        TxtFields_LostFocus(indice);
        return false;
    case QEvent::KeyPress:
        return TeclaEnCampo(indice, *static_cast<QKeyEvent*>(evento));
    default:
        return false;
    }
}
