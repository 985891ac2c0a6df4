#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The formulas of one print, by name without regard to case: each element
// "Name = 'value'" (blanks around "=" vary, the name may hold blanks, the
// value runs from the first apostrophe after "=" to the last one). Empty
// elements and elements without "=" carry nothing; a later one of the same
// name wins.
class ListaFormulas {
public:
    ListaFormulas() = default;
    explicit ListaFormulas(const QStringList& elementos);

    void agrega(const QString& elemento);
    // Empty when the print carries no formula of that name.
    QString valor(const QString& nombre) const;
    bool contiene(const QString& nombre) const;

private:
    struct Formula {
        QString nombre;
        QString valor;
    };
    std::vector<Formula> formulas_;
};
