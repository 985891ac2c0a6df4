#pragma once

#include "platform/data/MotorDatos.h"

#include <QString>
#include <QStringList>

// Builds a NEW database file from plain SQLite scripts (UTF-8, run as they
// stand), with the engine's functions and collation available. The file is
// built under a hidden name of the process's own beside it and renamed into
// place when complete. Raises Err when the file exists, a script is missing
// or a statement fails.
void CreaBaseSqlite(const QString& archivo, const QStringList& archivosScript);
