#include "platform/data/sql/RecorridoTokens.h"

bool Reservada(const Token& t)
{
    static const Vocabulario p = {
        "SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "ON", "AS", "SET", "INSERT", "INTO", "VALUES",
        "UPDATE", "DELETE", "JOIN", "INNER", "LEFT", "RIGHT", "OUTER", "CROSS", "FULL", "GROUP", "ORDER",
        "BY", "HAVING", "UNION", "ALL", "DISTINCT", "WHEN", "THEN", "ELSE", "END", "IS", "IN", "LIKE",
        "BETWEEN", "EXISTS", "LIMIT", "OFFSET", "ASC", "DESC", "CREATE", "TABLE", "VIEW", "INDEX", "DROP",
        "ALTER", "ADD", "PRIMARY", "KEY", "FOREIGN", "REFERENCES", "DEFAULT", "CONSTRAINT", "BEGIN",
        "COMMIT", "ROLLBACK", "TRANSACTION", "TRAN", "TOP", "COLLATE", "ESCAPE", "WITH", "EXEC",
        "EXECUTE", "USE", "IF", "GO", "UNIQUE", "CHECK", "GLOB", "REGEXP", "MATCH", "ISNULL", "NOTNULL",
        "EXCEPT", "INTERSECT", "CASE", "TRIGGER", "DATABASE", "DECLARE", "TRUNCATE", "PRINT"};
    return t.tipo == Token::Palabra && p.contiene(t.texto);
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
    t.insert(desde, Token{Token::Espacio, u" "});
}

QString SinComillas(const Token& k)
{
    QStringView s = k.texto;
    if (k.tipo == Token::Cadena) {
        if (s.startsWith(u'N') || s.startsWith(u'n'))
            s = s.mid(1);
        return s.mid(1, s.size() - 2).toString().replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    if (k.tipo == Token::Nombre)
        return s.mid(1, s.size() - 2).toString();
    return s.toString();
}
