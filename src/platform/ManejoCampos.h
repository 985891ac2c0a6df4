#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <vector>

class QWidget;

// Field navigation in control arrays of text boxes. Each member carries its
// data-field name in the "DataField" property.
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
    // Enter and Tab move to the next field.
    bool EsTeclaAvance(int16_t codigoTecla) const;
    // Moves the focus to the next field of the window that has it.
    void AvanzaCampo(const QVariant& codigoTecla) const;
    // Upper-cases letters; may set the code to 0 to cancel the key.
    void FiltraTecla(QWidget* control, int16_t& codigoCaracter) const;

private:
    int indice(const QString& nombre, const std::vector<QObject*>& controles) const;
};
