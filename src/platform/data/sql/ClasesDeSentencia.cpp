#include "platform/data/sql/ClasesDeSentencia.h"

#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

namespace {

// The significant tokens' texts, upper-cased words, for classifying.
QStringList palabras(const Tokens& t)
{
    QStringList p;
    for (const Token& k : t) {
        if (Significativo(k))
            p << (k.tipo == Token::Palabra ? k.texto.toUpper() : k.texto);
    }
    return p;
}

QStringList argumentosDeLiteral(const Tokens& t)
{
    QStringList a;
    for (const Token& k : t) {
        if (k.tipo == Token::Cadena)
            a << SinComillas(k);
    }
    return a;
}

SentenciaAdaptada siExiste(const Tokens& t)
{
    const int si = Primero(t, 0, int(t.size()));
    int e = Siguiente(t, si);
    const bool niega = e >= 0 && EsPalabra(t[e], "NOT");
    if (niega)
        e = Siguiente(t, e);
    const int abre = e < 0 ? -1 : Siguiente(t, e);
    const int c = abre < 0 ? -1 : Cierre(t, abre, int(t.size()));
    if (e < 0 || !EsPalabra(t[e], "EXISTS") || !EsSimbolo(t[abre], '(') || c < 0 || Siguiente(t, c) >= 0)
        return {SentenciaAdaptada::Normal, Une(t), {}};
    const QString consulta = AplicaReglas(t.mid(abre, c - abre + 1));
    return {SentenciaAdaptada::SiExiste,
            QStringLiteral("SELECT ") + (niega ? QStringLiteral("NOT ") : QString()) + QStringLiteral("EXISTS ") + consulta,
            {}};
}

}  // namespace

SentenciaAdaptada Clasifica(const Tokens& t)
{
    const QStringList p = palabras(t);
    const QString a = p.value(0), b = p.value(1);
    using S = SentenciaAdaptada;
    if (a == u"SET" && p.size() == 3 && (p[2] == u"ON" || p[2] == u"OFF"))
        return {S::Nada, {}, {}};
    if (a == u"USE")
        return {S::Nada, {}, {}};
    if (a == u"EXEC" || a == u"EXECUTE") {
        if (b.compare(QLatin1String("sp_addlogin"), Qt::CaseInsensitive) == 0)
            return {S::AgregaLogin, {}, argumentosDeLiteral(t)};
        if (b.startsWith(QLatin1String("SP_"), Qt::CaseInsensitive))
            return {S::Nada, {}, {}};
    }
    if (a == u"CREATE" && b == u"DATABASE" && p.size() >= 3) {
        const int nombre = Siguiente(t, Siguiente(t, Primero(t, 0, int(t.size()))));
        return {S::CreaBase, {}, {SinComillas(t[nombre])}};
    }
    if (a == u"BEGIN")
        return {p.size() == 1 ? S::InicioBloque : S::IniciaTransaccion, {}, {}};
    if (a == u"COMMIT")
        return {S::ConfirmaTransaccion, {}, {}};
    if (a == u"ROLLBACK")
        return {S::DeshaceTransaccion, {}, {}};
    if (a == u"END" && p.size() == 1)
        return {S::FinBloque, {}, {}};
    if (a == u"ELSE" && p.size() == 1)
        return {S::OtroCaso, {}, {}};
    if (a == u"IF")
        return siExiste(t);
    return {S::Normal, AplicaReglas(t), {}};
}
