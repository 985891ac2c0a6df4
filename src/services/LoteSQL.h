#pragma once

#include "platform/data/ConexionDatos.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Runs the statements as one transaction on the main connection; commits
// when the server reports no error, else rolls back, logs an AUX_ERR row and
// reports. A COMMIT that fails is a failure too, reported the same way.
// Blank entries are skipped; a list of only blanks sends nothing.
void GActualizarDatoScript(const QStringList& sentencias, bool& hayError, int32_t& numeroError, bool silencio2627,
                           bool silencio547, QString& textoLote, QString& mensaje, bool mostrarMensaje);
// "native : description" + CR LF per server error; of several, the last
// (the server's closing notice) is left out.
QString TextoErroresServidor(const std::vector<ErrorDatos>& errores);
// Appends one AUX_ERR row; never raises.
void GrabaErrorSQL(const QString& sql, const QString& proceso, int32_t numeroError, const QString& descripcion);
// The module's date and time format texts: "dd/mm/yy hh:mm", "dd/mm/yy", "hh:mm".
QString FormatoFechaHora();
QString FormatoFecha();
QString FormatoHora();
