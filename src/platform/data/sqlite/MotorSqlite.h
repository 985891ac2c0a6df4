#pragma once

#include "platform/data/MotorDatos.h"

#include <QString>
#include <QStringList>

struct sqlite3;

// Builds a NEW database file from plain SQLite scripts (UTF-8, run as they
// stand), with the engine's functions and collation available. The file is
// built under a hidden name of the process's own beside it and renamed into
// place when complete. Raises Err when the file exists, a script is missing
// or a statement fails.
void CreaBaseSqlite(const QString& archivo, const QStringList& archivosScript);

// The page cache every connection of the engine gets, sized for a desktop
// database: a search reads a period's rows in index order, scattered over
// the file, and through SQLite's default cache of 2 MB it reads most pages
// again from the file for every few rows.
void AjustaMemoriaSqlite(sqlite3* db);
