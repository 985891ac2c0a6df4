#pragma once

#include <QString>
#include <QStringList>

// The table an updatable recordset writes to, found on the tokens of its
// SELECT, for either engine.

// The one table a SELECT reads, as the statement writes it ("dbo.Tabla",
// "[Mi Tabla]", "base..T"), without its alias and table hints; empty when it
// reads several tables, a derived table or none.
QString TablaDeConsulta(const QString& select);
// A table name's parts without their quotes: catalogue, schema and table,
// the missing ones empty ("dbo.T" gives "", "dbo", "T").
QStringList PartesDeNombre(const QString& tabla);

// The SELECT with `columna` added first to its list.
QString AgregaColumnaInicial(const QString& select, const QString& columna);
