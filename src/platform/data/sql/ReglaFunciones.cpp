#include "platform/data/sql/RecorridoTokens.h"
#include "platform/data/sql/ReglasSql.h"

void RenombraFunciones(Tokens& t)
{
    for (int i = 0; i < t.size(); ++i) {
        if (t[i].tipo != Token::Palabra)
            continue;
        const QString nombre = t[i].texto.toUpper();
        const int s = Siguiente(t, i);
        const bool llamada = s >= 0 && EsSimbolo(t[s], '(');
        if (llamada && (nombre == u"LEFT" || nombre == u"RIGHT" || nombre == u"ISNULL"))
            t[i].texto = QStringLiteral("sqlsrv_") + nombre.toLower();
        else if (!llamada && nombre == u"SYSTEM_USER")
            t[i].texto = QStringLiteral("sqlsrv_system_user()");
        else if (!llamada && nombre == u"CURRENT_TIMESTAMP")
            t[i].texto = QStringLiteral("getdate()");
    }
}
