#include "printing/FormatoImportes.h"

#include "platform/base/FormatoNumerico.h"
#include "platform/base/GuardaErrores.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"

#include <QLocale>

#include <cstdint>

namespace {

constexpr int SinFormato = -3;
constexpr int Configurados = -1;
constexpr int SinDecimales = -2;

// Minutes as the database gives them: a number, or a text written with "."
// or in the workstation's own form. Null or blank is 0.
Moneda minutosDe(const QVariant& minutos)
{
    const bool esTexto = minutos.typeId() == QMetaType::QString;
    const QString texto = esTexto ? minutos.toString().trimmed() : QString();
    if (minutos.isNull() || (esTexto && texto.isEmpty()))
        return {};
    bool ok = false;
    double valor = esTexto ? QLocale::c().toDouble(texto, &ok) : minutos.toDouble(&ok);
    if (!ok && esTexto) {
        if (const auto numero = formatoNumerico().numero(texto))
            valor = QLocale::c().toDouble(*numero, &ok);
    }
    if (!ok)
        throw Err(NumeroError::TiposNoCoinciden, QStringLiteral("No coinciden los tipos"));
    return Moneda::desdeDouble(valor);
}

// At least two digits, the sign in front: 5 gives 05, -5 gives -05.
QString dosDigitos(int64_t valor)
{
    const QString digitos = QStringLiteral("%1").arg(valor < 0 ? -valor : valor, 2, 10, QChar(u'0'));
    return valor < 0 ? u'-' + digitos : digitos;
}

}

QString FmtMoneda(const QString& Importe, int Decimales, bool SeparadorMiles)
{
    if (Decimales == SinFormato)
        return Importe;
    GuardaErrores g(politicas::dialogo(
        [](const Err& e) { return int(MuestraError(e, std::nullopt, QStringLiteral("FmtMoneda"))); }));
    QString resultado;
    int n = Decimales;
    Moneda importe;
    g.paso([&] {
        if (Decimales == Configurados)
            n = int(Val(Modulo().DecimalesImporte));
        if (n == 0)
            n = formatoNumerico().decimalesMoneda;
        if (n == SinDecimales)
            n = 0;
    });
    g.paso([&] {
        if (n < 0)
            throw Err(NumeroError::LlamadaInvalida, QStringLiteral("Llamada a procedimiento o argumento no válido"));
    });
    g.paso([&] { importe = ObjUtilidades().TextoAMoneda(Importe); });
    g.paso([&] { resultado = formatoNumerico().fijo(importe, n < 0 ? 0 : n, SeparadorMiles); });
    return resultado;
}

QString SeparadorHora()
{
    const QString separador = Cfg(QStringLiteral("SeparadorHora"));
    return separador.trimmed().isEmpty() ? QStringLiteral(":") : separador;
}

QString MinutosAHora(const QVariant& Minutos, int32_t& Horas, int32_t& MinutosResto)
{
    return MinutosAHora(Minutos, Horas, MinutosResto, SeparadorHora());
}

QString MinutosAHora(const QVariant& Minutos, int32_t& Horas, int32_t& MinutosResto, const QString& Separador)
{
    const Moneda minutos = minutosDe(Minutos);
    if (Separador.compare(QStringLiteral("."), Qt::CaseInsensitive) != 0) {
        const int64_t enteros = MultiplicaYDivideAlPar(minutos.diezmilesimas, 1, 10000);
        const int64_t horas = enteros / 60, resto = enteros % 60;
        Horas = CLng(double(horas));
        MinutosResto = int32_t(resto);
        return dosDigitos(horas) + Separador + dosDigitos(resto);
    }
    // Hundredths of an hour: ten-thousandths of a minute over 6000.
    const int64_t centesimas = MultiplicaYDivideAlPar(minutos.diezmilesimas, 1, 6000);
    const int64_t absolutas = centesimas < 0 ? -centesimas : centesimas;
    const int64_t entera = absolutas / 100;
    const QString texto = (entera == 0 ? QString() : QString::number(entera)) + u'.'
                          + QStringLiteral("%1").arg(absolutas % 100, 2, 10, QChar(u'0'));
    return centesimas < 0 ? u'-' + texto : texto;
}
