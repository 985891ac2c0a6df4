#include "platform/objects/ManejoCampos.h"

#include "platform/base/Err.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

namespace {

constexpr int16_t kEnter = 13;

bool puedeRecibirFoco(const QWidget* w, const QWidget* ventana)
{
    return w->window() == ventana && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
           !w->focusProxy();
}

}

int ManejoCampos::indice(const QString& nombre, const std::vector<QObject*>& controles) const
{
    for (size_t i = 0; i < controles.size(); ++i) {
        if (controles[i] &&
            controles[i]->property("DataField").toString().compare(nombre, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    throw Err(NumeroError::SubindiceFueraDeRango,
              QStringLiteral("Subíndice fuera del intervalo: no hay campo %1").arg(nombre));
}

bool ManejoCampos::EsTeclaAvance(int16_t codigoTecla) const
{
    return codigoTecla == kEnter;
}

void ManejoCampos::AvanzaCampo(const QVariant&) const
{
    QWidget* actual = QApplication::focusWidget();
    if (!actual)
        return;
    const QWidget* ventana = actual->window();
    for (QWidget* w = actual->nextInFocusChain(); w && w != actual; w = w->nextInFocusChain()) {
        if (puedeRecibirFoco(w, ventana)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void ManejoCampos::FiltraTecla(QWidget* control, int16_t& codigoCaracter) const
{
    // Codes have a fixed width and are kept upper-case; free text such as a
    // file path stays as typed, since paths here tell case apart.
    const auto* texto = qobject_cast<const QLineEdit*>(control);
    if (codigoCaracter <= 0 || !texto || texto->maxLength() >= QLineEdit().maxLength())
        return;
    const QChar c{char16_t(codigoCaracter)};
    if (!c.isLower() || c.script() != QChar::Script_Latin)
        return;
    const QChar mayuscula = c.toUpper();
    if (mayuscula.unicode() <= 0x7FFF)
        codigoCaracter = int16_t(mayuscula.unicode());
}

int16_t ManejoCampos::CodigoTecla(int teclaQt)
{
    switch (teclaQt) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    default:
        // The function keys are 112 (F1) on.
        if (teclaQt >= Qt::Key_F1 && teclaQt <= Qt::Key_F12)
            return int16_t(112 + (teclaQt - Qt::Key_F1));
        // Letters, digits and signs are their own ASCII codes.
        return teclaQt > 0 && teclaQt < 0x80 ? int16_t(teclaQt) : int16_t(0);
    }
}
