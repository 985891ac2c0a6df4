#pragma once

#include "platform/data/LectorFilas.h"

#include <QString>

#include <memory>

struct BaseSqlite;

// The rows of a single read-only statement, stepped from SQLite as the
// cursor moves. nullptr when the statement writes or gives no columns: the
// caller then runs it the usual way. Raises the mapped error when the
// statement fails before its first row.
std::unique_ptr<LectorFilas> LeeFilasSqlite(std::shared_ptr<BaseSqlite> base, const QString& sql);
