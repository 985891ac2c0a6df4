#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>

#include <algorithm>

// A text written piece by piece into room it keeps ahead, as a row of a
// page's table is: each piece is one copy, without the checks a text's own
// append makes for sharing and growth every time.
class TextoFila {
public:
    explicit TextoFila(qsizetype reserva) { haceLugar(reserva); }

    void Agrega(QStringView pieza)
    {
        if (libre() < pieza.size())
            haceLugar(pieza.size());
        std::copy_n(pieza.utf16(), pieza.size(), datos_ + largo_);
        largo_ += pieza.size();
    }

    void Agrega(QLatin1String pieza)
    {
        if (libre() < pieza.size())
            haceLugar(pieza.size());
        std::transform(pieza.begin(), pieza.end(), datos_ + largo_,
                       [](char c) { return char16_t(static_cast<unsigned char>(c)); });
        largo_ += pieza.size();
    }

    // What was written, until the next piece.
    QStringView Vista() const { return QStringView(datos_, largo_); }
    // Starts again empty, keeping the room.
    void Vacia() { largo_ = 0; }
    // What was written; the builder starts again empty.
    QString Toma();

private:
    qsizetype libre() const { return texto_.size() - largo_; }
    // Room for `n` more characters at least, doubling what is kept.
    void haceLugar(qsizetype n);

    // Sized to the room kept; only its first `largo_` characters are written.
    QString texto_;
    char16_t* datos_ = nullptr;
    qsizetype largo_ = 0;
};
