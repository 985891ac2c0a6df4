#include "platform/reports/ContenidoInforme.h"

#include "platform/base/FormatoNumerico.h"

#include <QDateTime>

namespace {

QString textoSimple(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy"));
    QString t = v.toString();
    // A description the print data keeps as RTF shows as its plain text.
    static const QString rtf = QStringLiteral("{\\rtf1\\ansi\\deff0 ");
    if (t.startsWith(rtf))
        t = t.mid(rtf.size()).replace(QLatin1String("\r\n"), QLatin1String(" "));
    return t.trimmed();
}

QDateTime comoFecha(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().startOfDay();
    return QDateTime::fromString(v.toString().trimmed().left(19).replace(u' ', u'T'), Qt::ISODate);
}

bool esVacio(const QString& t)
{
    return t.isEmpty() || t == u".";
}

class Armado {
public:
    Armado(const Diseno& d, const TablaInforme& t, const ListaFormulas& f) : d_(d), t_(t), f_(f) {}

    QString valor(const Diseno::Dato& dato, int fila) const
    {
        if (dato.fuente.isEmpty())
            return {};
        if (dato.fuente.startsWith(u'@'))
            return FormateaValor(f_.valor(dato.fuente.mid(1)), dato.formato);
        const int i = t_.indice(dato.fuente);
        if (i < 0 || fila >= t_.filas.size())
            return {};
        return FormateaValor(t_.filas[fila][i], dato.formato);
    }

    QString suma(const Diseno::Dato& dato) const
    {
        const int i = t_.indice(dato.fuente);
        Moneda total;
        for (int fila = 0; i >= 0 && fila < t_.filas.size(); ++fila)
            total.diezmilesimas += Moneda::desdeDouble(t_.filas[fila][i].toDouble()).diezmilesimas;
        return formatoNumerico().fijo(total, 2, true);
    }

    bool coincide(const QString& regla, int fila) const
    {
        if (regla == u"*")
            return true;
        const int i = t_.indice(d_.campoTipo);
        const QString tipo = i < 0 ? QString() : t_.filas[fila][i].toString().trimmed();
        if (regla == u"-")
            return tipo.isEmpty();
        return tipo.compare(regla, Qt::CaseInsensitive) == 0;
    }

private:
    const Diseno& d_;
    const TablaInforme& t_;
    const ListaFormulas& f_;
};

}

QString FormateaValor(const QVariant& valor, Diseno::Formato formato)
{
    const QString t = textoSimple(valor);
    switch (formato) {
    case Diseno::Formato::Texto:
        return t;
    case Diseno::Formato::Importe: {
        bool ok = false;
        const double n = valor.toDouble(&ok);
        return ok ? formatoNumerico().fijo(Moneda::desdeDouble(n), 2, true) : t;
    }
    case Diseno::Formato::Fecha: {
        const QDateTime f = comoFecha(valor);
        return f.isValid() ? f.toString(QStringLiteral("dd/MM/yyyy")) : t;
    }
    case Diseno::Formato::Letra:
        return t.mid(12, 1);
    case Diseno::Formato::Numero:
        return t.size() >= 12 ? t.left(4) + u'-' + t.mid(4, 8) : t;
    }
    return t;
}

ContenidoInforme ArmaContenido(const Diseno& diseno, const TablaInforme& tabla, const ListaFormulas& formulas,
                               const QStringList& subinformes)
{
    const Armado a(diseno, tabla, formulas);
    ContenidoInforme c;
    c.titulo = diseno.titulo;
    c.columnas = diseno.columnas;
    for (const QString& nombre : diseno.empresa) {
        const QString v = formulas.valor(nombre).trimmed();
        if (!v.isEmpty())
            c.empresa << v;
    }
    for (const Diseno::Dato& d : diseno.datos)
        c.datos << ContenidoInforme::Par{d.rotulo, a.valor(d, 0)};
    for (int fila = 0; fila < tabla.filas.size(); ++fila) {
        for (const Diseno::Fila& regla : diseno.filas) {
            if (!a.coincide(regla.tipo, fila))
                continue;
            ContenidoInforme::Linea l{regla.clase, {}};
            if (regla.clase == Diseno::ClaseFila::Columnas) {
                for (const Diseno::Dato& d : regla.fuentes)
                    l.textos << a.valor(d, fila);
            } else if (regla.clase != Diseno::ClaseFila::Blanco) {
                const QString v = a.valor(regla.fuentes.value(0), fila);
                if (esVacio(v))
                    continue;
                l.textos << (regla.rotulo.isEmpty() ? v : regla.rotulo + QStringLiteral(": ") + v);
            }
            c.lineas << l;
        }
    }
    for (const Diseno::Dato& d : diseno.sumas)
        c.totales << ContenidoInforme::Par{d.rotulo, a.suma(d)};
    for (const Diseno::Dato& d : diseno.totales)
        c.totales << ContenidoInforme::Par{d.rotulo, a.valor(d, 0)};
    for (const Diseno::Bloque& b : diseno.bloques) {
        if (!subinformes.contains(b.subinforme, Qt::CaseInsensitive))
            continue;
        ContenidoInforme::Bloque bloque{b.rotulo, {}};
        const Diseno::Dato dato{QString(), b.fuente, Diseno::Formato::Texto};
        for (int fila = 0; fila < tabla.filas.size(); ++fila) {
            const QString v = a.valor(dato, fila);
            if (!esVacio(v) && !bloque.valores.contains(v))
                bloque.valores << v;
        }
        c.bloques << bloque;
    }
    return c;
}
