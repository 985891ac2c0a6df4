#pragma once

#include "services/ScriptSQL.h"

#include <QString>

class ConexionDatos;

// Makes sure the login exists with broad rights; creates the statistics
// database when the server reports the login's database missing. A null
// connection means the main one (and is set to it). A login that already
// exists keeps its rights.
void CreaUsuarioBase(QString& baseDatos, QString& usuario, QString& password, ConexionDatos*& conexion);
void CreaUsuarioBase(QString& baseDatos, QString& usuario, QString& password, ConexionDatos*& conexion,
                     const EjecutaSentencia& ejecuta);
// Writes CDB7.SQL to the temporary folder and runs it, reconnects the
// statistics connection to the new database and runs completocve.sql from
// the program folder (as the start-up recorded it); nothing when that script
// is missing. The name is trimmed in the caller's variable.
void CreaBaseDatos(const QString& servidor, QString& baseDatos);
