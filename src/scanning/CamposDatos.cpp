#include "scanning/CamposDatos.h"

#include "scanning/AjustesEscaneo.h"

#include <cmath>

QString FormatoCeros(const QString& texto, int digitos)
{
    const QString limpio = texto.trimmed();
    const std::optional<double> numero = NumeroDeCampo(limpio);
    if (!numero)
        return limpio;
    const double valor = *numero;
    const double entero = std::round(std::fabs(valor));
    const QString cifras = QString::number(entero, 'f', 0).rightJustified(digitos, QLatin1Char('0'));
    return (valor < 0 && entero != 0) ? QLatin1Char('-') + cifras : cifras;
}

std::optional<QString> TextoValidado(const QString& dataField, const QString& texto)
{
    if (dataField.compare(QStringLiteral("Sucursal"), Qt::CaseInsensitive) == 0)
        return FormatoCeros(texto, 4);
    if (dataField.compare(QStringLiteral("Numero"), Qt::CaseInsensitive) == 0)
        return FormatoCeros(texto, 8);
    return std::nullopt;
}
