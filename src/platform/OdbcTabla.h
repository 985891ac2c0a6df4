#pragma once

#include <QString>
#include <QStringList>

// The one table a SELECT reads, as the statement writes it ("dbo.Tabla",
// "[Mi Tabla]"), with its alias and table hints (WITH (NOLOCK)) left out.
// Empty when the statement reads no table, a derived table or several tables.
QString tablaDeConsulta(const QString& select);

// A table name's parts without their quotes: catalogue, schema and table,
// the missing ones empty ("dbo.T" gives "", "dbo", "T").
QStringList partesDeNombre(const QString& tabla);
