#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

void DeleteConFrom(Tokens& t)
{
    for (int i = 0; i < t.size(); ++i) {
        if (!EsPalabra(t[i], "DELETE"))
            continue;
        const int a = Anterior(t, i);
        if (a >= 0 && EsPalabra(t[a], "ON"))
            continue;
        const int s = Siguiente(t, i);
        if (s >= 0 && (t[s].tipo == Token::Nombre || (t[s].tipo == Token::Palabra && !Reservada(t[s])))) {
            t.insert(s, Token{Token::Espacio, u" "});
            t.insert(s, Token{Token::Palabra, u"FROM"});
        }
    }
}
