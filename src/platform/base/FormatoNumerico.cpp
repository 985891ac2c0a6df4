#include "platform/base/FormatoNumerico.h"

#include <QLocale>

#include <cstdlib>

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

QString FormatoNumerico::fijo(Moneda valor, int decimales) const
{
    const int64_t d = RedondeaMoneda(valor, decimales).diezmilesimas;
    const int64_t unidades = std::llabs(d) / 10000;
    const int64_t fraccion = (std::llabs(d) % 10000) / potenciaDeDiez(4 - decimales);
    QString texto = (d < 0 ? QStringLiteral("-") : QString()) + QString::number(unidades);
    if (decimales > 0)
        texto += separadorDecimal + QString::number(fraccion).rightJustified(decimales, u'0');
    return texto;
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
    const int64_t d = valor.diezmilesimas;
    int64_t cociente = d / paso;
    const int64_t resto = d % paso;
    const int64_t doble = 2 * std::llabs(resto);
    if (doble > paso || (doble == paso && cociente % 2 != 0))
        cociente += d < 0 ? -1 : 1;
    return Moneda{cociente * paso};
}
