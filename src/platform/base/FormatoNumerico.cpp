#include "platform/base/FormatoNumerico.h"

#include "platform/base/Err.h"

#include <QLocale>

namespace {

FormatoNumerico& instalado()
{
    static FormatoNumerico formato = FormatoNumerico::delSistema();
    return formato;
}

int64_t potenciaDeDiez(int exponente)
{
    int64_t p = 1;
    while (exponente-- > 0)
        p *= 10;
    return p;
}

// The integer part's digits with a separator every three from the right.
QString agrupado(const QString& digitos, QChar separador)
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

FormatoNumerico FormatoNumerico::delSistema()
{
    const QLocale local = QLocale::system();
    FormatoNumerico f;
    f.separadorDecimal = local.decimalPoint().isEmpty() ? QChar(u'.') : local.decimalPoint().at(0);
    f.separadorMiles = local.groupSeparator().isEmpty() ? QChar(u',') : local.groupSeparator().at(0);
    // Qt gives the currency's digits only through a formatted example.
    const QString ejemplo = local.toCurrencyString(1.0, QStringLiteral(" "));
    f.decimalesMoneda = 0;
    for (qsizetype i = ejemplo.lastIndexOf(f.separadorDecimal) + 1; i > 0 && i < ejemplo.size() && ejemplo[i].isDigit(); ++i)
        ++f.decimalesMoneda;
    return f;
}

QString FormatoNumerico::fijo(Moneda valor, int decimales, bool agrupa) const
{
    // The count of units of the last place kept, so nothing is multiplied
    // back out of range; places past the fourth are zeros.
    const int guardados = decimales < 4 ? decimales : 4;
    const int64_t redondeado = MultiplicaYDivideAlPar(valor.diezmilesimas, 1, potenciaDeDiez(4 - guardados));
    const bool negativo = redondeado < 0;
    const uint64_t cuenta = negativo ? uint64_t(0) - uint64_t(redondeado) : uint64_t(redondeado);
    const uint64_t escala = uint64_t(potenciaDeDiez(guardados));
    QString texto = QString::number(cuenta / escala);
    if (agrupa)
        texto = agrupado(texto, separadorMiles);
    if (decimales > 0) {
        texto += separadorDecimal;
        if (guardados > 0)
            texto += QString::number(cuenta % escala).rightJustified(guardados, u'0');
        texto += QString(decimales - guardados, u'0');
    }
    return negativo ? u'-' + texto : texto;
}

QString FormatoNumerico::texto(Moneda valor) const
{
    return valor.texto().replace(u'.', separadorDecimal);
}

std::optional<QString> FormatoNumerico::numero(const QString& texto) const
{
    QString s;
    s.reserve(texto.size());
    for (QChar c : texto) {
        if (!c.isSpace() && (c != separadorMiles || separadorMiles == separadorDecimal))
            s += c == separadorDecimal ? QChar(u'.') : c;
    }
    QString numero;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        if (s[i] == u'-')
            numero += u'-';
        ++i;
    }
    bool hayDigitos = false, hayPunto = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c >= u'0' && c <= u'9')
            hayDigitos = true;
        else if (c == u'.' && !hayPunto)
            hayPunto = true;
        else
            return std::nullopt;
        numero += c;
    }
    if (!hayDigitos)
        return std::nullopt;
    return numero;
}

const FormatoNumerico& formatoNumerico()
{
    return instalado();
}

FormatoNumerico instalaFormatoNumerico(const FormatoNumerico& nuevo)
{
    const FormatoNumerico anterior = instalado();
    instalado() = nuevo;
    return anterior;
}

Moneda RedondeaMoneda(Moneda valor, int decimales)
{
    const int64_t paso = potenciaDeDiez(4 - decimales);
    int64_t redondeado = 0;
    if (__builtin_mul_overflow(MultiplicaYDivideAlPar(valor.diezmilesimas, 1, paso), paso, &redondeado))
        throw Err(NumeroError::Desbordamiento, QStringLiteral("Desbordamiento"));
    return Moneda{redondeado};
}
