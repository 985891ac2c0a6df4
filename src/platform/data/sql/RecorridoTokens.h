#pragma once

#include "platform/data/sql/Tokens.h"

// Walking a statement's tokens: what the rules, the batch splitter and the
// table finder share. Indices past the end or not found are -1.

// Neither blank nor comment.
bool Significativo(const Token& t);
// The word, without regard to case.
bool EsPalabra(const Token& t, const char* palabra);
bool EsSimbolo(const Token& t, char c);
// A keyword of either dialect, never a name of the statement's own.
bool Reservada(const Token& t);

// First significant token at or after `i` and before `hasta`.
int Primero(const Tokens& t, int i, int hasta);
int Siguiente(const Tokens& t, int i);
int Anterior(const Tokens& t, int i);
// The ")" that closes the "(" at `abre`.
int Cierre(const Tokens& t, int abre, int hasta);
// Index just past the END of the CASE at `i`.
int FinCaso(const Tokens& t, int i, int hasta);

// The tokens from `desde` to `hasta`, both included, become one blank.
void ReemplazaPorEspacio(Tokens& t, int desde, int hasta);
// A literal's or quoted name's text without its quotes (a literal's doubled
// apostrophes undone); any other token as written.
QString SinComillas(const Token& k);
