#pragma once

#include <QString>

// The addresses of the account's contacts that take this kind of document,
// joined by ";" (none at the end); the account's "mail" of ma_cuentasadic
// when none is taken; empty when neither has one. Errors reach the caller.
QString ObtieneMailsCuenta(const QString& Tipo, const QString& Cuenta);
