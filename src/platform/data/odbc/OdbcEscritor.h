#pragma once

#include "platform/data/Recordset.h"
#include "platform/data/odbc/OdbcFilas.h"

#include <memory>
#include <vector>

// How the server quotes a name: [name] on SQL Server, "name" elsewhere.
enum class Comillas { Corchetes, Dobles };

// The writer of an updatable recordset read from `tabla`: a new row becomes
// INSERT INTO tabla (...) VALUES (?, ...), an edited row UPDATE tabla SET
// c = ?, ... WHERE the row as it was read (its primary key when the recordset
// holds it whole, else every column that can be compared). Values are always
// bound, never written into the text. The server's errors go to `errores`,
// which must live as long as the connection; a writer whose connection has
// closed raises without touching it.
Recordset::Escritor escritorOdbc(std::weak_ptr<EnlaceOdbc> enlace, const QString& tabla,
                                 std::vector<ColumnaOdbc> columnas, Comillas comillas, ErroresDatos* errores);
