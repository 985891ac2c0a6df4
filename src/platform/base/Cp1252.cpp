#include "platform/base/Cp1252.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Bytes 0x80-0x9F; the five bytes the code page leaves undefined stand for
// the control character of the same number, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kAltos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte for a code point, or -1 when the code page lacks it.
int byteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (size_t i = 0; i < kAltos.size(); ++i) {
        if (kAltos[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

// How many characters are tested and copied at once.
constexpr qsizetype Bloque = 16;

// Copies a block of plain ASCII characters as bytes; false, copying
// nothing, when the block holds any other character.
bool copiaAscii(const char16_t* origen, char* destino)
{
#if defined(__SSE2__)
    const __m128i primeros = _mm_loadu_si128(reinterpret_cast<const __m128i*>(origen));
    const __m128i ultimos = _mm_loadu_si128(reinterpret_cast<const __m128i*>(origen + Bloque / 2));
    const __m128i altos = _mm_and_si128(_mm_or_si128(primeros, ultimos), _mm_set1_epi16(short(0xFF80)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(altos, _mm_setzero_si128())) != 0xFFFF)
        return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(destino), _mm_packus_epi16(primeros, ultimos));
    return true;
#else
    // Working on copies of fixed size lets the compiler use vector
    // instructions where it can.
    char16_t caracteres[Bloque];
    std::memcpy(caracteres, origen, sizeof caracteres);
    char16_t todos = 0;
    for (char16_t u : caracteres)
        todos |= u;
    if (todos >= 0x80)
        return false;
    char bytes[Bloque];
    for (qsizetype k = 0; k < Bloque; ++k)
        bytes[k] = char(caracteres[k]);
    std::memcpy(destino, bytes, sizeof bytes);
    return true;
#endif
}

// Appends to `salida`.
template <typename Sustituto>
void codifica(QStringView texto, Sustituto sustituto, QByteArray& salida)
{
    // One byte per character in the common case, written in place; only a
    // character outside the code page makes room for its substitute.
    const qsizetype largo = texto.size();
    const char16_t* origen = texto.utf16();
    qsizetype n = salida.size();
    salida.resize(n + largo);
    char* destino = salida.data();
    qsizetype i = 0;
    while (i < largo) {
        // A page is mostly plain ASCII.
        if (largo - i >= Bloque && copiaAscii(origen + i, destino + n)) {
            n += Bloque;
            i += Bloque;
            continue;
        }
        // The end of a long text goes as the last block of it, overlapping
        // what is written: if that block is plain ASCII, so are the characters
        // it covers again, and each of them became one byte.
        const qsizetype quedan = largo - i;
        if (largo >= Bloque && quedan < Bloque
            && copiaAscii(origen + largo - Bloque, destino + n - (Bloque - quedan))) {
            n += quedan;
            i = largo;
            continue;
        }
        // A block with another character goes one character at a time, all
        // of it: trying a block again at the next character would test the
        // same accented letter up to a block's length of times.
        for (const qsizetype fin = std::min(largo, i + Bloque); i < fin;) {
            const char16_t u = origen[i++];
            if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
                destino[n++] = char(u);
                continue;
            }
            char32_t c = u;
            if (QChar::isHighSurrogate(u) && i < largo && QChar::isLowSurrogate(origen[i]))
                c = QChar::surrogateToUcs4(u, origen[i++]);
            else if (QChar::isSurrogate(u))
                c = QChar::ReplacementCharacter;
            const int b = byteDe(c);
            if (b >= 0) {
                destino[n++] = char(b);
                continue;
            }
            const QByteArray otro = sustituto(c);
            salida.resize(n + otro.size() + (largo - i));
            destino = salida.data();
            std::copy(otro.begin(), otro.end(), destino + n);
            n += otro.size();
        }
    }
    salida.truncate(n);
}

}

QString DeCp1252(const QByteArray& bytes)
{
    // One character per byte, written in place: a page of 200 KB is read
    // with no append's checks for sharing and room at every byte.
    QString texto(bytes.size(), Qt::Uninitialized);
    char16_t* destino = reinterpret_cast<char16_t*>(texto.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto u = static_cast<unsigned char>(bytes[i]);
        destino[i] = u >= 0x80 && u <= 0x9F ? kAltos[u - 0x80] : char16_t(u);
    }
    return texto;
}

QByteArray ACp1252(const QString& texto)
{
    QByteArray salida;
    codifica(texto, [](char32_t) { return QByteArray("?"); }, salida);
    return salida;
}

void AgregaCp1252Html(QByteArray& destino, QStringView texto)
{
    codifica(texto, [](char32_t c) { return "&#" + QByteArray::number(uint(c)) + ';'; }, destino);
}

QByteArray ACp1252Html(const QString& texto)
{
    QByteArray salida;
    AgregaCp1252Html(salida, texto);
    return salida;
}
