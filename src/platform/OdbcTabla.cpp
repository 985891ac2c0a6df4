#include "platform/OdbcTabla.h"

#include <vector>

namespace {

struct Pieza {
    enum Tipo { Palabra, Citado, Literal, Signo } tipo;
    QString texto;
};

bool esDeNombre(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('#')
           || c == QLatin1Char('$');
}

// Position just past a quoted run that starts at `i` and ends with `cierre`;
// a doubled closing character stays inside.
qsizetype finDeCitado(const QString& sql, qsizetype i, QChar cierre)
{
    for (qsizetype j = i + 1; j < sql.size(); ++j) {
        if (sql[j] != cierre)
            continue;
        if (j + 1 < sql.size() && sql[j + 1] == cierre) {
            ++j;
            continue;
        }
        return j + 1;
    }
    return sql.size();
}

// The statement's words, quoted names, literals and signs; blanks and
// comments are dropped.
std::vector<Pieza> piezas(const QString& sql)
{
    std::vector<Pieza> lista;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        qsizetype fin = i + 1;
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (sql.mid(i, 2) == QLatin1String("--")) {
            fin = sql.indexOf(QLatin1Char('\n'), i);
            i = fin < 0 ? sql.size() : fin + 1;
            continue;
        }
        if (sql.mid(i, 2) == QLatin1String("/*")) {
            fin = sql.indexOf(QLatin1String("*/"), i + 2);
            i = fin < 0 ? sql.size() : fin + 2;
            continue;
        }
        Pieza::Tipo tipo = Pieza::Signo;
        if (c == QLatin1Char('\'')) {
            tipo = Pieza::Literal;
            fin = finDeCitado(sql, i, c);
        } else if (c == QLatin1Char('[')) {
            tipo = Pieza::Citado;
            fin = finDeCitado(sql, i, QLatin1Char(']'));
        } else if (c == QLatin1Char('"')) {
            tipo = Pieza::Citado;
            fin = finDeCitado(sql, i, c);
        } else if (esDeNombre(c)) {
            tipo = Pieza::Palabra;
            while (fin < sql.size() && esDeNombre(sql[fin]))
                ++fin;
        }
        lista.push_back({tipo, sql.mid(i, fin - i)});
        i = fin;
    }
    return lista;
}

bool es(const std::vector<Pieza>& p, size_t i, const char* texto)
{
    return i < p.size() && p[i].tipo != Pieza::Literal && p[i].texto.compare(QLatin1String(texto), Qt::CaseInsensitive) == 0;
}

bool esPalabraDe(const std::vector<Pieza>& p, size_t i, std::initializer_list<const char*> palabras)
{
    for (const char* w : palabras)
        if (p[i].tipo == Pieza::Palabra && es(p, i, w))
            return true;
    return false;
}

// Index just past the parenthesised group that opens at `i`.
size_t pasaParentesis(const std::vector<Pieza>& p, size_t i)
{
    int nivel = 0;
    for (; i < p.size(); ++i) {
        if (es(p, i, "("))
            ++nivel;
        else if (es(p, i, ")") && --nivel == 0)
            return i + 1;
    }
    return i;
}

bool esNombre(const std::vector<Pieza>& p, size_t i)
{
    return i < p.size() && (p[i].tipo == Pieza::Palabra || p[i].tipo == Pieza::Citado);
}

const std::initializer_list<const char*> clausulas = {
    "WHERE", "ORDER", "GROUP", "HAVING", "UNION", "EXCEPT", "INTERSECT", "OPTION", "FOR", "LIMIT", "WITH",
    "JOIN", "INNER", "LEFT", "RIGHT", "FULL", "CROSS", "OUTER"};

const std::initializer_list<const char*> uniones = {"JOIN", "INNER", "LEFT", "RIGHT", "FULL", "CROSS", "OUTER"};

}  // namespace

QString tablaDeConsulta(const QString& select)
{
    const std::vector<Pieza> p = piezas(select);
    size_t i = 0;
    for (int nivel = 0; i < p.size(); ++i) {
        if (es(p, i, "("))
            ++nivel;
        else if (es(p, i, ")"))
            --nivel;
        else if (nivel == 0 && p[i].tipo == Pieza::Palabra && es(p, i, "FROM"))
            break;
    }
    if (!esNombre(p, ++i))
        return {};
    QString tabla = p[i++].texto;
    // Dotted parts, empty ones included ("base..tabla").
    while (es(p, i, ".")) {
        tabla += QLatin1Char('.');
        ++i;
        if (esNombre(p, i))
            tabla += p[i++].texto;
    }
    if (es(p, i, "AS"))
        ++i;
    if (esNombre(p, i) && !esPalabraDe(p, i, clausulas))
        ++i;
    if (es(p, i, "WITH") && es(p, i + 1, "("))
        i = pasaParentesis(p, i + 1);
    else if (es(p, i, "("))
        i = pasaParentesis(p, i);
    if (es(p, i, ",") || (i < p.size() && esPalabraDe(p, i, uniones)))
        return {};
    return tabla;
}

QStringList partesDeNombre(const QString& tabla)
{
    QStringList partes;
    for (const Pieza& pieza : piezas(tabla)) {
        if (pieza.tipo == Pieza::Signo) {
            if (partes.isEmpty())
                partes << QString();
            partes << QString();
            continue;
        }
        if (partes.isEmpty())
            partes << QString();
        QString nombre = pieza.texto;
        if (pieza.tipo == Pieza::Citado) {
            const QChar cierre = nombre.startsWith(QLatin1Char('[')) ? QLatin1Char(']') : QLatin1Char('"');
            nombre = nombre.mid(1, nombre.size() - 2).replace(QString(2, cierre), QString(cierre));
        }
        partes.last() = nombre;
    }
    while (partes.size() < 3)
        partes.prepend(QString());
    return partes.mid(partes.size() - 3);
}
