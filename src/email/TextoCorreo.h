#pragma once

#include <QString>

// An escaped URL piece as a file name: with Force "+" is a blank, every
// "%xx" becomes its character (a "%25" a "%"), "/" becomes "\" and blanks
// "_". Value is left with the decoded text before the blanks are replaced.
QString GetStringFile(QString& Value, bool Force);
// The file name at the end of an image's src, through GetStringFile; empty
// when the src has no "/".
QString ObtieneNombreImagen(const QString& src);
// The text as a page: every CR becomes "<BR>" (the argument keeps that text).
QString ConvierteTextoHtml(QString& texto);
// The operator's comment ready for the body: HTML-escaped, then every blank
// "&nbsp;" and every CR LF "<br />".
QString PreparaComentario(const QString& texto);
// The body of the message before its footer. In plain-text mode the message
// is text turned into a page, else already HTML; the comment goes above or
// below it.
QString CuerpoMensaje(bool EnvioManual, bool arriba, const QString& Comentario, const QString& mensaje);
// The footer every message ends with: its style block, six line breaks, and a
// full-width silver table with the bold link to the maker's site (address and
// link text are settings).
QString PieMensaje();
