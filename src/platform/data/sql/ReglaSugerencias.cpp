#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

namespace {

bool esSugerenciaDeTabla(const Token& t)
{
    static const Vocabulario p = {"NOLOCK",       "READUNCOMMITTED", "ROWLOCK",       "UPDLOCK",
                                  "HOLDLOCK",     "PAGLOCK",         "TABLOCK",       "TABLOCKX",
                                  "XLOCK",        "READPAST",        "READCOMMITTED", "REPEATABLEREAD",
                                  "SERIALIZABLE", "NOWAIT"};
    return t.tipo == Token::Palabra && p.contiene(t.texto);
}

// The tokens from `abre` to its ")" hold only table hints and commas.
bool soloSugerencias(const Tokens& t, int abre, int cierra)
{
    bool alguna = false;
    for (int i = abre + 1; i < cierra; ++i) {
        if (!Significativo(t[i]) || EsSimbolo(t[i], ','))
            continue;
        if (!esSugerenciaDeTabla(t[i]))
            return false;
        alguna = true;
    }
    return alguna;
}

}  // namespace

void QuitaSugerencias(Tokens& t)
{
    for (int i = 0; i < t.size(); ++i) {
        if (EsPalabra(t[i], "WITH")) {
            const int abre = Siguiente(t, i);
            if (abre < 0 || !EsSimbolo(t[abre], '('))
                continue;
            const int c = Cierre(t, abre, int(t.size()));
            if (c > 0 && soloSugerencias(t, abre, c))
                ReemplazaPorEspacio(t, i, c);
        } else if (EsSimbolo(t[i], '(')) {
            const int a = Anterior(t, i);
            if (a < 0 || Reservada(t[a]) || (t[a].tipo != Token::Palabra && t[a].tipo != Token::Nombre))
                continue;
            const int c = Cierre(t, i, int(t.size()));
            const int unica = Primero(t, i + 1, c < 0 ? i : c);
            if (c > 0 && unica >= 0 && EsPalabra(t[unica], "NOLOCK") && Primero(t, unica + 1, c) < 0)
                ReemplazaPorEspacio(t, i, c);
        }
    }
}
