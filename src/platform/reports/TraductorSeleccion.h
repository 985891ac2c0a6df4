#pragma once

#include <QString>
#include <QStringList>

class ConexionDatos;

// Turns a report's selection formula and sort fields into SQL over the views
// the layout reads. Exactly this grammar is taken:
//   formula := term { OR term }      term := factor { AND factor }
//   factor  := "(" formula ")" | {View.Field} "=" ('text' | number)
// with AND/OR in any case, a doubled apostrophe inside a text, blanks inside
// a field name or the field between brackets, ASCII digits in a number, no
// NUL in a text, and at most 200 parentheses one inside another (deeper ones
// would exhaust the stack); sort fields are "+{View.Field}"
// or "-{View.Field}" (descending), empty ones are passed over. Anything else
// raises Err 5 with a message saying what was refused; nothing of the
// operator's text reaches the SQL but the views and fields checked here and
// the values, which go through FormatoLiteral.
class TraductorSeleccion {
public:
    // `vistas`: the layout's base view and the views it joins, as the SQL
    // names them.
    TraductorSeleccion(const ConexionDatos& conexion, QStringList vistas);

    // The SQL condition; empty for an empty formula.
    QString condicion(const QString& formula) const;
    // The ORDER BY list ("V.[F] DESC, ..."); empty when nothing sorts.
    QString orden(const QStringList& campos) const;
    // A field reference "View.Field" as the SQL names it; raises Err 5 for a
    // view the layout does not read or a field name that cannot be one,
    // quoting the formula it came from (the reference itself when none).
    QString campo(const QString& referencia, const QString& formula = QString()) const;

private:
    const ConexionDatos& conexion_;
    QStringList vistas_;
};
