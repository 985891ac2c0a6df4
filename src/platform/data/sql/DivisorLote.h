#pragma once

#include "platform/data/sql/Tokens.h"

#include <vector>

// A batch's statements: cut at ";", at GO alone on its line and at every
// statement keyword that starts a new statement; the block words ELSE, END
// and a block's BEGIN stand alone. Separators are dropped.
std::vector<Tokens> DivideLote(Tokens lote);
