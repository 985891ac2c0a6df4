#include "platform/data/sql/Tokens.h"

namespace {

bool esLetraDePalabra(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// Index just past a quoted run that starts at `i`, where a doubled closing
// character stands for itself.
int finCitado(const QString& sql, int i, QChar cierre)
{
    int j = i + 1;
    for (;;) {
        const int k = sql.indexOf(cierre, j);
        if (k < 0)
            return int(sql.size());
        if (k + 1 < sql.size() && sql[k + 1] == cierre) {
            j = k + 2;
            continue;
        }
        return k + 1;
    }
}

int finNumero(const QString& sql, int i)
{
    const int n = int(sql.size());
    while (i < n && (sql[i].isDigit() || sql[i] == u'.'))
        ++i;
    if (i < n && (sql[i] == u'e' || sql[i] == u'E')) {
        int j = i + 1;
        if (j < n && (sql[j] == u'+' || sql[j] == u'-'))
            ++j;
        if (j < n && sql[j].isDigit()) {
            while (j < n && sql[j].isDigit())
                ++j;
            i = j;
        }
    }
    return i;
}

}  // namespace

Tokens Tokeniza(const QString& sql)
{
    Tokens t;
    const int n = int(sql.size());
    int i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const QChar d = i + 1 < n ? sql[i + 1] : QChar();
        const int inicio = i;
        Token::Tipo tipo;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace())
                ++i;
            tipo = Token::Espacio;
        } else if (c == u'-' && d == u'-') {
            while (i < n && sql[i] != u'\n' && sql[i] != u'\r')
                ++i;
            tipo = Token::Comentario;
        } else if (c == u'/' && d == u'*') {
            const int fin = int(sql.indexOf(QStringLiteral("*/"), i + 2));
            i = fin < 0 ? n : fin + 2;
            tipo = Token::Comentario;
        } else if (c == u'\'' || ((c == u'N' || c == u'n') && d == u'\'')) {
            i = finCitado(sql, c == u'\'' ? i : i + 1, u'\'');
            tipo = Token::Cadena;
        } else if (c == u'[') {
            i = finCitado(sql, i, u']');
            tipo = Token::Nombre;
        } else if (c == u'"') {
            i = finCitado(sql, i, u'"');
            tipo = Token::Nombre;
        } else if (c.isDigit() || (c == u'.' && d.isDigit())) {
            i = finNumero(sql, i);
            tipo = Token::Numero;
        } else if (esLetraDePalabra(c)) {
            while (i < n && esLetraDePalabra(sql[i]))
                ++i;
            tipo = Token::Palabra;
        } else {
            ++i;
            tipo = Token::Simbolo;
        }
        t.push_back(Token{tipo, sql.mid(inicio, i - inicio)});
    }
    return t;
}

QString Une(const Tokens& tokens)
{
    QString s;
    for (const Token& k : tokens)
        s += k.texto;
    return s;
}
