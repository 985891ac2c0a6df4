#include "platform/base/Cp1252.h"
#include "platform/reports/ExportaInforme.h"

// The HTML and RTF exports: the same parts in the same order as the sheet.

namespace {

QString celdaHtml(const QString& etiqueta, const QString& texto, const QString& atributos = QString())
{
    return u'<' + etiqueta + atributos + u'>' + texto.toHtmlEscaped() + QStringLiteral("</") + etiqueta + u'>';
}

QString alinHtml(Diseno::Alineacion a)
{
    return a == Diseno::Alineacion::Derecha  ? QStringLiteral(" style=\"text-align:right\"")
           : a == Diseno::Alineacion::Centro ? QStringLiteral(" style=\"text-align:center\"")
                                              : QString();
}

// RTF text: its control characters escaped, anything past ASCII as the code
// page's byte.
QByteArray rtf(const QString& texto)
{
    QByteArray salida;
    for (const char c : ACp1252(texto)) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}')
            salida += '\\' + QByteArray(1, c);
        else if (b >= 0x80)
            salida += "\\'" + QByteArray::number(b, 16).rightJustified(2, '0');
        else
            salida += c;
    }
    return salida;
}

}

QByteArray InformeHtml(const ContenidoInforme& c)
{
    QString h = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\">") +
                celdaHtml(QStringLiteral("title"), c.titulo) + QStringLiteral("</head><body>\n");
    for (const QString& e : c.empresa)
        h += celdaHtml(QStringLiteral("div"), e) + u'\n';
    h += celdaHtml(QStringLiteral("h1"), c.titulo) + QStringLiteral("\n<table>\n");
    for (const auto& d : c.datos)
        h += QStringLiteral("<tr>") + celdaHtml(QStringLiteral("th"), d.rotulo) + celdaHtml(QStringLiteral("td"), d.valor) +
             QStringLiteral("</tr>\n");
    h += QStringLiteral("</table>\n<table>\n<tr>");
    for (const auto& col : c.columnas)
        h += celdaHtml(QStringLiteral("th"), col.rotulo, alinHtml(col.alineacion));
    h += QStringLiteral("</tr>\n");
    for (const auto& l : c.lineas) {
        h += QStringLiteral("<tr>");
        if (l.clase == Diseno::ClaseFila::Columnas) {
            for (int i = 0; i < l.textos.size(); ++i)
                h += celdaHtml(QStringLiteral("td"), l.textos[i],
                               alinHtml(i < c.columnas.size() ? c.columnas[i].alineacion : Diseno::Alineacion::Izquierda));
        } else {
            const QString t = l.textos.value(0).toHtmlEscaped();
            h += QStringLiteral("<td colspan=\"%1\">%2</td>")
                     .arg(c.columnas.size())
                     .arg(l.clase == Diseno::ClaseFila::Titulo ? QStringLiteral("<b>") + t + QStringLiteral("</b>") : t);
        }
        h += QStringLiteral("</tr>\n");
    }
    h += QStringLiteral("</table>\n<table>\n");
    for (const auto& t : c.totales)
        h += QStringLiteral("<tr>") + celdaHtml(QStringLiteral("th"), t.rotulo) +
             celdaHtml(QStringLiteral("td"), t.valor, QStringLiteral(" style=\"text-align:right\"")) +
             QStringLiteral("</tr>\n");
    h += QStringLiteral("</table>\n");
    for (const auto& b : c.bloques) {
        h += celdaHtml(QStringLiteral("h2"), b.rotulo) + QStringLiteral("\n<ul>\n");
        for (const QString& v : b.valores)
            h += celdaHtml(QStringLiteral("li"), v) + u'\n';
        h += QStringLiteral("</ul>\n");
    }
    h += QStringLiteral("</body></html>\n");
    return ACp1252Html(h);
}

QByteArray InformeRtf(const ContenidoInforme& c)
{
    QByteArray r = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs18\n";
    for (const QString& e : c.empresa)
        r += rtf(e) + "\\par\n";
    r += "{\\b\\fs28 " + rtf(c.titulo) + "}\\par\n";
    for (const auto& d : c.datos)
        r += "{\\b " + rtf(d.rotulo) + "}\\tab " + rtf(d.valor) + "\\par\n";
    // One table row per line, its cells at the layout's widths (in twips).
    QByteArray bordes;
    double x = 0;
    for (const auto& col : c.columnas) {
        x += col.ancho * 56.7;
        bordes += "\\cellx" + QByteArray::number(qRound(x));
    }
    auto fila = [&](const QStringList& textos, bool negrita) {
        r += "\\trowd" + bordes;
        for (int i = 0; i < c.columnas.size(); ++i) {
            const auto a = c.columnas[i].alineacion;
            r += a == Diseno::Alineacion::Derecha ? "\\intbl\\qr " : a == Diseno::Alineacion::Centro ? "\\intbl\\qc " : "\\intbl\\ql ";
            r += (negrita ? "{\\b " : "{") + rtf(textos.value(i)) + "}\\cell";
        }
        r += "\\row\n";
    };
    QStringList rotulos;
    for (const auto& col : c.columnas)
        rotulos << col.rotulo;
    if (!c.columnas.isEmpty())
        fila(rotulos, true);
    for (const auto& l : c.lineas) {
        if (l.clase == Diseno::ClaseFila::Columnas)
            fila(l.textos, false);
        else
            r += "\\pard " + QByteArray(l.clase == Diseno::ClaseFila::Titulo ? "{\\b " : "{") + rtf(l.textos.value(0)) +
                 "}\\par\n";
    }
    r += "\\pard\n";
    for (const auto& t : c.totales)
        r += "{\\b " + rtf(t.rotulo) + "}\\tab " + rtf(t.valor) + "\\par\n";
    for (const auto& b : c.bloques) {
        r += "{\\b " + rtf(b.rotulo) + "}\\par\n";
        for (const QString& v : b.valores)
            r += rtf(v) + "\\par\n";
    }
    r += "}\n";
    return r;
}
