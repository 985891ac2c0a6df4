#pragma once

#include <QWidget>

// The suite lays its windows out in twips, 15 to the pixel.
inline constexpr int Px(int twips)
{
    return (twips + 7) / 15;
}

// Places a control by its design position and size in twips.
inline void Ubica(QWidget* control, int x, int y, int ancho, int alto)
{
    control->setGeometry(Px(x), Px(y), Px(ancho), Px(alto));
}

// A control with its text, placed by its design position and size in twips.
template <typename Control>
Control* Crea(QWidget* padre, const QString& texto, int x, int y, int ancho, int alto)
{
    auto* control = new Control(texto, padre);
    Ubica(control, x, y, ancho, alto);
    return control;
}
