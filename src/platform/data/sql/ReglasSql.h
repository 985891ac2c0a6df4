#pragma once

#include "platform/data/sql/Tokens.h"

// One rule per construct the embedded engine reads otherwise, each in its own
// file. AplicaReglas runs them in the order they depend on each other.

// The collation the engine registers for the server's default one: case and
// trailing blanks do not count.
inline constexpr QStringView ColacionDelServidor = u"SQLSRV";

// N'texto': the national-text prefix has no meaning here.
void QuitaPrefijoNacional(Tokens& t);
// with(nolock), WITH (NOLOCK, ROWLOCK) and the old bare (nolock) after a table.
void QuitaSugerencias(Tokens& t);
// dbo.Tabla: one schema only.
void QuitaEsquemaDbo(Tokens& t);
// A text function's call gains the server's collation.
void ColacionDeFunciones(Tokens& t);
// Functions the server has and the engine lacks or reserves as keywords.
void RenombraFunciones(Tokens& t);
// SELECT TOP n ... becomes SELECT ... LIMIT n, also in subqueries.
void TopALimit(Tokens& t);
// DELETE Tabla WHERE ...: the engine wants FROM.
void DeleteConFrom(Tokens& t);
// The statement's text with "+" between texts as concatenation.
QString ReescribeSumas(const Tokens& t);

// The adapted text of one statement's tokens.
QString AplicaReglas(Tokens t);
