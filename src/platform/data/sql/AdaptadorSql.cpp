#include "platform/data/sql/AdaptadorSql.h"

#include "platform/data/sql/ClasesDeSentencia.h"
#include "platform/data/sql/DivisorLote.h"
#include "platform/data/sql/ReglasSql.h"

QString AplicaReglas(Tokens t)
{
    QuitaPrefijoNacional(t);
    QuitaSugerencias(t);
    QuitaEsquemaDbo(t);
    ColacionDeFunciones(t);
    RenombraFunciones(t);
    TopALimit(t);
    DeleteConFrom(t);
    return ReescribeSumas(t);
}

QString AdaptaSentencia(const QString& sql)
{
    return AplicaReglas(Tokeniza(sql));
}

std::vector<SentenciaAdaptada> AdaptaLote(const QString& lote)
{
    std::vector<Tokens> partes = DivideLote(Tokeniza(lote));
    std::vector<SentenciaAdaptada> lista;
    lista.reserve(partes.size());
    for (Tokens& parte : partes)
        lista.push_back(Clasifica(std::move(parte)));
    return lista;
}
