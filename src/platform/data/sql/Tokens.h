#pragma once

#include <QString>
#include <QVector>

// The SQL Server texts the system builds, cut into tokens. Every rule of the
// adapter works on tokens, so words inside string literals, quoted names and
// comments are never touched.

struct Token {
    enum Tipo { Espacio, Comentario, Cadena, Numero, Palabra, Nombre, Simbolo };
    Tipo tipo;
    QString texto;
};
using Tokens = QVector<Token>;

Tokens Tokeniza(const QString& sql);
QString Une(const Tokens& tokens);
