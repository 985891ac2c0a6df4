#include "voucherweb/TextoPagina.h"

#include "services/Objetos.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace {

bool EsNumeroReal(const QVariant& valor)
{
    return valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float;
}

// The digits of a number as the page shows it, written in `cifras`.
QLatin1String CifrasDouble(double v, char (&cifras)[32])
{
    if (v == 0)
        return QLatin1String("0");
    // Amounts, nearly every number of a page, are exact in ten-thousandths:
    // then those digits are the fifteen-digit form, written at a fraction of
    // its cost. Below 1e11 there are never more than fifteen of them.
    if (std::abs(v) < 1e11) {
        const Moneda importe{int64_t(std::round(v * 10000))};
        if (importe.aDouble() == v)
            return QLatin1String(cifras, importe.cifras(cifras) - cifras);
    }
    // Fifteen significant digits hide the binary noise of stored amounts
    // (0.30000000000000004 reads 0.3); very large or small numbers keep the
    // exponent form, as printf's %.15G writes them.
    const std::to_chars_result r = std::to_chars(std::begin(cifras), std::end(cifras), v, std::chars_format::general, 15);
    std::replace(std::begin(cifras), r.ptr, 'e', 'E');
    return QLatin1String(cifras, r.ptr - cifras);
}

// The entity that stands for the character, or nothing when it stands for
// itself.
inline QLatin1String Entidad(QChar c, bool atributo)
{
    switch (c.unicode()) {
    case u'&':
        return QLatin1String("&amp;");
    case u'<':
        return QLatin1String("&lt;");
    case u'>':
        return QLatin1String("&gt;");
    case u'"':
        return atributo ? QLatin1String("&quot;") : QLatin1String();
    case u'\'':
        return atributo ? QLatin1String("&#39;") : QLatin1String();
    default:
        return QLatin1String();
    }
}

// Room first kept for one value's text: most fit, a longer one grows it.
constexpr qsizetype LargoValor = 32;

// Appends the text made safe, in runs between the characters replaced.
void AgregaEscapado(TextoFila& destino, QStringView texto, bool atributo)
{
    const QChar* resto = texto.begin();
    for (const QChar* c = texto.begin(); c != texto.end(); ++c) {
        const QLatin1String entidad = Entidad(*c, atributo);
        if (entidad.isEmpty())
            continue;
        destino.Agrega(QStringView(resto, c));
        destino.Agrega(entidad);
        resto = c + 1;
    }
    destino.Agrega(QStringView(resto, texto.end()));
}

QString Escapa(const QString& texto, bool atributo)
{
    // Most values hold no markup: they are shared, not copied.
    if (std::none_of(texto.begin(), texto.end(), [atributo](QChar c) { return !Entidad(c, atributo).isEmpty(); }))
        return texto;
    TextoFila r(texto.size() + texto.size() / 4);
    AgregaEscapado(r, texto, atributo);
    return r.Toma();
}

}

QString TextoPlano(const QVariant& valor)
{
    if (EsNumeroReal(valor)) {
        char cifras[32];
        return CifrasDouble(valor.toDouble(), cifras);
    }
    return ObjUtilidades().ValorCampo(valor);
}

QString Html(const QString& texto)
{
    return Escapa(texto, false);
}

QString HtmlAtributo(const QString& texto)
{
    return Escapa(texto, true);
}

void AgregaHtmlValor(TextoFila& destino, const QVariant& valor, bool recortado)
{
    // Numbers and text, a table's cells, are written in place; numbers hold
    // neither markup nor blanks.
    char cifras[32];
    if (EsNumeroReal(valor))
        return destino.Agrega(CifrasDouble(valor.toDouble(), cifras));
    if (valor.typeId() == QMetaType::QString) {
        const QStringView texto = *static_cast<const QString*>(valor.constData());
        return AgregaEscapado(destino, recortado ? texto.trimmed() : texto, false);
    }
    if ((valor.typeId() == QMetaType::LongLong || valor.typeId() == QMetaType::Int) && !valor.isNull()) {
        const std::to_chars_result r = std::to_chars(std::begin(cifras), std::end(cifras), valor.toLongLong());
        return destino.Agrega(QLatin1String(cifras, r.ptr - cifras));
    }
    const QString texto = ObjUtilidades().ValorCampo(valor);
    AgregaEscapado(destino, recortado ? QStringView(texto).trimmed() : QStringView(texto), false);
}

QString HtmlValor(const QVariant& valor)
{
    TextoFila html(LargoValor);
    AgregaHtmlValor(html, valor, false);
    return html.Toma();
}

QString HtmlValorRecortado(const QVariant& valor)
{
    TextoFila html(LargoValor);
    AgregaHtmlValor(html, valor, true);
    return html.Toma();
}

Moneda MonedaDe(const QVariant& valor)
{
    if (!valor.isValid() || valor.isNull())
        return Moneda{};
    if (valor.typeId() == QMetaType::QString)
        return ObjUtilidades().TextoAMoneda(valor.toString());
    return Moneda::desdeDouble(valor.toDouble());
}

QString TextoHoras(const QVariant& minutos)
{
    if (!minutos.isValid() || minutos.isNull())
        return QString();
    const double numero = minutos.typeId() == QMetaType::QString ? Val(minutos.toString()) : minutos.toDouble();
    return QString::number(numero / 60.0, 'f', 2);
}

QString UrlArchivo(const QString& ruta)
{
    return HtmlAtributo(QUrl::fromLocalFile(QFileInfo(ruta).absoluteFilePath()).toString(QUrl::FullyEncoded));
}

QString ParteEnlace(const QVariant& valor)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(TextoPlano(valor).trimmed()));
}
