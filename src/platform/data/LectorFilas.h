#pragma once

#include <QStringList>
#include <QVariant>

// The rows of a forward-only recordset, read from the engine's statement as
// the cursor moves, so memory does not grow with the rows; each value is
// converted when it is first read.
class LectorFilas {
public:
    virtual ~LectorFilas() = default;

    virtual QStringList columnas() const = 0;
    // The statement gave no rows at all.
    virtual bool vacio() const = 0;
    virtual bool hayFila() const = 0;
    // A column of the current row; nullptr when there is none.
    virtual const QVariant* valor(int columna) = 0;
    // Raises the engine's error for a row it cannot give.
    virtual void siguiente() = 0;
    // Back to the first row. When the rows passed are gone the statement runs
    // again, so a forward-only cursor may still start over.
    virtual void alPrincipio() = 0;
    // How many rows the result has: the rest are read into memory to count.
    virtual int cuenta() = 0;
};
