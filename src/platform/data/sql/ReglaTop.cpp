#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

namespace {

// Where the clause of the SELECT at `select` ends: before the ")" that
// closes its subquery, else at the end; just after its last significant token.
int finDeConsulta(const Tokens& t, int select)
{
    int prof = 0, ultimo = select;
    for (int i = select + 1; i < t.size(); ++i) {
        if (EsSimbolo(t[i], '('))
            ++prof;
        else if (EsSimbolo(t[i], ')') && --prof < 0)
            break;
        if (Significativo(t[i]))
            ultimo = i;
    }
    return ultimo + 1;
}

}  // namespace

void TopALimit(Tokens& t)
{
    for (int i = int(t.size()) - 1; i >= 0; --i) {
        if (!EsPalabra(t[i], "SELECT"))
            continue;
        int top = Siguiente(t, i);
        if (top >= 0 && (EsPalabra(t[top], "DISTINCT") || EsPalabra(t[top], "ALL")))
            top = Siguiente(t, top);
        if (top < 0 || !EsPalabra(t[top], "TOP"))
            continue;
        int n = Siguiente(t, top);
        int finN = n;
        if (n >= 0 && EsSimbolo(t[n], '(')) {
            finN = Cierre(t, n, int(t.size()));
            n = Siguiente(t, n);
            if (finN < 0 || Siguiente(t, n) != finN)
                continue;
        }
        if (n < 0 || t[n].tipo != Token::Numero)
            continue;
        const int trasN = Siguiente(t, finN);
        if (trasN >= 0 && (EsPalabra(t[trasN], "PERCENT") || EsPalabra(t[trasN], "WITH")))
            continue;
        const QStringView cantidad = t[n].texto;
        ReemplazaPorEspacio(t, top, finN);
        const int fin = finDeConsulta(t, i);
        t.insert(fin, Token{Token::Numero, cantidad});
        t.insert(fin, Token{Token::Espacio, u" "});
        t.insert(fin, Token{Token::Palabra, u"LIMIT"});
        t.insert(fin, Token{Token::Espacio, u" "});
    }
}
