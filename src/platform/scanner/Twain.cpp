#include "platform/scanner/Twain.h"

#include "platform/base/Ajustes.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/scanner/AdquisicionSane.h"
#include "platform/scanner/DispositivoSane.h"

#include <sane/saneopts.h>

#include <memory>
#include <optional>

namespace {

const QString ClaveDispositivo = QStringLiteral("scanner/device");
constexpr const char* VariableDispositivo = "ESCANEO_SCANNER";

// Mode names as backends spell them, the standard one first.
const QStringList ModosLineart = {QStringLiteral("Lineart"), QStringLiteral("Binary")};
const QStringList ModosGris = {QStringLiteral("Gray"), QStringLiteral("Grayscale")};
const QStringList ModosColor = {QStringLiteral("Color"), QStringLiteral("Colour")};

struct EstadoTwain {
    std::unique_ptr<DispositivoSane> dispositivo;
    std::optional<int> tipoPixel;
    std::optional<double> resolucion;
    // The open device holds the settings above, so a scan need not send them again.
    bool aplicados = false;
    // Why the last acquisition failed.
    std::optional<Err> error;
};

EstadoTwain& estado()
{
    static EstadoTwain e;
    return e;
}

QString primerModo(const QStringList& ofrecidos, const QStringList& buscados)
{
    for (const QString& buscado : buscados) {
        for (const QString& ofrecido : ofrecidos) {
            if (ofrecido.compare(buscado, Qt::CaseInsensitive) == 0)
                return ofrecido;
        }
    }
    return QString();
}

void fijaModo(DispositivoSane& d, int tipo)
{
    if (!d.ajustable(SANE_NAME_SCAN_MODE))
        return;  // a device with a single mode scans in it
    const QStringList ofrecidos = d.valoresTexto(SANE_NAME_SCAN_MODE);
    QString modo = primerModo(ofrecidos, tipo == 2 ? ModosColor : tipo == 1 ? ModosGris : ModosLineart);
    if (modo.isEmpty() && tipo == 0)
        modo = primerModo(ofrecidos, ModosGris);
    if (modo.isEmpty())
        throw ErrorEscaner(QStringLiteral("El escáner no ofrece el tipo de escaneo %1").arg(tipo));
    d.fijaTexto(SANE_NAME_SCAN_MODE, modo);
    const int profundidad = tipo == 0 ? 1 : 8;
    if (d.ajustable(SANE_NAME_BIT_DEPTH) && d.admiteNumero(SANE_NAME_BIT_DEPTH, profundidad))
        d.fijaNumero(SANE_NAME_BIT_DEPTH, profundidad);
}

// The mode goes first: it changes which depths and resolutions are allowed.
bool aplicaAjustes(EstadoTwain& e)
{
    DispositivoSane& d = *e.dispositivo;
    GuardaErrores guarda(politicas::saleEnSilencio());
    if (e.tipoPixel)
        guarda.paso([&] { fijaModo(d, *e.tipoPixel); });
    if (e.resolucion)
        guarda.paso([&] { d.fijaNumero(SANE_NAME_SCAN_RESOLUTION, *e.resolucion); });
    if (guarda.salio())
        e.error = guarda.ultimoError();
    e.aplicados = !guarda.salio();
    return e.aplicados;
}

// Keeps a setting and sends them all to the open device, unless it holds
// that value already.
template <typename Valor>
int fijaAjuste(std::optional<Valor> EstadoTwain::*ajuste, Valor valor)
{
    EstadoTwain& e = estado();
    if (e.*ajuste == valor && e.aplicados)
        return 1;
    e.*ajuste = valor;
    e.aplicados = false;
    return !e.dispositivo || aplicaAjustes(e) ? 1 : 0;
}

void cierraDispositivo(EstadoTwain& e)
{
    e.dispositivo.reset();
    e.aplicados = false;
}

QString nombreDelOrigen()
{
    const QString elegido = Ajustes::valor(ClaveDispositivo, VariableDispositivo).trimmed();
    if (!elegido.isEmpty())
        return elegido;
    const std::vector<DescripcionSane> lista = DispositivosSane();
    if (lista.empty())
        throw ErrorEscaner(QStringLiteral("No hay ningún escáner"));
    return lista.front().nombre;
}

}

int TWAIN_SelectImageSource(long ventana)
{
    Q_UNUSED(ventana);
    EstadoTwain& e = estado();
    std::vector<DescripcionSane> lista;
    GuardaErrores guarda(politicas::saleEnSilencio());
    guarda.paso([&] { lista = DispositivosSane(); });
    if (guarda.salio())
        return 0;

    QVector<QStringList> filas;
    for (const DescripcionSane& d : lista)
        filas.append({d.nombre, d.fabricante, d.modelo});
    const std::vector<int> elegidas = dialogos().EligeFilas(
        QStringLiteral("Seleccione el Scanner"),
        {QStringLiteral("Dispositivo"), QStringLiteral("Fabricante"), QStringLiteral("Modelo")}, filas, false);
    if (elegidas.empty() || elegidas.front() < 0 || elegidas.front() >= int(lista.size()))
        return 0;

    const QString nombre = lista[size_t(elegidas.front())].nombre;
    guarda.paso([&] { Ajustes::guarda(ClaveDispositivo, nombre); });
    if (guarda.salio())
        return 0;
    if (e.dispositivo && e.dispositivo->nombre() != nombre)
        cierraDispositivo(e);
    return 1;
}

int TWAIN_OpenDefaultSource()
{
    EstadoTwain& e = estado();
    QString nombre;
    GuardaErrores guarda(politicas::saleEnSilencio());
    guarda.paso([&] { nombre = nombreDelOrigen(); });
    guarda.paso([&] {
        if (e.dispositivo && e.dispositivo->nombre() == nombre)
            return;
        cierraDispositivo(e);
        e.dispositivo = std::make_unique<DispositivoSane>(nombre);
    });
    if (guarda.salio())
        e.error = guarda.ultimoError();
    return guarda.salio() ? 0 : 1;
}

void TWAIN_SetHideUI(int ocultar)
{
    Q_UNUSED(ocultar);
}

int TWAIN_SetBitDepth(int bits)
{
    return bits > 0 ? 1 : 0;
}

int TWAIN_SetCurrentResolution(double ppp)
{
    if (!(ppp > 0))
        return 0;
    return fijaAjuste(&EstadoTwain::resolucion, ppp);
}

int TWAIN_SetCurrentPixelType(int tipo)
{
    if (tipo < 0 || tipo > 2)
        return 0;
    return fijaAjuste(&EstadoTwain::tipoPixel, tipo);
}

int TWAIN_AcquireToFilename(long ventana, const QString& archivo)
{
    Q_UNUSED(ventana);
    EstadoTwain& e = estado();
    e.error.reset();
    if (TWAIN_OpenDefaultSource() != 1 || (!e.aplicados && !aplicaAjustes(e)))
        return ResultadoAdquisicion::FalloEscaner;
    const int resultado = AdquiereABmp(*e.dispositivo, archivo, &e.error);
    if (resultado == ResultadoAdquisicion::FalloEscaner)
        cierraDispositivo(e);
    return resultado;
}

std::optional<Err> ErrorUltimaAdquisicion()
{
    return estado().error;
}
