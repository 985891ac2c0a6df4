#pragma once

#include <QString>

#include <functional>

class ConexionDatos;
class QObject;

// How a statement reaches its connection: the program runs it with
// ConexionDatos::Ejecuta; tests put a recording server in its place where
// SQLite cannot give the server's errors.
using EjecutaSentencia = std::function<void(ConexionDatos&, const QString&)>;

// Runs an SQL script file on the main connection.
// Ordinary mode: batches are separated by lines "GO" or "/"; the script is
// run again (up to 20 passes) while a batch fails because an object does not
// exist yet, and each later pass runs only the batches that failed before.
// IF NOT EXISTS mode: each "IF NOT EXISTS" line starts a statement, sent with
// its lines joined by blanks.
// Lines with "drop table"/"truncate table" need the access code unless
// `Autorizado`; the right code sets it for the caller. Failures are written
// to a log in the temporary folder, offered to the operator at the end.
// `Ventana` may hold a label "picStatus" that shows the progress.
void Ejecutar(const QString& ArchivoScript, QObject* Ventana, const QString& Filtro, bool& Autorizado,
              bool ModoIfNotExists);
void Ejecutar(const QString& ArchivoScript, QObject* Ventana, const QString& Filtro, bool& Autorizado,
              bool ModoIfNotExists, const EjecutaSentencia& ejecuta);
