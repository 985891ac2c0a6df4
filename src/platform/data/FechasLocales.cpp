#include "platform/data/FechasLocales.h"

namespace {

constexpr int bitsEntradas = 9;

// While TZ is unset glibc checks the zone file again at every conversion;
// naming that same file lets it keep what it read the first time.
void fijaZonaDelSistema()
{
    static const bool fijada = [] {
        if (!qEnvironmentVariableIsSet("TZ"))
            qputenv("TZ", ":/etc/localtime");
        return true;
    }();
    (void)fijada;
}

}  // namespace

QDateTime FechaLocal(QDate dia, QTime hora)
{
    fijaZonaDelSistema();
    return hora.isNull() ? dia.startOfDay() : QDateTime(dia, hora);
}

QDateTime FechasLocales::fecha(QDate dia, QTime hora)
{
    if (!dia.isValid())
        return {};
    if (!entradas_)
        entradas_ = std::make_unique<Entrada[]>(size_t(1) << bitsEntradas);
    // Each day has one key per millisecond and one more for its first moment.
    constexpr qint64 porDia = 86'400'001;
    const qint64 clave = dia.toJulianDay() * porDia + (hora.isNull() ? porDia - 1 : hora.msecsSinceStartOfDay());
    Entrada& e = entradas_[(quint64(clave) * 0x9E3779B97F4A7C15ULL) >> (64 - bitsEntradas)];
    if (e.clave != clave) {
        e.fecha = FechaLocal(dia, hora);
        e.clave = clave;
    }
    return e.fecha;
}
