#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <vector>

class QWidget;

// Field navigation in control arrays of text boxes. Each member carries its
// data-field name in the "DataField" property. Key codes are the small
// numbers the windows' handlers compare (13 Enter, 27 Escape), not Qt's;
// CodigoTecla turns a Qt key into one.
class ManejoCampos {
public:
    // The index of the member whose DataField equals the name (case-
    // insensitive); raises Err 9 when none does.
    template <typename Control>
    int IndiceCampo(const QString& nombre, const std::vector<Control*>& controles) const
    {
        std::vector<QObject*> objetos(controles.begin(), controles.end());
        return indice(nombre, objetos);
    }
    // Only Enter moves to the next field: Qt already moves the focus on Tab
    // before a field ever sees the key.
    bool EsTeclaAvance(int16_t codigoTecla) const;
    // Moves the focus from the application's focus widget to the next one
    // in its window's tab order.
    void AvanzaCampo(const QVariant& codigoTecla) const;
    // Upper-cases lowercase letters (accented ones too); other keys pass.
    void FiltraTecla(QWidget* control, int16_t& codigoCaracter) const;

    // The handlers' code of a Qt key (Qt::Key_Return and Qt::Key_Enter give 13);
    // 0 for keys without one.
    static int16_t CodigoTecla(int teclaQt);

private:
    int indice(const QString& nombre, const std::vector<QObject*>& controles) const;
};
