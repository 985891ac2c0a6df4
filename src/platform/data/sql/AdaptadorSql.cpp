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
    std::vector<SentenciaAdaptada> lista;
    for (const Tokens& parte : DivideLote(Tokeniza(lote)))
        lista.push_back(Clasifica(parte));
    return lista;
}
