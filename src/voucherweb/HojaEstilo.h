#pragma once

#include <QString>

// The style sheet every voucher page links, written beside the page.
inline const QString NombreHojaEstilo = QStringLiteral("Style_Vantrelo.css");

// Writes the style sheet into the folder (with or without its trailing
// "/"), replacing any earlier one. Raises Err when it cannot be written.
void writeStyleCSS(const QString& strDirectorio);
