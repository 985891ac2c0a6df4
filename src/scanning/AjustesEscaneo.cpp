#include "scanning/AjustesEscaneo.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

std::optional<double> NumeroDeCampo(const QString& texto)
{
    static const QLocale numeros = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        return c;
    }();
    bool ok = false;
    const double valor = numeros.toDouble(texto.trimmed(), &ok);
    if (!ok || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

RevisionAjuste RevisaAjuste(const QString& texto, const RangoAjuste& rango)
{
    RevisionAjuste revision;
    const std::optional<double> numero = NumeroDeCampo(texto);
    if (!numero)
        return revision;
    // Whole-number settings round half to even, as the 16-bit conversion does.
    const double valor = rango.entero ? std::nearbyint(*numero) : *numero;
    if (valor >= rango.minimo && valor <= rango.maximo)
        revision.valor = valor;
    else
        revision.textoCorregido = QString::fromLatin1(rango.porDefecto);
    return revision;
}

int TipoPixelDe(const QString& tipoEscaneo)
{
    if (tipoEscaneo.compare(QStringLiteral("Escala de Grises"), Qt::CaseInsensitive) == 0)
        return 1;
    if (tipoEscaneo.compare(QStringLiteral("Colores"), Qt::CaseInsensitive) == 0)
        return 2;
    return 0;
}

int16_t CopiasAEscanear(int16_t copiasPedidas, const QString& textoCopias)
{
    if (copiasPedidas != 1)
        return copiasPedidas;
    const RevisionAjuste revision = RevisaAjuste(textoCopias, RangoCopias);
    return revision.valor ? int16_t(*revision.valor) : copiasPedidas;
}

double ResolucionAEscanear(double resolucion, const QString& textoResolucion)
{
    const double pedida = NumeroDeCampo(textoResolucion) ? resolucion : ResolucionPorDefecto;
    return std::max(pedida, ResolucionMinima);
}
