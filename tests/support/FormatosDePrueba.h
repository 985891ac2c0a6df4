#pragma once

#include "platform/base/FormatoNumeros.h"

// The two workstation formats the tests run on.
inline FormatoNumeros FormatoComa()
{
    return FormatoNumeros{QStringLiteral(","), QStringLiteral("."), 2};
}

inline FormatoNumeros FormatoPunto()
{
    return FormatoNumeros{QStringLiteral("."), QStringLiteral(","), 2};
}

// Installs a number format for the life of a test, then puts back the one before.
class ConFormatoNumeros {
public:
    explicit ConFormatoNumeros(const FormatoNumeros& formato) : anterior_(InstalaFormatoNumeros(formato)) {}
    ~ConFormatoNumeros() { InstalaFormatoNumeros(anterior_); }
    ConFormatoNumeros(const ConFormatoNumeros&) = delete;
    ConFormatoNumeros& operator=(const ConFormatoNumeros&) = delete;

private:
    FormatoNumeros anterior_;
};
