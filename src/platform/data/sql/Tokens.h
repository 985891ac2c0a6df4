#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// The SQL Server texts the system builds, cut into tokens. Every rule of the
// adapter works on tokens, so words inside string literals, quoted names and
// comments are never touched.

// A token is a view of the text it was cut from, which must outlive it;
// the tokens the rules add view texts that live as long as the program.
struct Token {
    enum Tipo { Espacio, Comentario, Cadena, Numero, Palabra, Nombre, Simbolo };
    Tipo tipo;
    QStringView texto;
};

// A statement's tokens, indexed by int as the rules walk them.
class Tokens {
public:
    int size() const { return int(lista_.size()); }
    Token& operator[](int i) { return lista_[size_t(i)]; }
    const Token& operator[](int i) const { return lista_[size_t(i)]; }
    auto begin() { return lista_.begin(); }
    auto end() { return lista_.end(); }
    auto begin() const { return lista_.begin(); }
    auto end() const { return lista_.end(); }

    void reserve(int n) { lista_.reserve(size_t(n)); }
    void push_back(const Token& k) { lista_.push_back(k); }
    void insert(int i, const Token& k) { lista_.insert(lista_.begin() + i, k); }
    void remove(int i, int n) { lista_.erase(lista_.begin() + i, lista_.begin() + i + n); }
    Tokens mid(int i, int n) const
    {
        Tokens t;
        t.lista_.assign(lista_.begin() + i, lista_.begin() + i + n);
        return t;
    }

private:
    std::vector<Token> lista_;
};

Tokens Tokeniza(const QString& sql);
// The tokens would outlive a temporary text.
Tokens Tokeniza(QString&& sql) = delete;
QString Une(const Tokens& tokens);
