#include "platform/reports/Diseno.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/Err.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

const QString Cabecera = QStringLiteral("DISENO-ESCANEO 1");

[[noreturn]] void invalido(const QString& archivo, int linea, const QString& motivo)
{
    throw Err(NumeroError::LlamadaInvalida,
              QStringLiteral("El archivo %1 no es un diseño de informe de este sistema (línea %2: %3).")
                  .arg(archivo)
                  .arg(linea)
                  .arg(motivo));
}

QStringList partes(const QString& valor)
{
    QStringList p = valor.split(u'|');
    for (QString& s : p)
        s = s.trimmed();
    return p;
}

class Lectura {
public:
    Lectura(Diseno& d, const QString& archivo) : d_(d), archivo_(archivo) {}

    void linea(int numero, const QString& texto)
    {
        n_ = numero;
        const qsizetype dosPuntos = texto.indexOf(u':');
        if (dosPuntos < 0)
            falla(QStringLiteral("falta «:»"));
        const QStringList clave = texto.left(dosPuntos).simplified().split(u' ');
        const QString valor = texto.mid(dosPuntos + 1).trimmed();
        const QString k = clave[0].toLower();
        const QString arg = clave.size() > 1 ? clave[1] : QString();
        // "titulo" alone is the report's title; with a kind, a row rule.
        static const QStringList conTipo = {"fila", "texto", "blanco", "bloque"};
        const bool llevaTipo = conTipo.contains(k);
        if (clave.size() > 2 || (llevaTipo && arg.isEmpty()) || (!llevaTipo && k != u"titulo" && !arg.isEmpty()))
            falla(QStringLiteral("clave «%1» mal escrita").arg(texto.left(dosPuntos).trimmed()));
        if (k == u"titulo" && arg.isEmpty())
            d_.titulo = valor;
        else if (k == u"vista")
            d_.vista = identificador(valor);
        else if (k == u"une")
            une(valor);
        else if (k == u"orden")
            for (const QString& c : partes(valor))
                d_.orden << referencia(c);
        else if (k == u"tipo")
            d_.campoTipo = referencia(valor);
        else if (k == u"empresa")
            d_.empresa = partes(valor);
        else if (k == u"dato")
            d_.datos << dato(valor);
        else if (k == u"total")
            d_.totales << dato(valor);
        else if (k == u"suma")
            d_.sumas << dato(valor);
        else if (k == u"columna")
            columna(valor);
        else if (k == u"fila" || k == u"titulo" || k == u"texto" || k == u"blanco")
            fila(k, arg, valor);
        else if (k == u"bloque") {
            const QStringList p = partes(valor);
            if (p.size() != 2)
                falla(QStringLiteral("un bloque es «rótulo | VISTA.CAMPO»"));
            d_.bloques << Diseno::Bloque{arg, p[0], referencia(p[1])};
        } else
            falla(QStringLiteral("clave «%1» desconocida").arg(k));
    }

    [[noreturn]] void falla(const QString& motivo) const { invalido(archivo_, n_, motivo); }

private:
    QString identificador(const QString& t) const
    {
        if (t.isEmpty() || !(t[0].isLetter() || t[0] == u'_'))
            falla(QStringLiteral("«%1» no es un nombre").arg(t));
        for (QChar c : t)
            if (!(c.isLetterOrNumber() || c == u'_'))
                falla(QStringLiteral("«%1» no es un nombre").arg(t));
        return t;
    }

    QString referencia(const QString& t) const
    {
        const QStringList p = t.split(u'.');
        if (p.size() != 2)
            falla(QStringLiteral("«%1» no es VISTA.CAMPO").arg(t));
        return identificador(p[0].trimmed()).toUpper() + u'.' + identificador(p[1].trimmed()).toUpper();
    }

    Diseno::Dato dato(const QString& valor) const
    {
        const QStringList p = partes(valor);
        if (p.size() < 2)
            falla(QStringLiteral("se esperaba «rótulo | fuente»"));
        Diseno::Dato d;
        int i = 0;
        d.rotulo = p[i++];
        d.fuente = fuente(p[i++]);
        if (i < p.size())
            d.formato = formato(p[i++]);
        if (i < p.size())
            falla(QStringLiteral("sobra «%1»").arg(p[i]));
        return d;
    }

    QString fuente(const QString& t) const
    {
        if (t.startsWith(u'@')) {
            if (t.size() < 2)
                falla(QStringLiteral("falta el nombre de la fórmula"));
            return t;
        }
        return referencia(t);
    }

    Diseno::Formato formato(const QString& t) const
    {
        static const QStringList nombres = {"texto", "importe", "fecha", "letra", "numero"};
        const qsizetype i = nombres.indexOf(t.toLower());
        if (i < 0)
            falla(QStringLiteral("formato «%1» desconocido").arg(t));
        return Diseno::Formato(i);
    }

    void une(const QString& valor)
    {
        const QStringList p = partes(valor);
        if (p.size() != 3)
            falla(QStringLiteral("una unión es «VISTA | DESDE | CAMPO[=CAMPO] ...»"));
        Diseno::Union u{identificador(p[0]).toUpper(), identificador(p[1]).toUpper(), {}, {}};
        for (const QString& par : p[2].split(u' ', Qt::SkipEmptyParts)) {
            const QStringList lados = par.split(u'=');
            if (lados.size() > 2)
                falla(QStringLiteral("«%1» no es CAMPO=CAMPO").arg(par));
            u.campos << identificador(lados[0]).toUpper();
            u.camposDesde << identificador(lados.value(lados.size() - 1)).toUpper();
        }
        if (u.campos.isEmpty())
            falla(QStringLiteral("una unión sin campos"));
        d_.uniones << u;
    }

    void columna(const QString& valor)
    {
        const QStringList p = partes(valor);
        bool ok = false;
        const double ancho = p.value(1).toDouble(&ok);
        static const QStringList alineaciones = {"izquierda", "centro", "derecha"};
        const qsizetype a = alineaciones.indexOf(p.value(2).toLower());
        if (p.size() != 3 || !ok || ancho <= 0 || a < 0)
            falla(QStringLiteral("una columna es «rótulo | ancho | izquierda/centro/derecha»"));
        d_.columnas << Diseno::Columna{p[0], ancho, Diseno::Alineacion(a)};
    }

    void fila(const QString& k, const QString& tipo, const QString& valor)
    {
        Diseno::Fila f;
        f.tipo = tipo;
        if (k == u"blanco") {
            f.clase = Diseno::ClaseFila::Blanco;
        } else if (k == u"fila") {
            // Each cell is a source and, after a blank, its format.
            for (const QString& c : partes(valor)) {
                const QStringList celda = c.split(u' ', Qt::SkipEmptyParts);
                if (celda.size() > 2)
                    falla(QStringLiteral("una celda es «fuente [formato]»"));
                f.fuentes << (celda.isEmpty() ? Diseno::Dato{}
                                              : Diseno::Dato{QString(), fuente(celda[0]),
                                                             celda.size() > 1 ? formato(celda[1]) : Diseno::Formato::Texto});
            }
        } else {
            f.clase = k == u"titulo" ? Diseno::ClaseFila::Titulo : Diseno::ClaseFila::Texto;
            const QStringList p = partes(valor);
            if (p.size() > 2 || p.last().isEmpty())
                falla(QStringLiteral("se esperaba «[rótulo |] fuente»"));
            f.rotulo = p.size() == 2 ? p[0] : QString();
            f.fuentes << Diseno::Dato{QString(), fuente(p.last()), Diseno::Formato::Texto};
        }
        d_.filas << f;
    }

    Diseno& d_;
    const QString& archivo_;
    int n_ = 0;
};

// Our shipped layouts are UTF-8; one written on the suite's machines is
// Windows-1252.
QString decodifica(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8(bytes);
    return utf8.hasError() ? DeCp1252(bytes) : texto;
}

}

QStringList Diseno::vistas() const
{
    QStringList v{vista};
    for (const Union& u : uniones)
        v << u.vista;
    return v;
}

QStringList Diseno::campos() const
{
    QStringList c;
    auto agrega = [&](const QString& f) {
        if (!f.isEmpty() && !f.startsWith(u'@') && !c.contains(f))
            c << f;
    };
    agrega(campoTipo);
    for (const QList<Dato>* lista : {&datos, &totales, &sumas})
        for (const Dato& d : *lista)
            agrega(d.fuente);
    for (const Fila& f : filas)
        for (const Dato& d : f.fuentes)
            agrega(d.fuente);
    for (const Bloque& b : bloques)
        agrega(b.fuente);
    return c;
}

Diseno InterpretaDiseno(const QString& texto, const QString& archivo)
{
    Diseno d;
    d.archivo = archivo;
    d.texto = texto;
    const QStringList lineas = texto.split(u'\n');
    if (lineas.isEmpty() || lineas[0].trimmed() != Cabecera)
        invalido(archivo, 1, QStringLiteral("no empieza con «%1»").arg(Cabecera));
    Lectura lectura(d, archivo);
    for (int i = 1; i < lineas.size(); ++i) {
        const QString l = lineas[i].trimmed();
        if (!l.isEmpty() && !l.startsWith(u'#'))
            lectura.linea(i + 1, l);
    }
    if (d.vista.isEmpty())
        invalido(archivo, int(lineas.size()), QStringLiteral("falta «vista:»"));
    for (const Diseno::Union& u : d.uniones)
        if (!d.vistas().contains(u.desde))
            invalido(archivo, int(lineas.size()), QStringLiteral("la unión con %1 parte de una vista que no se lee").arg(u.vista));
    for (const QString& c : d.campos())
        if (!d.vistas().contains(c.section(u'.', 0, 0)))
            invalido(archivo, int(lineas.size()), QStringLiteral("%1 no es de una vista que se lee").arg(c));
    return d;
}

Diseno LeeDiseno(const QString& ruta)
{
    const QString archivo = UbicaSinMayusculas(ruta);
    if (!QFileInfo(archivo).isFile())
        throw Err(NumeroError::ArchivoNoEncontrado, QStringLiteral("No se encuentra el informe %1.").arg(ruta));
    const QByteArray bytes = LeeArchivoCompleto(archivo);
    // A binary form from elsewhere must not be read as text line by line.
    if (bytes.contains('\0'))
        invalido(archivo, 1, QStringLiteral("es un archivo binario"));
    return InterpretaDiseno(decodifica(bytes), archivo);
}

QString UbicaSinMayusculas(const QString& ruta)
{
    const QFileInfo info(ruta);
    if (info.exists())
        return ruta;
    const QDir carpeta = info.dir();
    for (const QString& nombre : carpeta.entryList(QDir::Files | QDir::Hidden))
        if (nombre.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return carpeta.filePath(nombre);
    return ruta;
}
