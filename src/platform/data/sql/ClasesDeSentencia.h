#pragma once

#include "platform/data/sql/AdaptadorSql.h"
#include "platform/data/sql/Tokens.h"

// What one statement of a batch is for the engine: the server-only ones
// (SET options, USE, stored procedures) do nothing here, the transaction and
// block words are the engine's to count, IF [NOT] EXISTS becomes its
// condition, and any other statement is adapted by the rules.
SentenciaAdaptada Clasifica(Tokens sentencia);
