#pragma once

#include <QString>

// Turns the command line into a connected, configured run. Returns false when
// no main connection results: the caller must then end the program, as
// nothing further ran. A run-time error other than 5 ends the routine
// silently; with the connection open the start-up then goes on.
bool IniciaConexion(bool UsaIniSiVacia, const QString& LineaComando, QString& CadenaConexion, int ModoConexion);
// (Re)opens the statistics database and reads the command time-out from it.
void ConectaEstadisticas();
