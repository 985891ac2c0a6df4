#pragma once

#include <QByteArray>
#include <QString>

// The system's ANSI code page: every text file it writes or reads.
QString DeCp1252(const QByteArray& bytes);
// Characters outside the code page become "?".
QByteArray ACp1252(const QString& texto);
// For pages: characters outside the code page become "&#N;".
QByteArray ACp1252Html(const QString& texto);
// The same, appended to what the buffer holds.
void AgregaCp1252Html(QByteArray& destino, QStringView texto);
