#include "printing/ImporteLetras.h"

#include "platform/base/Conversiones.h"
#include "platform/base/Err.h"
#include "platform/base/FormatoNumerico.h"

namespace {

// Digits of a million million and more spell their billions in front.
constexpr qsizetype DigitosPorBillon = 12;

TablasLetras llenaTablas()
{
    TablasLetras t;
    t.Unidades = {"", "un", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve"};
    t.Decenas = {"", "diez", "veinte", "treinta", "cuarenta", "cincuenta", "sesenta", "setenta", "ochenta", "noventa"};
    t.Centenas = {"",           "ciento",      "doscientos", "trescientos", "cuatrocientos", "quinientos",
                  "seiscientos", "setecientos", "ochocientos", "novecientos", "cien"};
    t.DecenasCompuestas = {"",           "dieci",        "veinti",      "treinta y ", "cuarenta y ",
                           "cincuenta y ", "sesenta y ", "setenta y ", "ochenta y ", "noventa y "};
    for (int i = 1; i <= 10; ++i)
        t.Especiales[size_t(i)] = QString::number(i);
    t.Especiales[11] = QStringLiteral("once");
    t.Especiales[12] = QStringLiteral("doce");
    t.Especiales[13] = QStringLiteral("trece");
    t.Especiales[14] = QStringLiteral("catorce");
    t.Especiales[15] = QStringLiteral("quince");
    return t;
}

int digito(QChar c)
{
    return c.unicode() - u'0';
}

QString palabrasDelGrupo(const TablasLetras& t, const QString& grupo)
{
    const int h = digito(grupo[0]), d = digito(grupo[1]), u = digito(grupo[2]);
    const int du = d * 10 + u;
    QString decenas, unidades;
    if (u == 0) {
        decenas = t.Decenas[size_t(d)];
    } else if (du >= 11 && du <= 15) {
        decenas = t.Especiales[size_t(du)];
    } else {
        unidades = t.Unidades[size_t(u)];
        decenas = t.DecenasCompuestas[size_t(d)];
    }
    const QString centenas = (h == 1 && du == 0 ? t.Centenas[10] : t.Centenas[size_t(h)]) + u' ';
    return centenas + decenas + unidades + u' ';
}

// Up to twelve digits, in four groups of three: units, thousands, millions
// and thousands of millions. Blanks are collapsed by the caller.
QString palabrasDeDoce(const TablasLetras& t, const QString& digitos)
{
    const QString doce = digitos.rightJustified(DigitosPorBillon, u'0');
    const qulonglong valor = doce.toULongLong();
    const auto grupo = [&](int g) { return doce.mid(DigitosPorBillon - 3 * g, 3); };
    int alto = 1;
    for (int g = 4; g > 1; --g) {
        if (grupo(g) != QLatin1String("000")) {
            alto = g;
            break;
        }
    }
    QString texto;
    for (int g = 1; g <= alto; ++g) {
        // "un millón" stands for the millions group itself.
        if (!(g == 3 && valor > 999999 && valor <= 1999999))
            texto = palabrasDelGrupo(t, grupo(g)) + texto;
        if ((g == 1 || g == 3) && grupo(g + 1) != QLatin1String("000"))
            texto = QStringLiteral(" mil ") + texto;
        if (g == 2 && valor > 999999)
            texto = (valor > 1999999 ? QStringLiteral(" millones ") : QStringLiteral("un millón ")) + texto;
    }
    return texto;
}

QString palabras(const TablasLetras& t, const QString& digitos)
{
    if (digitos.size() <= DigitosPorBillon)
        return palabrasDeDoce(t, digitos);
    const QString billones = digitos.left(digitos.size() - DigitosPorBillon);
    const QString cabeza = billones == QLatin1String("1") ? QStringLiteral("un billón")
                                                          : palabras(t, billones) + QStringLiteral(" billones");
    return cabeza + u' ' + palabrasDeDoce(t, digitos.right(DigitosPorBillon));
}

}

const TablasLetras& InicializaTablasLetras()
{
    static const TablasLetras tablas = llenaTablas();
    return tablas;
}

QString NumeroALetras(const QString& TextoNumero)
{
    const TablasLetras& t = InicializaTablasLetras();
    const std::optional<QString> numero = formatoNumerico().numero(TextoNumero);
    if (!numero)
        return QStringLiteral("cero");
    const bool negativo = numero->startsWith(u'-');
    QString entera = numero->mid(negativo ? 1 : 0).section(u'.', 0, 0);
    while (entera.startsWith(u'0'))
        entera.remove(0, 1);
    if (entera.isEmpty())
        return QStringLiteral("cero");

    QString texto = palabras(t, entera).simplified();
    if (negativo)
        texto = QStringLiteral("menos ") + texto;
    return texto.trimmed();
}

QString ImporteALetras(const QString& Importe, std::optional<int> Ancho, const std::optional<QString>& Moneda,
                       const std::optional<QString>& Sufijo)
{
    const QString moneda = Moneda ? u' ' + Moneda->trimmed() + u' ' : QStringLiteral(" ");
    const QString sufijo = Sufijo ? u' ' + Sufijo->trimmed() : QString();
    const QChar separador = formatoNumerico().separadorDecimal == u',' ? u',' : u'.';
    const int ancho = Ancho.value_or(0);
    if (ancho < 0)
        throw Err(NumeroError::LlamadaInvalida, QStringLiteral("Llamada a procedimiento o argumento no válido"));

    const QString importe = QString(Importe).remove(u' ');
    const qsizetype punto = importe.indexOf(separador);
    QString resultado;
    if (punto < 0) {
        resultado = NumeroALetras(importe) + moneda;
    } else {
        const QString centavos = (importe.mid(punto + 1) + QStringLiteral("000")).left(2);
        resultado = NumeroALetras(importe.left(punto)) + moneda;
        if (Val(centavos) >= 1)
            resultado += QStringLiteral("con ") + NumeroALetras(centavos) + sufijo;
    }
    while (resultado.endsWith(u' '))
        resultado.chop(1);
    if (ancho > 0)
        resultado = resultado.left(ancho).leftJustified(ancho, u' ');
    return resultado;
}
