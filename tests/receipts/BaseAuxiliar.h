#pragma once

#include "BaseRecibos.h"
#include "support/FormatosDePrueba.h"
#include "support/TextoQt.h"

#include <QStringList>

#include <initializer_list>

// The print rows of one receipt or payment order, generated on the demo
// database as the mailing generates them, and read back in the order they
// were written.
class BaseAuxiliar : public BaseRecibos {
protected:
    ConFormatoNumerico formato{FormatoComa()};
    QStringList formulas{"previa"};

    // The document's number is split as the mailing splits it.
    void genera(const QString& tc, const QString& id, const QString& cuenta = QString(), int copias = 1,
                int items = -1);

    // This workstation's rows: the copy number, then columns 1 to 11 joined by
    // "|" (nulls empty, the trailing empty ones left out).
    QStringList filas(const QString& condicion = QString());
    // This workstation's rows reduced to the given columns, joined by "|".
    QStringList columnas(std::initializer_list<int> numeros);

    // A document of the test's own: one application on cuentaAplicada per
    // origin ("FC  000100000012A"), then one journal line of 100 per account,
    // in that order.
    void documento(const QString& tc, const QString& id, const QString& cuentaAplicada, const QStringList& origenes,
                   const QStringList& cuentas);
};
