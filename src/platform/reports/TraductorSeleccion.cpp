#include "platform/reports/TraductorSeleccion.h"

#include "platform/base/Err.h"
#include "platform/data/ConexionDatos.h"

#include <vector>

namespace {

enum class Clase { Campo, Texto, Numero, Igual, Abre, Cierra, Y, O };

// Far beyond any report's formula, and far below what the parser's recursion
// can take on the stack.
constexpr int ProfundidadMaxima = 200;

struct Simbolo {
    Clase clase;
    QString texto;
};

[[noreturn]] void rechaza(const QString& motivo, const QString& formula)
{
    throw Err(NumeroError::LlamadaInvalida,
              QStringLiteral("La fórmula del informe no se puede usar (%1): %2").arg(motivo, formula));
}

// Only ASCII digits: the number goes into the SQL as written.
bool esCifra(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool esIdentificador(const QString& t)
{
    if (t.isEmpty() || !(t[0].isLetter() || t[0] == u'_'))
        return false;
    for (QChar c : t)
        if (!(c.isLetterOrNumber() || c == u'_'))
            return false;
    return true;
}

class Lector {
public:
    explicit Lector(const QString& formula) : f_(formula) {}

    std::vector<Simbolo> simbolos()
    {
        std::vector<Simbolo> lista;
        while (true) {
            while (i_ < f_.size() && f_[i_].isSpace())
                ++i_;
            if (i_ >= f_.size())
                return lista;
            const QChar c = f_[i_];
            if (c == u'{')
                lista.push_back({Clase::Campo, hasta(u'}', QStringLiteral("falta la llave de cierre"))});
            else if (c == u'\'')
                lista.push_back({Clase::Texto, texto()});
            else if (c == u'(' || c == u')' || c == u'=') {
                lista.push_back({c == u'(' ? Clase::Abre : c == u')' ? Clase::Cierra : Clase::Igual, QString(c)});
                ++i_;
            } else if (esCifra(c) || (c == u'-' && i_ + 1 < f_.size() && esCifra(f_[i_ + 1])))
                lista.push_back({Clase::Numero, numero()});
            else if (c.isLetter())
                lista.push_back(palabra());
            else
                rechaza(QStringLiteral("carácter inesperado «%1»").arg(c), f_);
        }
    }

private:
    QString hasta(QChar fin, const QString& motivo)
    {
        const qsizetype cierre = f_.indexOf(fin, i_ + 1);
        if (cierre < 0)
            rechaza(motivo, f_);
        const QString dentro = f_.mid(i_ + 1, cierre - i_ - 1);
        i_ = cierre + 1;
        return dentro;
    }

    QString texto()
    {
        QString valor;
        for (++i_; i_ < f_.size(); ++i_) {
            if (f_[i_] == u'\0')
                rechaza(QStringLiteral("un texto con el carácter nulo"), f_);
            if (f_[i_] != u'\'') {
                valor += f_[i_];
                continue;
            }
            if (i_ + 1 < f_.size() && f_[i_ + 1] == u'\'') {
                valor += u'\'';
                ++i_;
                continue;
            }
            ++i_;
            return valor;
        }
        rechaza(QStringLiteral("un texto sin apóstrofo de cierre"), f_);
    }

    QString numero()
    {
        const qsizetype desde = i_;
        if (f_[i_] == u'-')
            ++i_;
        while (i_ < f_.size() && esCifra(f_[i_]))
            ++i_;
        if (i_ + 1 < f_.size() && f_[i_] == u'.' && esCifra(f_[i_ + 1])) {
            ++i_;
            while (i_ < f_.size() && esCifra(f_[i_]))
                ++i_;
        }
        if (i_ < f_.size() && (f_[i_].isLetterOrNumber() || f_[i_] == u'.'))
            rechaza(QStringLiteral("un número mal escrito"), f_);
        return f_.mid(desde, i_ - desde);
    }

    Simbolo palabra()
    {
        const qsizetype desde = i_;
        while (i_ < f_.size() && f_[i_].isLetterOrNumber())
            ++i_;
        const QString p = f_.mid(desde, i_ - desde);
        if (p.compare(QLatin1String("AND"), Qt::CaseInsensitive) == 0)
            return {Clase::Y, p};
        if (p.compare(QLatin1String("OR"), Qt::CaseInsensitive) == 0)
            return {Clase::O, p};
        rechaza(QStringLiteral("«%1» no es AND ni OR").arg(p), f_);
    }

    const QString& f_;
    qsizetype i_ = 0;
};

class Analizador {
public:
    Analizador(const TraductorSeleccion& t, const ConexionDatos& cn, const QString& formula)
        : t_(t), cn_(cn), formula_(formula), s_(Lector(formula).simbolos())
    {
    }

    QString todo()
    {
        const QString sql = disyuncion();
        if (i_ < s_.size())
            rechaza(QStringLiteral("sobra «%1»").arg(s_[i_].texto), formula_);
        return sql;
    }

private:
    bool es(Clase c) const { return i_ < s_.size() && s_[i_].clase == c; }

    const Simbolo& toma(Clase c, const QString& esperado)
    {
        if (!es(c))
            rechaza(i_ < s_.size() ? QStringLiteral("se esperaba %1 en lugar de «%2»").arg(esperado, s_[i_].texto)
                                   : QStringLiteral("se esperaba %1 al final").arg(esperado),
                    formula_);
        return s_[i_++];
    }

    QString disyuncion()
    {
        QString sql = conjuncion();
        while (es(Clase::O)) {
            ++i_;
            sql += QStringLiteral(" OR ") + conjuncion();
        }
        return sql;
    }

    QString conjuncion()
    {
        QString sql = factor();
        while (es(Clase::Y)) {
            ++i_;
            sql += QStringLiteral(" AND ") + factor();
        }
        return sql;
    }

    QString factor()
    {
        if (es(Clase::Abre)) {
            if (++profundidad_ > ProfundidadMaxima)
                rechaza(QStringLiteral("más de %1 paréntesis anidados").arg(ProfundidadMaxima), formula_);
            ++i_;
            const QString dentro = disyuncion();
            toma(Clase::Cierra, QStringLiteral("«)»"));
            --profundidad_;
            return u'(' + dentro + u')';
        }
        const QString campo = t_.campo(toma(Clase::Campo, QStringLiteral("un campo entre llaves")).texto, formula_);
        toma(Clase::Igual, QStringLiteral("«=»"));
        if (es(Clase::Numero))
            return campo + QStringLiteral(" = ") + s_[i_++].texto;
        return campo + QStringLiteral(" = ") + cn_.FormatoLiteral(toma(Clase::Texto, QStringLiteral("un valor")).texto);
    }

    const TraductorSeleccion& t_;
    const ConexionDatos& cn_;
    const QString& formula_;
    std::vector<Simbolo> s_;
    size_t i_ = 0;
    int profundidad_ = 0;
};

}

TraductorSeleccion::TraductorSeleccion(const ConexionDatos& conexion, QStringList vistas)
    : conexion_(conexion), vistas_(std::move(vistas))
{
}

QString TraductorSeleccion::campo(const QString& referencia, const QString& formula) const
{
    const QString& origen = formula.isNull() ? referencia : formula;
    const qsizetype punto = referencia.indexOf(u'.');
    if (punto < 0)
        rechaza(QStringLiteral("«%1» no es Vista.Campo").arg(referencia), origen);
    const QString vista = referencia.left(punto).trimmed();
    QString nombre = referencia.mid(punto + 1).trimmed();
    if (nombre.startsWith(u'[') && nombre.endsWith(u']'))
        nombre = nombre.mid(1, nombre.size() - 2).trimmed();
    qsizetype cual = -1;
    for (qsizetype k = 0; k < vistas_.size() && cual < 0; ++k)
        if (vistas_[k].compare(vista, Qt::CaseInsensitive) == 0)
            cual = k;
    if (cual < 0)
        rechaza(QStringLiteral("el informe no lee la vista «%1»").arg(vista), origen);
    QString sinBlancos = nombre;
    sinBlancos.replace(u' ', u'_');
    if (!esIdentificador(sinBlancos) || nombre.contains(QLatin1String("  ")))
        rechaza(QStringLiteral("«%1» no es un nombre de campo").arg(nombre), origen);
    return vistas_[cual] + QStringLiteral(".[") + nombre + u']';
}

QString TraductorSeleccion::condicion(const QString& formula) const
{
    if (formula.trimmed().isEmpty())
        return {};
    return Analizador(*this, conexion_, formula).todo();
}

QString TraductorSeleccion::orden(const QStringList& campos) const
{
    QStringList partes;
    for (const QString& c : campos) {
        const QString t = c.trimmed();
        if (t.isEmpty())
            continue;
        const QString dentro = t.mid(1).trimmed();
        if ((t[0] != u'+' && t[0] != u'-') || !dentro.startsWith(u'{') || dentro.indexOf(u'}') != dentro.size() - 1)
            rechaza(QStringLiteral("un campo de orden se escribe +{Vista.Campo} o -{Vista.Campo}"), t);
        partes << campo(dentro.mid(1, dentro.size() - 2), t) + (t[0] == u'-' ? QStringLiteral(" DESC") : QString());
    }
    return partes.join(QStringLiteral(", "));
}
