#pragma once

#include "platform/data/Recordset.h"

#include <QString>
#include <memory>

struct BaseSqlite;

// The INSERT or UPDATE an updatable recordset's AddNew/Update stand for, on
// the single table of its SELECT. With `rowids` the rows are keyed by rowid
// (kept in step with the recordset's rows); without them (views), by every
// column's value as read.
Recordset::Escritor EscritorSqlite(std::shared_ptr<BaseSqlite> base, const QString& tabla,
                                   std::shared_ptr<QVector<qlonglong>> rowids);
