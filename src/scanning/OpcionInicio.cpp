#include "scanning/OpcionInicio.h"

namespace {

void AplicaToken(const QString& token, OpcionInicio& opcion)
{
    auto sinPalabra = [&token](const char* palabra) {
        return QString(token).remove(QLatin1String(palabra), Qt::CaseInsensitive);
    };
    if (token.contains(QLatin1String("Cuenta"), Qt::CaseInsensitive))
        opcion.Cuenta = sinPalabra("Cuenta");
    else if (token.contains(QLatin1String("Cpte"), Qt::CaseInsensitive))
        opcion.Cpte = sinPalabra("Cpte");
    else if (token.contains(QLatin1String("Accion"), Qt::CaseInsensitive))
        opcion.Accion = sinPalabra("Accion");
}

QString TextoAntesDeComa(const QString& s)
{
    const qsizetype coma = s.indexOf(QLatin1Char(','));
    return coma < 0 ? s : s.left(coma);
}

// The menu's own tokenizer drops the token it has read wherever it occurs
// and then the separator left in front; kept as is so the same lines parse
// the same way.
QString QuitaToken(QString s, const QString& token)
{
    if (!token.isEmpty())
        s.remove(token, Qt::CaseInsensitive);
    if (s.startsWith(QLatin1Char(',')))
        s.remove(0, 1);
    return s;
}

}

OpcionInicio LeeOpcionInicio(const QString& valor)
{
    OpcionInicio opcion;
    QString s = valor;
    const QString token1 = TextoAntesDeComa(s);
    AplicaToken(token1, opcion);
    s = QuitaToken(s, token1);
    const QString token2 = TextoAntesDeComa(s);
    AplicaToken(token2, opcion);
    s = QuitaToken(s, token2);
    AplicaToken(s, opcion);
    return opcion;
}
