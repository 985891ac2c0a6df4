#include "platform/data/sql/ClasesDeSentencia.h"

#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

namespace {

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
    const QString prueba = niega ? QStringLiteral("SELECT NOT EXISTS ") : QStringLiteral("SELECT EXISTS ");
    return {SentenciaAdaptada::SiExiste, prueba + consulta, {}};
}

}  // namespace

SentenciaAdaptada Clasifica(Tokens t)
{
    // The first three significant tokens, and how many there are.
    int p[3] = {-1, -1, -1};
    int cuantos = 0;
    for (int i = 0; i < t.size(); ++i) {
        if (!Significativo(t[i]))
            continue;
        if (cuantos < 3)
            p[cuantos] = i;
        ++cuantos;
    }
    const auto es = [&](int n, std::string_view palabra) { return p[n] >= 0 && EsPalabra(t[p[n]], palabra); };
    const QStringView b = p[1] >= 0 ? t[p[1]].texto : QStringView();
    using S = SentenciaAdaptada;
    if (es(0, "SET") && cuantos == 3 && (es(2, "ON") || es(2, "OFF")))
        return {S::Nada, {}, {}};
    if (es(0, "USE"))
        return {S::Nada, {}, {}};
    if (es(0, "EXEC") || es(0, "EXECUTE")) {
        if (IgualSinCaso(b, "sp_addlogin"))
            return {S::AgregaLogin, {}, argumentosDeLiteral(t)};
        if (b.startsWith(QLatin1String("SP_"), Qt::CaseInsensitive))
            return {S::Nada, {}, {}};
    }
    if (es(0, "CREATE") && es(1, "DATABASE") && cuantos >= 3)
        return {S::CreaBase, {}, {SinComillas(t[p[2]])}};
    if (es(0, "BEGIN"))
        return {cuantos == 1 ? S::InicioBloque : S::IniciaTransaccion, {}, {}};
    if (es(0, "COMMIT"))
        return {S::ConfirmaTransaccion, {}, {}};
    if (es(0, "ROLLBACK"))
        return {S::DeshaceTransaccion, {}, {}};
    if (es(0, "END") && cuantos == 1)
        return {S::FinBloque, {}, {}};
    if (es(0, "ELSE") && cuantos == 1)
        return {S::OtroCaso, {}, {}};
    if (es(0, "IF"))
        return siExiste(t);
    return {S::Normal, AplicaReglas(std::move(t)), {}};
}
