#pragma once

#include <QByteArray>

// Sets an environment variable for the life of a test and then puts back
// what was there before (or removes it).
class VariableTemporal {
public:
    VariableTemporal(const char* nombre, const QByteArray& valor)
        : nombre_(nombre), habia_(qEnvironmentVariableIsSet(nombre)), antes_(qgetenv(nombre))
    {
        qputenv(nombre, valor);
    }
    ~VariableTemporal()
    {
        if (habia_)
            qputenv(nombre_, antes_);
        else
            qunsetenv(nombre_);
    }
    VariableTemporal(const VariableTemporal&) = delete;
    VariableTemporal& operator=(const VariableTemporal&) = delete;

private:
    const char* nombre_;
    bool habia_;
    QByteArray antes_;
};
