#pragma once

#include <QString>

// The lookup object's catalogue "consultas.kzr": records of 1202 bytes in
// Windows-1252 (title 100, view 100, fields 500, extra 500, CR LF).

// Appends the eleven default lookups after the last whole record of the file
// that Buscador.ArchivoCatalogo names. Raises Err when it cannot be written.
void GeneraCatalogoBusquedas();

// Points the lookup object at its catalogue: the one in the program folder
// when it is there or that folder can be written, else the one in the
// user's data folder. A missing catalogue is written; a failure to write it
// is passed over so the start-up goes on.
void PreparaCatalogoBusquedas(const QString& carpetaPrograma);
