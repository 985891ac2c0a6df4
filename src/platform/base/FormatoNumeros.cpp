#include "platform/base/FormatoNumeros.h"

#include <QLocale>

#include <cstdint>
#include <optional>

namespace {

std::optional<FormatoNumeros>& instalado()
{
    static std::optional<FormatoNumeros> formato;
    return formato;
}

uint64_t potenciaDeDiez(int n)
{
    uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// The integer part's digits with a separator every three from the right.
QString agrupado(const QString& digitos, const QString& separador)
{
    QString r;
    for (qsizetype i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0)
            r += separador;
        r += digitos[i];
    }
    return r;
}

}

FormatoNumeros FormatoNumeros::DelSistema()
{
    const QLocale local = QLocale::system();
    FormatoNumeros f;
    f.SeparadorDecimal = local.decimalPoint();
    f.SeparadorMiles = local.groupSeparator();
    // The locale gives its currency digits only through a formatted amount.
    const QString moneda = local.toCurrencyString(1.0, QStringLiteral("X"));
    const qsizetype punto = moneda.lastIndexOf(f.SeparadorDecimal);
    int digitos = 0;
    for (qsizetype i = punto + f.SeparadorDecimal.size(); punto >= 0 && i < moneda.size() && moneda[i].isDigit(); ++i)
        ++digitos;
    f.DecimalesMoneda = digitos;
    return f;
}

QString FormatoNumeros::Texto(Moneda importe) const
{
    return importe.texto().replace(u'.', SeparadorDecimal);
}

QString FormatoNumeros::Formatea(Moneda importe, int decimales, bool agrupa) const
{
    // Ten-thousandths rounded to the asked decimals, half to even.
    const int guardados = decimales < 4 ? decimales : 4;
    const int64_t redondeado = MultiplicaYDivideAlPar(importe.diezmilesimas, 1, int64_t(potenciaDeDiez(4 - guardados)));
    const bool negativo = redondeado < 0;
    const uint64_t cociente = negativo ? uint64_t(0) - uint64_t(redondeado) : uint64_t(redondeado);
    const uint64_t escala = potenciaDeDiez(guardados);
    QString entera = QString::number(cociente / escala);
    if (agrupa)
        entera = agrupado(entera, SeparadorMiles);
    QString texto = entera;
    if (decimales > 0) {
        texto += SeparadorDecimal;
        if (guardados > 0)
            texto += QStringLiteral("%1").arg(cociente % escala, guardados, 10, QChar(u'0'));
        texto += QString(decimales - guardados, u'0');
    }
    return negativo ? u'-' + texto : texto;
}

std::optional<QString> FormatoNumeros::Numero(const QString& texto) const
{
    QString s;
    s.reserve(texto.size());
    for (QChar c : texto) {
        if (!c.isSpace())
            s += c;
    }
    if (!SeparadorMiles.isEmpty() && SeparadorMiles != SeparadorDecimal)
        s.remove(SeparadorMiles);
    s.replace(SeparadorDecimal, QStringLiteral("."));

    qsizetype i = 0;
    QString numero;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        if (s[i] == u'-')
            numero += u'-';
        ++i;
    }
    bool hayDigitos = false, hayPunto = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c >= u'0' && c <= u'9') {
            hayDigitos = true;
        } else if (c == u'.' && !hayPunto) {
            hayPunto = true;
        } else {
            return std::nullopt;
        }
        numero += c;
    }
    if (!hayDigitos)
        return std::nullopt;
    return numero;
}

const FormatoNumeros& FormatoNumerosActual()
{
    auto& f = instalado();
    if (!f)
        f = FormatoNumeros::DelSistema();
    return *f;
}

FormatoNumeros InstalaFormatoNumeros(const FormatoNumeros& nuevo)
{
    const FormatoNumeros anterior = FormatoNumerosActual();
    instalado() = nuevo;
    return anterior;
}
