#include "platform/data/sql/ReglasSql.h"

void QuitaPrefijoNacional(Tokens& t)
{
    for (Token& k : t) {
        if (k.tipo == Token::Cadena && (k.texto.startsWith(u'N') || k.texto.startsWith(u'n')))
            k.texto = k.texto.mid(1);
    }
}
