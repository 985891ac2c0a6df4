#include "platform/objects/EventosCampos.h"

#include "platform/objects/ManejoCampos.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

bool Tecla(QLineEdit* campo, int indice, const QKeyEvent& tecla, const ManejadoresDeCampos& manejadores)
{
    if (manejadores.keyDown(indice, ManejoCampos::CodigoTecla(tecla.key()), tecla.modifiers()))
        return true;
    const QString texto = tecla.text();
    if (texto.size() != 1 || texto.at(0).unicode() > 0x7FFF)
        return false;
    const int16_t original = int16_t(texto.at(0).unicode());
    int16_t codigo = original;
    manejadores.keyPress(indice, codigo);
    if (codigo == original)
        return false;
    if (codigo != 0)
        campo->insert(QString(QChar(char16_t(codigo))));
    return true;
}

}

bool DespachaEventoDeCampo(const std::vector<QLineEdit*>& campos, QObject* objeto, QEvent* evento,
                           const ManejadoresDeCampos& manejadores)
{
    const auto miembro = std::find(campos.begin(), campos.end(), objeto);
    if (miembro == campos.end())
        return false;
    const int indice = int(miembro - campos.begin());
    switch (evento->type()) {
    case QEvent::FocusIn:
        (*miembro)->event(evento);
        manejadores.gotFocus(indice);
        return true;
    case QEvent::FocusOut:
        manejadores.lostFocus(indice);
        return false;
    case QEvent::KeyPress:
        return Tecla(*miembro, indice, *static_cast<QKeyEvent*>(evento), manejadores);
    default:
        return false;
    }
}
