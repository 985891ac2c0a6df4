#include "services/LineaComando.h"

#include "services/Arranque.h"

namespace {

// The text after the key up to the terminator (or the end), without "=" and trimmed.
QString valorTrasClave(const QString& texto, qsizetype posClave, qsizetype largoClave, QChar terminador)
{
    const qsizetype inicio = posClave + largoClave;
    const qsizetype fin = texto.indexOf(terminador, posClave);
    QString valor = fin < 0 ? texto.mid(inicio) : texto.mid(inicio, fin - inicio);
    return valor.remove(QLatin1Char('=')).trimmed();
}

bool sigueIgual(const QString& linea, qsizetype desde)
{
    while (desde < linea.size() && (linea[desde] == QLatin1Char(' ') || linea[desde] == QLatin1Char('\t')))
        ++desde;
    return desde < linea.size() && linea[desde] == QLatin1Char('=');
}

}

std::optional<QString> ValorLineaComando(const QString& linea, const QString& clave)
{
    if (clave.isEmpty())
        return std::nullopt;
    for (qsizetype pos = linea.indexOf(clave, 0, Qt::CaseInsensitive); pos >= 0;
         pos = linea.indexOf(clave, pos + 1, Qt::CaseInsensitive)) {
        if (sigueIgual(linea, pos + clave.size()))
            return valorTrasClave(linea, pos, clave.size(), QLatin1Char(';'));
    }
    return std::nullopt;
}

QString ObtieneParametroAdicional(const QString& Texto, const QString& Clave)
{
    const qsizetype pos = Texto.indexOf(Clave, 0, Qt::CaseInsensitive);
    if (pos < 0)
        return QString();
    return valorTrasClave(Texto, pos, Clave.size(), QLatin1Char('|'));
}

QString ObtieneNombreServidor(const QString& Servidor)
{
    QString nombre = Servidor;
    const qsizetype barra = nombre.indexOf(QLatin1Char('/'));
    if (barra >= 0)
        nombre = nombre.mid(barra + 1);
    const qsizetype puerto = nombre.indexOf(QLatin1Char(':'));
    if (puerto >= 0)
        nombre = nombre.left(puerto);
    return nombre;
}
