#pragma once

#include <QDate>
#include <QString>

// The product name the pages carry in their GENERATOR META text.
inline const QString NombreProducto = QStringLiteral("Escaneo de Documentos");

// The head every voucher page opens with, one line: HTML, HEAD, the two
// META texts, the generation comment dated `hoy` (dd-mm-yyyy), the title,
// the style sheet link, the end of HEAD and, without frames, BODY.
QString getCabeceraHTML(const QString& Titulo, bool blnWithFrames, const QDate& hoy = QDate::currentDate());
