#include "window/SubeBaja.h"

#include "scanning/AjustesEscaneo.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

SubeBaja::SubeBaja(QLineEdit* companero, int minimo, int maximo, int incremento, QWidget* parent)
    : QWidget(parent), companero_(companero), minimo_(minimo), maximo_(maximo), incremento_(incremento),
      arriba_(new QToolButton(this)), abajo_(new QToolButton(this))
{
    arriba_->setArrowType(Qt::UpArrow);
    abajo_->setArrowType(Qt::DownArrow);
    for (QToolButton* boton : {arriba_, abajo_}) {
        boton->setAutoRepeat(true);
        boton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    columna->addWidget(arriba_);
    columna->addWidget(abajo_);
    connect(arriba_, &QToolButton::clicked, this, &SubeBaja::Sube);
    connect(abajo_, &QToolButton::clicked, this, &SubeBaja::Baja);
}

void SubeBaja::Sube()
{
    Avanza(incremento_);
}

void SubeBaja::Baja()
{
    Avanza(-incremento_);
}

void SubeBaja::Avanza(int paso)
{
    const std::optional<double> actual = NumeroDeCampo(companero_->text());
    const double base = actual ? std::clamp(std::round(*actual), double(minimo_), double(maximo_)) : minimo_;
    const double nuevo = std::clamp(base + paso, double(minimo_), double(maximo_));
    companero_->setText(QString::number(long(nuevo)));
}
