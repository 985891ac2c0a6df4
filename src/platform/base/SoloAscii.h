#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// True when no byte has its high bit set: such a UTF-8 text is plain ASCII,
// and its own Latin-1. Eight bytes a step, with no branch for each.
inline bool SoloAscii(const char* s, std::ptrdiff_t n)
{
    std::uint64_t altos = 0;
    std::ptrdiff_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t bloque;
        std::memcpy(&bloque, s + i, sizeof bloque);
        altos |= bloque;
    }
    for (; i < n; ++i)
        altos |= static_cast<unsigned char>(s[i]);
    return (altos & 0x8080808080808080ULL) == 0;
}
