#pragma once

#include <QString>

// Writes the footer page "PiePag.htm" with the company name into the
// temporary folder and gives its path. A failing step goes to the shared
// error dialog (4 repeats, 5 goes on, else leaves); a page never written
// leaves the path as it was.
void GeneraPiePagina(QString& Ruta);
