#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal standing for a serial printer: the program opens the
// slave's name, the test reads what arrived at the master.
class Pseudoterminal {
public:
    Pseudoterminal();
    ~Pseudoterminal();
    Pseudoterminal(const Pseudoterminal&) = delete;
    Pseudoterminal& operator=(const Pseudoterminal&) = delete;

    bool valido() const { return maestro_ >= 0; }
    QString esclavo() const { return nombre_; }
    // The slave kept open by the test, so what was sent stays readable after
    // the program closes its side.
    int descriptorEsclavo() const { return esclavo_; }
    // Every byte waiting at the master.
    QByteArray recibido();

private:
    int maestro_ = -1;
    int esclavo_ = -1;
    QString nombre_;
};
