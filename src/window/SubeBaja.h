#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Up-down buttons that step the number in a companion text box, which stays
// the holder of the value.
class SubeBaja : public QWidget {
    Q_OBJECT
public:
    SubeBaja(QLineEdit* companero, int minimo, int maximo, int incremento, QWidget* parent);

    void Sube();
    void Baja();

private:
    void Avanza(int paso);

    QLineEdit* companero_;
    int minimo_, maximo_, incremento_;
    QToolButton* arriba_;
    QToolButton* abajo_;
};
