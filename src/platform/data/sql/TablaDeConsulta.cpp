#include "platform/data/sql/TablaDeConsulta.h"

#include "platform/data/sql/RecorridoTokens.h"

QString TablaDeConsulta(const QString& select)
{
    const Tokens t = Tokeniza(select);
    const int n = int(t.size());
    int i = Primero(t, 0, n);
    if (i < 0 || !EsPalabra(t[i], "SELECT"))
        return {};
    for (int prof = 0; i < n; ++i) {
        if (EsSimbolo(t[i], '('))
            ++prof;
        else if (EsSimbolo(t[i], ')'))
            --prof;
        else if (prof == 0 && EsPalabra(t[i], "FROM"))
            break;
    }
    const auto esNombre = [&t](int k) {
        return k >= 0 && (t[k].tipo == Token::Nombre || (t[k].tipo == Token::Palabra && !Reservada(t[k])));
    };
    int k = i < n ? Siguiente(t, i) : -1;
    if (!esNombre(k))
        return {};
    QString tabla = t[k].texto.toString();
    k = Siguiente(t, k);
    // Dotted parts, empty ones included ("base..tabla").
    while (k >= 0 && EsSimbolo(t[k], '.')) {
        tabla += u'.';
        k = Siguiente(t, k);
        if (esNombre(k)) {
            tabla += t[k].texto;
            k = Siguiente(t, k);
        }
    }
    if (k >= 0 && EsPalabra(t[k], "AS"))
        k = Siguiente(t, k);
    if (esNombre(k))
        k = Siguiente(t, k);
    // Table hints: WITH (NOLOCK) or the older (NOLOCK).
    if (k >= 0 && EsPalabra(t[k], "WITH"))
        k = Siguiente(t, k);
    if (k >= 0 && EsSimbolo(t[k], '(')) {
        const int c = Cierre(t, k, n);
        k = c < 0 ? -1 : Siguiente(t, c);
    }
    static const Vocabulario siguen = {"WHERE", "ORDER", "GROUP", "LIMIT", "HAVING", "OPTION", "FOR"};
    if (k >= 0 && !EsSimbolo(t[k], ';') && !(t[k].tipo == Token::Palabra && siguen.contiene(t[k].texto)))
        return {};
    return tabla;
}

QStringList PartesDeNombre(const QString& tabla)
{
    QStringList partes{QString()};
    for (const Token& k : Tokeniza(tabla)) {
        if (EsSimbolo(k, '.')) {
            partes << QString();
        } else if (k.tipo == Token::Nombre) {
            const QChar fin = k.texto.back();
            partes.last() = SinComillas(k).replace(QString(2, fin), QString(fin));
        } else if (Significativo(k)) {
            partes.last() = k.texto.toString();
        }
    }
    while (partes.size() < 3)
        partes.prepend(QString());
    return partes.mid(partes.size() - 3);
}

QString AgregaColumnaInicial(const QString& select, const QString& columna)
{
    Tokens t = Tokeniza(select);
    const int s = Primero(t, 0, int(t.size()));
    if (s < 0 || !EsPalabra(t[s], "SELECT"))
        return select;
    int lista = Siguiente(t, s);
    if (lista >= 0 && (EsPalabra(t[lista], "DISTINCT") || EsPalabra(t[lista], "ALL")))
        lista = Siguiente(t, lista);
    if (lista < 0)
        return select;
    t.insert(lista, Token{Token::Espacio, u" "});
    t.insert(lista, Token{Token::Simbolo, u","});
    t.insert(lista, Token{Token::Palabra, columna});
    return Une(t);
}
