#include "platform/reports/ListaFormulas.h"

ListaFormulas::ListaFormulas(const QStringList& elementos)
{
    for (const QString& e : elementos)
        agrega(e);
}

void ListaFormulas::agrega(const QString& elemento)
{
    const qsizetype igual = elemento.indexOf(u'=');
    if (igual < 0)
        return;
    const QString nombre = elemento.left(igual).trimmed();
    if (nombre.isEmpty())
        return;
    const QString resto = elemento.mid(igual + 1);
    const qsizetype desde = resto.indexOf(u'\'');
    const qsizetype hasta = resto.lastIndexOf(u'\'');
    // A value written without apostrophes is taken as it stands.
    const QString valor = desde >= 0 && hasta > desde ? resto.mid(desde + 1, hasta - desde - 1) : resto.trimmed();
    for (Formula& f : formulas_) {
        if (f.nombre.compare(nombre, Qt::CaseInsensitive) == 0) {
            f.valor = valor;
            return;
        }
    }
    formulas_.push_back({nombre, valor});
}

QString ListaFormulas::valor(const QString& nombre) const
{
    for (const Formula& f : formulas_)
        if (f.nombre.compare(nombre.trimmed(), Qt::CaseInsensitive) == 0)
            return f.valor;
    return {};
}

bool ListaFormulas::contiene(const QString& nombre) const
{
    for (const Formula& f : formulas_)
        if (f.nombre.compare(nombre.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
