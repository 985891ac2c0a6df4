#include "platform/scanner/DispositivoSane.h"

#include "platform/scanner/BibliotecaSane.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// A page is one frame, or three from a three-pass device.
constexpr size_t MaximoCuadros = 3;
constexpr SANE_Int BloqueLectura = 256 * 1024;

// Only once the session has started.
const FuncionesSane& sane()
{
    return *Sane();
}

// The handles of the devices open now. Never destroyed, so the session's
// end at exit always finds it.
std::vector<SANE_Handle*>& abiertos()
{
    static auto* handles = new std::vector<SANE_Handle*>;
    return *handles;
}

bool sesionActiva = false;

// Closes what is still open, then SANE: at exit, and only once.
void terminaSesion()
{
    if (!sesionActiva)
        return;
    sesionActiva = false;
    for (SANE_Handle* handle : abiertos()) {
        sane().cancel(*handle);
        sane().close(*handle);
        *handle = nullptr;
    }
    abiertos().clear();
    sane().exit();
}

// Backends the session loads tear down their own state at exit (genesys's
// C++ objects among them), in the reverse order it was made, and SANE's end
// calls into it. So the end is booked again after every call that may load a
// backend: the last booking runs first, before any backend's own cleanup.
void reservaFinDeSesion()
{
    std::atexit(terminaSesion);
}

class SesionSane {
public:
    SesionSane()
    {
        SANE_Int version = 0;
        iniciada = Sane() && Sane()->init(&version, nullptr) == SANE_STATUS_GOOD;
        sesionActiva = iniciada;
        if (iniciada)
            reservaFinDeSesion();
    }
    bool iniciada = false;
};

Err errorSane(SANE_Status estado, const QString& que)
{
    return ErrorEscaner(QStringLiteral("%1: %2").arg(que, QString::fromLatin1(sane().strstatus(estado))));
}

Err errorOpcion(const char* opcion, const QString& motivo)
{
    return ErrorEscaner(QStringLiteral("Opción %1 del escáner: %2").arg(QLatin1String(opcion), motivo));
}

void exigeSane()
{
    if (IniciaSane())
        return;
    const QString motivo = MotivoSinSane();
    throw ErrorEscaner(motivo.isEmpty() ? QStringLiteral("SANE no está disponible")
                                        : QStringLiteral("SANE no está disponible: %1").arg(motivo));
}

QString texto(SANE_String_Const s)
{
    return s ? QString::fromUtf8(s) : QString();
}

bool esNumerica(const SANE_Option_Descriptor& d)
{
    return (d.type == SANE_TYPE_INT || d.type == SANE_TYPE_FIXED) && d.size == SANE_Int(sizeof(SANE_Word));
}

double aDoble(const SANE_Option_Descriptor& d, SANE_Word w)
{
    return d.type == SANE_TYPE_FIXED ? SANE_UNFIX(w) : double(w);
}

SANE_Word aPalabra(const SANE_Option_Descriptor& d, double v)
{
    const double escala = d.type == SANE_TYPE_FIXED ? double(1 << SANE_FIXED_SCALE_SHIFT) : 1.0;
    const double limite = double(std::numeric_limits<SANE_Word>::max());
    const double escalado = std::round(v * escala);
    return SANE_Word(escalado > limite ? limite : escalado < -limite ? -limite : escalado);
}

// The value the option's constraint allows that is closest to the one asked for.
SANE_Word ajustaAConstriccion(const SANE_Option_Descriptor& d, SANE_Word w)
{
    if (d.constraint_type == SANE_CONSTRAINT_RANGE) {
        const SANE_Range& r = *d.constraint.range;
        if (w < r.min)
            return r.min;
        if (w > r.max)
            return r.max;
        if (r.quant > 0) {
            const qint64 pasos = std::llround(double(qint64(w) - r.min) / r.quant);
            qint64 ajustado = r.min + pasos * r.quant;
            if (ajustado > r.max)
                ajustado -= r.quant;
            return SANE_Word(ajustado);
        }
        return w;
    }
    if (d.constraint_type == SANE_CONSTRAINT_WORD_LIST && d.constraint.word_list[0] > 0) {
        const SANE_Word* lista = d.constraint.word_list;
        SANE_Word mejor = lista[1];
        for (SANE_Int i = 2; i <= lista[0]; ++i) {
            if (std::llabs(qint64(lista[i]) - w) < std::llabs(qint64(mejor) - w))
                mejor = lista[i];
        }
        return mejor;
    }
    return w;
}

}

Err ErrorEscaner(const QString& descripcion)
{
    return Err(NumeroError::ErrorDeDispositivo, descripcion, QStringLiteral("SANE"));
}

bool IniciaSane()
{
    static SesionSane sesion;
    return sesion.iniciada;
}

std::vector<DescripcionSane> DispositivosSane()
{
    exigeSane();
    const SANE_Device** lista = nullptr;
    const SANE_Status estado = sane().get_devices(&lista, SANE_FALSE);
    reservaFinDeSesion();
    if (estado != SANE_STATUS_GOOD)
        throw errorSane(estado, QStringLiteral("Lista de escáneres"));
    std::vector<DescripcionSane> dispositivos;
    for (int i = 0; lista && lista[i]; ++i)
        dispositivos.push_back({texto(lista[i]->name), texto(lista[i]->vendor), texto(lista[i]->model)});
    return dispositivos;
}

DispositivoSane::DispositivoSane(const QString& nombre) : nombre_(nombre)
{
    exigeSane();
    const SANE_Status estado = sane().open(nombre.toUtf8().constData(), &handle_);
    reservaFinDeSesion();
    if (estado != SANE_STATUS_GOOD)
        throw errorSane(estado, QStringLiteral("Escáner %1").arg(nombre));
    abiertos().push_back(&handle_);
}

DispositivoSane::~DispositivoSane()
{
    // Already closed when the session ended first.
    if (!handle_)
        return;
    abiertos().erase(std::find(abiertos().begin(), abiertos().end(), &handle_));
    sane().cancel(handle_);
    sane().close(handle_);
}

std::optional<DispositivoSane::Opcion> DispositivoSane::localiza(const char* opcion) const
{
    SANE_Int cantidad = 0;
    if (sane().control_option(handle_, 0, SANE_ACTION_GET_VALUE, &cantidad, nullptr) != SANE_STATUS_GOOD)
        return std::nullopt;
    for (SANE_Int i = 1; i < cantidad; ++i) {
        const SANE_Option_Descriptor* d = sane().get_option_descriptor(handle_, i);
        if (d && d->name && std::strcmp(d->name, opcion) == 0)
            return Opcion{i, d};
    }
    return std::nullopt;
}

DispositivoSane::Opcion DispositivoSane::buscaActiva(const char* opcion) const
{
    const auto o = localiza(opcion);
    if (!o)
        throw errorOpcion(opcion, QStringLiteral("no existe"));
    if (!SANE_OPTION_IS_ACTIVE(o->descripcion->cap))
        throw errorOpcion(opcion, QStringLiteral("inactiva"));
    return *o;
}

DispositivoSane::Opcion DispositivoSane::buscaAjustable(const char* opcion) const
{
    const Opcion o = buscaActiva(opcion);
    if (!SANE_OPTION_IS_SETTABLE(o.descripcion->cap))
        throw errorOpcion(opcion, QStringLiteral("no se puede cambiar"));
    return o;
}

void DispositivoSane::controla(SANE_Int indice, SANE_Action accion, void* valor) const
{
    const SANE_Status estado = sane().control_option(handle_, indice, accion, valor, nullptr);
    if (estado != SANE_STATUS_GOOD)
        throw errorSane(estado, QStringLiteral("Opción del escáner"));
}

bool DispositivoSane::activa(const char* opcion) const
{
    const auto o = localiza(opcion);
    return o && SANE_OPTION_IS_ACTIVE(o->descripcion->cap);
}

bool DispositivoSane::ajustable(const char* opcion) const
{
    const auto o = localiza(opcion);
    return o && SANE_OPTION_IS_ACTIVE(o->descripcion->cap) && SANE_OPTION_IS_SETTABLE(o->descripcion->cap);
}

QStringList DispositivoSane::valoresTexto(const char* opcion) const
{
    QStringList valores;
    const auto o = localiza(opcion);
    if (o && o->descripcion->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
        for (const SANE_String_Const* v = o->descripcion->constraint.string_list; *v; ++v)
            valores << texto(*v);
    }
    return valores;
}

bool DispositivoSane::admiteNumero(const char* opcion, double valor) const
{
    const auto o = localiza(opcion);
    if (!o || !esNumerica(*o->descripcion))
        return false;
    const SANE_Word w = aPalabra(*o->descripcion, valor);
    return ajustaAConstriccion(*o->descripcion, w) == w;
}

void DispositivoSane::fijaTexto(const char* opcion, const QString& valor)
{
    const Opcion o = buscaAjustable(opcion);
    if (o.descripcion->type != SANE_TYPE_STRING || o.descripcion->size <= 0)
        throw errorOpcion(opcion, QStringLiteral("no es de texto"));
    QByteArray buffer = valor.toUtf8().left(o.descripcion->size - 1);
    buffer.resize(o.descripcion->size, '\0');
    controla(o.indice, SANE_ACTION_SET_VALUE, buffer.data());
}

void DispositivoSane::fijaBooleano(const char* opcion, bool valor)
{
    const Opcion o = buscaAjustable(opcion);
    if (o.descripcion->type != SANE_TYPE_BOOL)
        throw errorOpcion(opcion, QStringLiteral("no es de sí o no"));
    SANE_Word w = valor ? SANE_TRUE : SANE_FALSE;
    controla(o.indice, SANE_ACTION_SET_VALUE, &w);
}

double DispositivoSane::fijaNumero(const char* opcion, double valor)
{
    const Opcion o = buscaAjustable(opcion);
    if (!esNumerica(*o.descripcion))
        throw errorOpcion(opcion, QStringLiteral("no es numérica"));
    SANE_Word w = ajustaAConstriccion(*o.descripcion, aPalabra(*o.descripcion, valor));
    controla(o.indice, SANE_ACTION_SET_VALUE, &w);
    // Setting an option may change others' descriptors, so this one is looked up afresh.
    return leeNumero(opcion);
}

double DispositivoSane::leeNumero(const char* opcion) const
{
    const Opcion o = buscaActiva(opcion);
    if (!esNumerica(*o.descripcion))
        throw errorOpcion(opcion, QStringLiteral("no es numérica"));
    SANE_Word w = 0;
    controla(o.indice, SANE_ACTION_GET_VALUE, &w);
    return aDoble(*o.descripcion, w);
}

std::vector<CuadroSane> DispositivoSane::escanea(const AlLeer& alLeer)
{
    // The device goes back to idle on every way out, an exception included.
    struct Cancela {
        SANE_Handle handle;
        ~Cancela() { sane().cancel(handle); }
    } cancela{handle_};

    std::vector<CuadroSane> cuadros;
    do {
        if (cuadros.size() == MaximoCuadros)
            throw ErrorEscaner(QStringLiteral("El escáner envió demasiados cuadros"));
        const SANE_Status estado = sane().start(handle_);
        if (estado != SANE_STATUS_GOOD)
            throw errorSane(estado, QStringLiteral("Inicio del escaneo"));
        cuadros.push_back(leeCuadro(alLeer));
    } while (!cuadros.back().parametros.last_frame);
    return cuadros;
}

CuadroSane DispositivoSane::leeCuadro(const AlLeer& alLeer)
{
    CuadroSane cuadro;
    SANE_Status estado = sane().get_parameters(handle_, &cuadro.parametros);
    if (estado != SANE_STATUS_GOOD)
        throw errorSane(estado, QStringLiteral("Parámetros del escaneo"));
    const SANE_Parameters& p = cuadro.parametros;
    if (p.lines > 0 && p.bytes_per_line > 0)
        cuadro.datos.reserve(qint64(p.lines) * p.bytes_per_line + BloqueLectura);

    qint64 leidos = 0;
    do {
        cuadro.datos.resize(leidos + BloqueLectura);
        SANE_Int n = 0;
        estado = sane().read(handle_, reinterpret_cast<SANE_Byte*>(cuadro.datos.data() + leidos), BloqueLectura, &n);
        if (n > 0)
            leidos += n;
        if (estado != SANE_STATUS_GOOD && estado != SANE_STATUS_EOF)
            throw errorSane(estado, QStringLiteral("Lectura del escaneo"));
        if (alLeer && n > 0)
            alLeer(cuadro, leidos);
    } while (estado != SANE_STATUS_EOF);
    cuadro.datos.resize(leidos);
    return cuadro;
}
