#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

#include <QSet>

const QString ColacionDelServidor = QStringLiteral("SQLSRV");

// A text function's result carries no collation here, so comparing it with
// a literal would be exact; on the server it takes the default collation.
// Its call gains the engine's collation unless one is already given.
void ColacionDeFunciones(Tokens& t)
{
    static const QSet<QString> texto = {"SUBSTRING", "LEFT", "RIGHT", "LTRIM", "RTRIM",   "UPPER",
                                        "LOWER",     "ISNULL", "REPLACE", "COALESCE", "TRIM"};
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].tipo != Token::Palabra || !texto.contains(t[i].texto.toUpper()))
            continue;
        const int a = Anterior(t, i);
        const int abre = Siguiente(t, i);
        if ((a >= 0 && EsSimbolo(t[a], '.')) || abre < 0 || !EsSimbolo(t[abre], '('))
            continue;
        const int c = Cierre(t, abre, int(t.size()));
        if (c < 0)
            continue;
        const int tras = Siguiente(t, c);
        if (tras >= 0 && EsPalabra(t[tras], "COLLATE"))
            continue;
        t.insert(c + 1, Token{Token::Palabra, ColacionDelServidor});
        t.insert(c + 1, Token{Token::Espacio, QStringLiteral(" ")});
        t.insert(c + 1, Token{Token::Palabra, QStringLiteral("COLLATE")});
        t.insert(c + 1, Token{Token::Espacio, QStringLiteral(" ")});
    }
}
