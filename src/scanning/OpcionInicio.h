#pragma once

#include <QString>

// What the suite's menu asks of the start: scan one voucher of an account
// at once (action "1"), open on the settings (action "2"), or the full window.
struct OpcionInicio {
    QString Cuenta;
    QString Cpte;
    QString Accion;
};

// Reads up to three ","-separated tokens of the "Opcion:" value; a token
// holding "Cuenta", "Cpte" or "Accion" sets that part (the word removed, any
// case). Missing parts stay empty.
OpcionInicio LeeOpcionInicio(const QString& valor);
