#pragma once

#include <QString>

// Turns the command line into a connected, configured run. Returns false when
// no main connection results: the caller must then end the program, as
// nothing further ran. A run-time error other than 5 ends the routine
// silently; with the connection open the start-up then goes on.
bool IniciaConexion(bool UsaIniSiVacia, const QString& LineaComando, QString& CadenaConexion, int ModoConexion);
// The value of one key in a text of "key=value|" entries; a key with no "|"
// after it takes the rest of the text.
QString ObtieneParametroAdicional(const QString& Texto, const QString& Clave);
// (Re)opens the statistics database and reads the command time-out from it.
void ConectaEstadisticas();
// "tcp/HOST:1433" gives "HOST".
QString ObtieneNombreServidor(const QString& Servidor);
