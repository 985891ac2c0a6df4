#include "platform/data/sql/Tokens.h"

#include <algorithm>
#include <array>

namespace {

// The ASCII characters that go on a word, looked up rather than worked out:
// the tokenizer asks for every character of every statement.
constexpr std::array<bool, 128> dePalabra = [] {
    std::array<bool, 128> a{};
    for (char c = '0'; c <= '9'; ++c)
        a[size_t(c)] = true;
    for (char c = 'A'; c <= 'Z'; ++c)
        a[size_t(c)] = a[size_t(c - 'A' + 'a')] = true;
    for (char c : {'_', '@', '#', '$'})
        a[size_t(c)] = true;
    return a;
}();

inline bool esLetraDePalabra(QChar c)
{
    return c.unicode() < 0x80 ? dePalabra[c.unicode()] : c.isLetterOrNumber();
}

// Index just past a quoted run that starts at `i`, where a doubled closing
// character stands for itself.
int finCitado(const QChar* sql, int n, int i, QChar cierre)
{
    for (int j = i + 1; j < n; ++j) {
        if (sql[j] != cierre)
            continue;
        if (j + 1 < n && sql[j + 1] == cierre) {
            ++j;
            continue;
        }
        return j + 1;
    }
    return n;
}

int finNumero(const QChar* sql, int n, int i)
{
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

Tokens Tokeniza(const QString& texto)
{
    Tokens t;
    const QChar* const sql = texto.constData();
    const int n = int(texto.size());
    // About one token in six characters, blanks included: most statements
    // then allocate once, under the size the allocator serves from its
    // fast lists.
    t.reserve(n / 6 + 8);
    int i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const QChar d = i + 1 < n ? sql[i + 1] : QChar();
        const int inicio = i;
        Token::Tipo tipo;
        const bool nacional = (c == u'N' || c == u'n') && d == u'\'';
        // Most tokens are words: they are tried first.
        if (esLetraDePalabra(c) && !c.isDigit() && !nacional) {
            while (i < n && esLetraDePalabra(sql[i]))
                ++i;
            tipo = Token::Palabra;
        } else if (c.isSpace()) {
            while (i < n && sql[i].isSpace())
                ++i;
            tipo = Token::Espacio;
        } else if (c == u'-' && d == u'-') {
            while (i < n && sql[i] != u'\n' && sql[i] != u'\r')
                ++i;
            tipo = Token::Comentario;
        } else if (c == u'/' && d == u'*') {
            const int fin = int(texto.indexOf(QStringLiteral("*/"), i + 2));
            i = fin < 0 ? n : fin + 2;
            tipo = Token::Comentario;
        } else if (c == u'\'' || nacional) {
            i = finCitado(sql, n, c == u'\'' ? i : i + 1, u'\'');
            tipo = Token::Cadena;
        } else if (c == u'[') {
            i = finCitado(sql, n, i, u']');
            tipo = Token::Nombre;
        } else if (c == u'"') {
            i = finCitado(sql, n, i, u'"');
            tipo = Token::Nombre;
        } else if (c.isDigit() || (c == u'.' && d.isDigit())) {
            i = finNumero(sql, n, i);
            tipo = Token::Numero;
        } else {
            ++i;
            tipo = Token::Simbolo;
        }
        t.push_back(Token{tipo, QStringView(sql + inicio, i - inicio)});
    }
    return t;
}

QString Une(const Tokens& tokens)
{
    qsizetype largo = 0;
    for (const Token& k : tokens)
        largo += k.texto.size();
    QString s(largo, Qt::Uninitialized);
    QChar* destino = s.data();
    // Tokens that lie together in their text are copied in one run: after
    // the rules most of a statement still does.
    const QChar* inicio = nullptr;
    const QChar* fin = nullptr;
    for (const Token& k : tokens) {
        if (k.texto.data() != fin) {
            destino = std::copy(inicio, fin, destino);
            inicio = k.texto.data();
        }
        fin = k.texto.data() + k.texto.size();
    }
    std::copy(inicio, fin, destino);
    return s;
}
