#pragma once

#include <QString>

// Turns the command line into a connected, configured run. Returns false when
// no connection results: the caller must end the program (nothing further
// ran). A run-time error other than 5 ends the routine silently.
bool IniciaConexion(bool UsaIniSiVacia, const QString& LineaComando, QString& CadenaConexion, int ModoConexion);
// The value of one key in a text of "key=value|" entries.
QString ObtieneParametroAdicional(const QString& Texto, const QString& Clave);
void ConectaEstadisticas();
// "tcp/HOST:1433" gives "HOST".
QString ObtieneNombreServidor(const QString& Servidor);
