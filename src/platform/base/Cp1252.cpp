#include "platform/base/Cp1252.h"

#include <QList>

#include <algorithm>
#include <array>

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
    for (qsizetype i = 0; i < largo;) {
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
