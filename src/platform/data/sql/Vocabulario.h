#pragma once

#include <QStringView>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The keywords of both dialects are ASCII, and SQL reads them without regard
// to case: so does this, letter by letter, without building a new text.
inline bool IgualSinCaso(QStringView texto, std::string_view palabra)
{
    if (texto.size() != qsizetype(palabra.size()))
        return false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        const char p = palabra[size_t(i)];
        if (c == char16_t(p))
            continue;
        // The same letter in the other case differs only in the 0x20 bit.
        const char16_t minuscula = c | 0x20;
        if (minuscula != char16_t(p | 0x20) || minuscula < u'a' || minuscula > u'z')
            return false;
    }
    return true;
}

// A fixed set of such words.
class Vocabulario {
public:
    Vocabulario(std::initializer_list<std::string_view> palabras);
    bool contiene(QStringView palabra) const;

private:
    static constexpr size_t maximo = 32;
    std::vector<std::string> casillas_;  // upper-case, open addressing; empty is free
    // Bit n set when some word has n letters, bit c when one begins with
    // the letter 'A' + c: most words are out at once.
    std::uint32_t largos_ = 0;
    std::uint32_t iniciales_ = 0;
};
