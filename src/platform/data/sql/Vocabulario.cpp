#include "platform/data/sql/Vocabulario.h"

#include <array>
#include <cassert>

namespace {

char mayuscula(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// FNV-1a, enough to spread a few dozen keywords.
std::uint32_t dispersa(std::string_view palabra)
{
    std::uint32_t h = 2166136261u;
    for (char c : palabra)
        h = (h ^ std::uint8_t(c)) * 16777619u;
    return h;
}

}  // namespace

Vocabulario::Vocabulario(std::initializer_list<std::string_view> palabras)
{
    size_t capacidad = 8;
    while (capacidad < 2 * palabras.size())
        capacidad *= 2;
    casillas_.resize(capacidad);
    for (std::string_view p : palabras) {
        assert(!p.empty() && p.size() < maximo);
        std::string m(p);
        for (char& c : m)
            c = mayuscula(c);
        assert(m[0] >= 'A' && m[0] <= 'Z');
        iniciales_ |= std::uint32_t(1) << (m[0] - 'A');
        largos_ |= std::uint32_t(1) << m.size();
        size_t i = dispersa(m) & (capacidad - 1);
        while (!casillas_[i].empty() && casillas_[i] != m)
            i = (i + 1) & (capacidad - 1);
        casillas_[i] = std::move(m);
    }
}

bool Vocabulario::contiene(QStringView palabra) const
{
    const size_t n = size_t(palabra.size());
    if (n == 0 || n >= maximo || !(largos_ & (std::uint32_t(1) << n)))
        return false;
    std::array<char, maximo> m;
    for (size_t i = 0; i < n; ++i) {
        const char16_t c = palabra[qsizetype(i)].unicode();
        if (c >= 0x80)
            return false;
        m[i] = mayuscula(char(c));
    }
    if (m[0] < 'A' || m[0] > 'Z' || !(iniciales_ & (std::uint32_t(1) << (m[0] - 'A'))))
        return false;
    const std::string_view buscada(m.data(), n);
    const size_t mascara = casillas_.size() - 1;
    for (size_t i = dispersa(buscada) & mascara; !casillas_[i].empty(); i = (i + 1) & mascara) {
        if (casillas_[i] == buscada)
            return true;
    }
    return false;
}
