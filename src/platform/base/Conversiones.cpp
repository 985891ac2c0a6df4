#include "platform/base/Conversiones.h"

#include "platform/base/Err.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include <locale.h>

namespace {

[[noreturn]] void desborda()
{
    throw Err(NumeroError::Desbordamiento);
}

// Val skips these wherever they stand.
bool seIgnora(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool esDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int valorDigito(QChar c, int base)
{
    int d = -1;
    if (esDigito(c))
        d = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        d = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        d = c.unicode() - u'A' + 10;
    return d < base ? d : -1;
}

// "&H" and "&O" literals: up to 16 bits they read as a signed 16-bit value,
// up to 32 bits as a signed 32-bit value, so "&HFFFF" is -1.
double leeEntero(const QString& s, int base)
{
    uint64_t v = 0;
    for (QChar c : s) {
        int d = valorDigito(c, base);
        if (d < 0)
            break;
        v = v * uint64_t(base) + uint64_t(d);
        if (v > 0xFFFFFFFFull)
            desborda();
    }
    if (v <= 0xFFFF)
        return double(int16_t(uint16_t(v)));
    return double(int32_t(uint32_t(v)));
}

double redondeaPar(double v)
{
    double piso = std::floor(v);
    double resto = v - piso;
    if (resto > 0.5)
        return piso + 1;
    if (resto < 0.5)
        return piso;
    return std::fmod(piso, 2.0) == 0 ? piso : piso + 1;
}

template <typename Entero>
Entero convierteEntero(double valor)
{
    if (std::isnan(valor))
        desborda();
    double r = redondeaPar(valor);
    if (r < double(std::numeric_limits<Entero>::min()) || r > double(std::numeric_limits<Entero>::max()))
        desborda();
    return Entero(r);
}

}

double Val(const QString& texto)
{
    QString s;
    s.reserve(texto.size());
    for (QChar c : texto) {
        if (!seIgnora(c))
            s += c;
    }

    if (s.size() >= 2 && s[0] == u'&') {
        QChar tipo = s[1].toUpper();
        if (tipo == u'H')
            return leeEntero(s.mid(2), 16);
        if (tipo == u'O')
            return leeEntero(s.mid(2), 8);
        return 0;
    }

    // The longest prefix that reads as sign, digits, point, digits, exponent.
    QByteArray numero;
    int i = 0;
    const int n = int(s.size());
    if (i < n && (s[i] == u'-' || s[i] == u'+'))
        numero += char(s[i++].unicode());
    bool hayDigitos = false;
    while (i < n && esDigito(s[i])) {
        numero += char(s[i++].unicode());
        hayDigitos = true;
    }
    if (i < n && s[i] == u'.') {
        numero += '.';
        ++i;
        while (i < n && esDigito(s[i])) {
            numero += char(s[i++].unicode());
            hayDigitos = true;
        }
    }
    if (!hayDigitos)
        return 0;
    if (i < n && (s[i].toUpper() == u'E' || s[i].toUpper() == u'D')) {
        int j = i + 1;
        QByteArray exponente = "e";
        if (j < n && (s[j] == u'-' || s[j] == u'+'))
            exponente += char(s[j++].unicode());
        bool digitosExponente = false;
        while (j < n && esDigito(s[j])) {
            exponente += char(s[j++].unicode());
            digitosExponente = true;
        }
        if (digitosExponente)
            numero += exponente;
    }
    return NumeroCADouble(numero);
}

double NumeroCADouble(const QByteArray& numero)
{
    // The application sets the process locale from the environment, so the
    // plain strtod could want a decimal comma.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const double v = strtod_l(numero.constData(), nullptr, c);
    if (std::isinf(v))
        desborda();
    return v;
}

int16_t CInt(double valor)
{
    return convierteEntero<int16_t>(valor);
}

int32_t CLng(double valor)
{
    return convierteEntero<int32_t>(valor);
}

Moneda Moneda::desdeDouble(double v)
{
    // 2^63 is exactly representable; anything at or beyond it overflows.
    const double limite = 9223372036854775808.0;
    if (std::isnan(v))
        desborda();
    double r = redondeaPar(v * 10000.0);
    if (r >= limite || r < -limite)
        desborda();
    return Moneda{int64_t(r)};
}

QString Moneda::texto() const
{
    char texto[32];
    return QString::fromLatin1(texto, cifras(texto) - texto);
}

char* Moneda::cifras(char* destino) const
{
    const bool negativo = diezmilesimas < 0;
    // Unsigned arithmetic keeps the most negative amount representable.
    uint64_t absoluto = negativo ? uint64_t(0) - uint64_t(diezmilesimas) : uint64_t(diezmilesimas);
    if (negativo)
        *destino++ = '-';
    destino = std::to_chars(destino, destino + 20, absoluto / 10000).ptr;
    uint64_t fraccion = absoluto % 10000;
    if (fraccion != 0) {
        *destino++ = '.';
        for (uint64_t peso = 1000; fraccion != 0; peso /= 10) {
            *destino++ = char('0' + fraccion / peso);
            fraccion %= peso;
        }
    }
    return destino;
}

uint32_t ColorBGRaRGB(long bgr)
{
    uint32_t v = uint32_t(bgr) & 0xFFFFFFu;
    uint32_t rojo = v & 0xFF, verde = (v >> 8) & 0xFF, azul = (v >> 16) & 0xFF;
    return (rojo << 16) | (verde << 8) | azul;
}

int64_t MultiplicaYDivideAlPar(int64_t a, int64_t b, int64_t divisor)
{
    // GCC's 128-bit integers keep the product exact.
    __extension__ using Entero128 = __int128;
    const Entero128 producto = Entero128(a) * b;
    Entero128 cociente = producto / divisor;
    const Entero128 resto = producto % divisor;
    const Entero128 doble = 2 * (resto < 0 ? -resto : resto);
    if (doble > divisor || (doble == divisor && cociente % 2 != 0))
        cociente += producto < 0 ? -1 : 1;
    if (cociente > std::numeric_limits<int64_t>::max() || cociente < std::numeric_limits<int64_t>::min())
        desborda();
    return int64_t(cociente);
}
