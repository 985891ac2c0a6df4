#include "voucherweb/TextoPagina.h"

#include "services/Objetos.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <charconv>
#include <iterator>

namespace {

bool EsNumeroReal(const QVariant& valor)
{
    return valor.typeId() == QMetaType::Double || valor.typeId() == QMetaType::Float;
}

QString TextoDouble(double v)
{
    if (v == 0)
        return QStringLiteral("0");
    // Fifteen significant digits hide the binary noise of stored amounts
    // (0.30000000000000004 reads 0.3); very large or small numbers keep the
    // exponent form, as the classic runtime wrote them.
    char cifras[32];
    const std::to_chars_result r = std::to_chars(std::begin(cifras), std::end(cifras), v, std::chars_format::general, 15);
    std::replace(std::begin(cifras), r.ptr, 'e', 'E');
    return QString::fromLatin1(cifras, r.ptr - cifras);
}

QString Escapa(const QString& texto, bool atributo)
{
    const auto especial = [atributo](QChar c) {
        return c == u'&' || c == u'<' || c == u'>' || (atributo && (c == u'"' || c == u'\''));
    };
    // Most values hold no markup: they are shared, not copied.
    if (std::none_of(texto.begin(), texto.end(), especial))
        return texto;
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto) {
        switch (c.unicode()) {
        case u'&':
            r += QStringLiteral("&amp;");
            break;
        case u'<':
            r += QStringLiteral("&lt;");
            break;
        case u'>':
            r += QStringLiteral("&gt;");
            break;
        case u'"':
            r += atributo ? QStringLiteral("&quot;") : QStringLiteral("\"");
            break;
        case u'\'':
            r += atributo ? QStringLiteral("&#39;") : QStringLiteral("'");
            break;
        default:
            r += c;
        }
    }
    return r;
}

}

QString TextoPlano(const QVariant& valor)
{
    if (EsNumeroReal(valor))
        return TextoDouble(valor.toDouble());
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

QString HtmlValor(const QVariant& valor)
{
    return Html(TextoPlano(valor));
}

QString HtmlValorRecortado(const QVariant& valor)
{
    return Html(TextoPlano(valor).trimmed());
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
