#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

// A text function's result carries no collation here, so comparing it with
// a literal would be exact; on the server it takes the default collation.
// Its call gains the engine's collation unless one is already given.
void ColacionDeFunciones(Tokens& t)
{
    static const Vocabulario texto = {"SUBSTRING", "LEFT",   "RIGHT",   "LTRIM",    "RTRIM", "UPPER",
                                      "LOWER",     "ISNULL", "REPLACE", "COALESCE", "TRIM"};
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].tipo != Token::Palabra)
            continue;
        const int abre = Siguiente(t, i);
        if (abre < 0 || !EsSimbolo(t[abre], '(') || !texto.contiene(t[i].texto))
            continue;
        const int a = Anterior(t, i);
        if (a >= 0 && EsSimbolo(t[a], '.'))
            continue;
        const int c = Cierre(t, abre, int(t.size()));
        if (c < 0)
            continue;
        const int tras = Siguiente(t, c);
        if (tras >= 0 && EsPalabra(t[tras], "COLLATE"))
            continue;
        t.insert(c + 1, Token{Token::Palabra, ColacionDelServidor});
        t.insert(c + 1, Token{Token::Espacio, u" "});
        t.insert(c + 1, Token{Token::Palabra, u"COLLATE"});
        t.insert(c + 1, Token{Token::Espacio, u" "});
    }
}
