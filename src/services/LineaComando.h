#pragma once

#include <QString>

#include <optional>

// The value of one "@Clave=valor;" pair of the command line. The key is found
// anywhere, without regard to case, but only where "=" follows it (after
// optional blanks), so "@Usuario" is not taken from "@UsuarioLogeado". The
// value runs to the next ";" or to the end of the line; every "=" is removed
// and the result trimmed. Nothing when the key is absent.
std::optional<QString> ValorLineaComando(const QString& linea, const QString& clave);
// The value of one key in a text of "key=value|" entries; a key with no "|"
// after it takes the rest of the text.
QString ObtieneParametroAdicional(const QString& Texto, const QString& Clave);
// "tcp/HOST:1433" gives "HOST".
QString ObtieneNombreServidor(const QString& Servidor);
