#include "email/ImagenesPagina.h"

#include "email/TextoCorreo.h"

#include <QFileInfo>
#include <QUrl>

#include <map>

namespace {

// Where the value of one <img>'s src attribute lies in the text.
struct Fuente {
    qsizetype inicio = 0;
    qsizetype largo = 0;
};

bool EsEspacio(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// The attributes of the tag that starts at `desde` (just after "<img"),
// read up to its ">", with quoted values that may hold ">".
bool BuscaSrc(const QString& html, qsizetype desde, Fuente& fuente, qsizetype& fin)
{
    qsizetype i = desde;
    bool hallada = false;
    while (i < html.size() && html.at(i) != u'>') {
        if (EsEspacio(html.at(i)) || html.at(i) == u'/') {
            ++i;
            continue;
        }
        const qsizetype nombreDesde = i;
        while (i < html.size() && !EsEspacio(html.at(i)) && html.at(i) != u'=' && html.at(i) != u'>')
            ++i;
        const QString nombre = html.mid(nombreDesde, i - nombreDesde);
        while (i < html.size() && EsEspacio(html.at(i)))
            ++i;
        if (i >= html.size() || html.at(i) != u'=')
            continue;
        ++i;
        while (i < html.size() && EsEspacio(html.at(i)))
            ++i;
        Fuente valor;
        if (i < html.size() && (html.at(i) == u'"' || html.at(i) == u'\'')) {
            const QChar comilla = html.at(i);
            const qsizetype cierra = html.indexOf(comilla, i + 1);
            const qsizetype hasta = cierra < 0 ? html.size() : cierra;
            valor = {i + 1, hasta - i - 1};
            i = cierra < 0 ? html.size() : cierra + 1;
        } else {
            const qsizetype valorDesde = i;
            while (i < html.size() && !EsEspacio(html.at(i)) && html.at(i) != u'>')
                ++i;
            valor = {valorDesde, i - valorDesde};
        }
        if (!hallada && nombre.compare(QLatin1String("src"), Qt::CaseInsensitive) == 0) {
            fuente = valor;
            hallada = true;
        }
    }
    fin = i;
    return hallada;
}

// Every <img> tag's src, in order; a tag without src counts as an image with
// an empty one, as the document's image list holds it.
std::vector<Fuente> Fuentes(const QString& html)
{
    std::vector<Fuente> fuentes;
    qsizetype i = 0;
    // Every tag's "<" is found by the fast search for one character, and only
    // there is "img" compared without regard to case.
    while ((i = html.indexOf(u'<', i)) >= 0) {
        const qsizetype despues = i + 4;
        const bool img = QStringView(html).mid(i + 1, 3).compare(QLatin1String("img"), Qt::CaseInsensitive) == 0;
        if (!img || (despues < html.size() && !EsEspacio(html.at(despues)) && html.at(despues) != u'/' &&
                     html.at(despues) != u'>')) {
            ++i;
            continue;
        }
        Fuente f{despues, 0};
        qsizetype fin = despues;
        BuscaSrc(html, despues, f, fin);
        fuentes.push_back(f);
        i = fin;
    }
    return fuentes;
}

// The attribute's text as the page means it: the file's URL.
QString ValorAtributo(QString texto)
{
    return texto.replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

}

std::vector<QString> FuentesImagenes(const QString& html)
{
    std::vector<QString> textos;
    for (const Fuente& f : Fuentes(html))
        textos.push_back(html.mid(f.inicio, f.largo));
    return textos;
}

std::vector<ImagenDePagina> ImagenesIncrustadas(const std::vector<QString>& fuentes)
{
    std::vector<ImagenDePagina> imagenes;
    for (size_t i = 0; i < fuentes.size(); ++i) {
        const QString& src = fuentes[i];
        if (!src.startsWith(QLatin1String("file:///"), Qt::CaseInsensitive))
            continue;
        const QString url = ValorAtributo(src);
        const QString nombre = ObtieneNombreImagen(url);
        const QString ruta = QUrl(url).toLocalFile();
        if (nombre.isEmpty() || !QFileInfo(ruta).isFile())
            continue;
        imagenes.push_back({src, {ruta, nombre + QString::number(i)}});
    }
    return imagenes;
}

QString ApuntaACid(const QString& html, const std::vector<ImagenDePagina>& imagenes)
{
    std::map<QString, QString> cid;
    for (const ImagenDePagina& imagen : imagenes)
        cid.emplace(imagen.src, QStringLiteral("cid:") + imagen.parte.contentId);
    QString enviado;
    qsizetype copiado = 0;
    for (const Fuente& f : Fuentes(html)) {
        const auto hallado = cid.find(html.mid(f.inicio, f.largo));
        if (hallado == cid.end())
            continue;
        enviado += QStringView(html).mid(copiado, f.inicio - copiado);
        enviado += hallado->second;
        copiado = f.inicio + f.largo;
    }
    enviado += QStringView(html).mid(copiado);
    return enviado;
}
