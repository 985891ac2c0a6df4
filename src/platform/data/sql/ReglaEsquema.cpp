#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

void QuitaEsquemaDbo(Tokens& t)
{
    for (int i = 0; i + 1 < t.size(); ++i) {
        const bool dbo = EsPalabra(t[i], "dbo") || (t[i].tipo == Token::Nombre && IgualSinCaso(t[i].texto, "[dbo]"));
        if (dbo && EsSimbolo(t[i + 1], '.'))
            t.remove(i, 2);
    }
}
