#pragma once

#include <QString>

#include <ostream>

// Failed comparisons show the texts themselves, not their bytes.
inline void PrintTo(const QString& texto, std::ostream* salida)
{
    *salida << '"' << texto.toStdString() << '"';
}
