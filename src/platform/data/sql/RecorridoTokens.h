#pragma once

#include "platform/data/sql/Tokens.h"
#include "platform/data/sql/Vocabulario.h"

#include <string_view>

// Walking a statement's tokens: what the rules, the batch splitter and the
// table finder share. Indices past the end or not found are -1.

// Neither blank nor comment.
inline bool Significativo(const Token& t)
{
    return t.tipo != Token::Espacio && t.tipo != Token::Comentario;
}

inline bool EsPalabra(const Token& t, std::string_view palabra)
{
    return t.tipo == Token::Palabra && IgualSinCaso(t.texto, palabra);
}

inline bool EsSimbolo(const Token& t, char c)
{
    return t.tipo == Token::Simbolo && t.texto.size() == 1 && t.texto[0] == QLatin1Char(c);
}

// A keyword of either dialect, never a name of the statement's own.
bool Reservada(const Token& t);

// First significant token at or after `i` and before `hasta`.
inline int Primero(const Tokens& t, int i, int hasta)
{
    for (; i < hasta; ++i) {
        if (Significativo(t[i]))
            return i;
    }
    return -1;
}

inline int Siguiente(const Tokens& t, int i)
{
    return Primero(t, i + 1, t.size());
}

inline int Anterior(const Tokens& t, int i)
{
    for (--i; i >= 0; --i) {
        if (Significativo(t[i]))
            return i;
    }
    return -1;
}
// The ")" that closes the "(" at `abre`.
int Cierre(const Tokens& t, int abre, int hasta);
// Index just past the END of the CASE at `i`.
int FinCaso(const Tokens& t, int i, int hasta);

// The tokens from `desde` to `hasta`, both included, become one blank.
void ReemplazaPorEspacio(Tokens& t, int desde, int hasta);
// A literal's or quoted name's text without its quotes (a literal's doubled
// apostrophes undone); any other token as written.
QString SinComillas(const Token& k);
