#pragma once

#include "platform/base/FormatoNumerico.h"

// The two workstation formats the tests run on.
inline FormatoNumerico FormatoComa()
{
    return FormatoNumerico{u',', u'.', 2};
}

inline FormatoNumerico FormatoPunto()
{
    return FormatoNumerico{u'.', u',', 2};
}

// Installs a number format for the life of a test, then puts back the one before.
class ConFormatoNumerico {
public:
    explicit ConFormatoNumerico(const FormatoNumerico& formato) : anterior_(instalaFormatoNumerico(formato)) {}
    ~ConFormatoNumerico() { instalaFormatoNumerico(anterior_); }
    ConFormatoNumerico(const ConFormatoNumerico&) = delete;
    ConFormatoNumerico& operator=(const ConFormatoNumerico&) = delete;

private:
    FormatoNumerico anterior_;
};
