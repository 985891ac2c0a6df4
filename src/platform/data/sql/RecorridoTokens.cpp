#include "platform/data/sql/RecorridoTokens.h"

#include <QSet>

bool Significativo(const Token& t)
{
    return t.tipo != Token::Espacio && t.tipo != Token::Comentario;
}

bool EsPalabra(const Token& t, const char* palabra)
{
    return t.tipo == Token::Palabra && t.texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
}

bool EsSimbolo(const Token& t, char c)
{
    return t.tipo == Token::Simbolo && t.texto.size() == 1 && t.texto[0] == QLatin1Char(c);
}

bool Reservada(const Token& t)
{
    static const QSet<QString> p = {
        "SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "ON", "AS", "SET", "INSERT", "INTO", "VALUES",
        "UPDATE", "DELETE", "JOIN", "INNER", "LEFT", "RIGHT", "OUTER", "CROSS", "FULL", "GROUP", "ORDER",
        "BY", "HAVING", "UNION", "ALL", "DISTINCT", "WHEN", "THEN", "ELSE", "END", "IS", "IN", "LIKE",
        "BETWEEN", "EXISTS", "LIMIT", "OFFSET", "ASC", "DESC", "CREATE", "TABLE", "VIEW", "INDEX", "DROP",
        "ALTER", "ADD", "PRIMARY", "KEY", "FOREIGN", "REFERENCES", "DEFAULT", "CONSTRAINT", "BEGIN",
        "COMMIT", "ROLLBACK", "TRANSACTION", "TRAN", "TOP", "COLLATE", "ESCAPE", "WITH", "EXEC",
        "EXECUTE", "USE", "IF", "GO", "UNIQUE", "CHECK", "GLOB", "REGEXP", "MATCH", "ISNULL", "NOTNULL",
        "EXCEPT", "INTERSECT", "CASE", "TRIGGER", "DATABASE", "DECLARE", "TRUNCATE", "PRINT"};
    return t.tipo == Token::Palabra && p.contains(t.texto.toUpper());
}

int Primero(const Tokens& t, int i, int hasta)
{
    for (; i < hasta; ++i) {
        if (Significativo(t[i]))
            return i;
    }
    return -1;
}

int Siguiente(const Tokens& t, int i)
{
    return Primero(t, i + 1, int(t.size()));
}

int Anterior(const Tokens& t, int i)
{
    for (--i; i >= 0; --i) {
        if (Significativo(t[i]))
            return i;
    }
    return -1;
}

int Cierre(const Tokens& t, int abre, int hasta)
{
    int prof = 0;
    for (int i = abre; i < hasta; ++i) {
        if (EsSimbolo(t[i], '('))
            ++prof;
        else if (EsSimbolo(t[i], ')') && --prof == 0)
            return i;
    }
    return -1;
}

int FinCaso(const Tokens& t, int i, int hasta)
{
    int casos = 0, prof = 0;
    for (; i < hasta; ++i) {
        if (EsSimbolo(t[i], '('))
            ++prof;
        else if (EsSimbolo(t[i], ')'))
            --prof;
        else if (prof == 0 && EsPalabra(t[i], "CASE"))
            ++casos;
        else if (prof == 0 && EsPalabra(t[i], "END") && --casos == 0)
            return i + 1;
    }
    return -1;
}

void ReemplazaPorEspacio(Tokens& t, int desde, int hasta)
{
    t.remove(desde, hasta - desde + 1);
    t.insert(desde, Token{Token::Espacio, QStringLiteral(" ")});
}

QString SinComillas(const Token& k)
{
    QString s = k.texto;
    if (k.tipo == Token::Cadena) {
        if (s.startsWith(u'N') || s.startsWith(u'n'))
            s.remove(0, 1);
        return s.mid(1, s.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    if (k.tipo == Token::Nombre)
        return s.mid(1, s.size() - 2);
    return s;
}
