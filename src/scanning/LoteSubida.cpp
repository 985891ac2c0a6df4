#include "scanning/LoteSubida.h"

#include "platform/base/Ajustes.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/base/GuardaErrores.h"
#include "platform/base/Rutas.h"
#include "platform/base/TrabajosEnOrden.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/image/ConvierteImagen.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QString Titulo = QStringLiteral("Aviso al operador!!!");
constexpr int16_t CalidadJpeg = 30;

QStringList ListaBmp(const QString& carpeta)
{
    // Name order, whatever the case of the extension.
    return QDir(carpeta).entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
}

// Only ASCII digits go into the statement: other digits, signs and blanks
// would read as a number, or as more than one.
bool EsNumeroDeSolicitud(const QString& texto)
{
    return !texto.isEmpty()
           && std::all_of(texto.begin(), texto.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

void Marca(ConexionDatos& cn, const QString& referencia)
{
    cn.Ejecuta(QStringLiteral("UPDATE SOLICITUDES SET SCAN=TRUE WHERE NRO_REFERENCIA = ") + referencia);
}

struct ArchivoSubida {
    QString bmp, jpg, referencia;
};

// What is known of a file ahead of its turn.
struct Preparado {
    enum { YaSubido, Comprimido, NoEsImagen, Desaparecido, Fallo } estado = YaSubido;
    // Comprimido: the JPEG on disk under its provisional name.
    std::unique_ptr<EscrituraSegura> jpeg;
    std::optional<Err> error;
};

// Runs on the workers: whatever it does can be undone by dropping it.
Preparado Prepara(const QString& origen, const QString& destino, const ArchivoSubida& a,
                  const LoteSubida::AlComprimir& alComprimir)
{
    Preparado p;
    if (QFileInfo::exists(destino + a.jpg))
        return p;
    if (alComprimir)
        alComprimir(a.bmp);
    const QByteArray jpeg = ComprimeBmp(origen + a.bmp, CalidadJpeg);
    if (jpeg.isEmpty()) {
        p.estado = Preparado::NoEsImagen;
        return p;
    }
    p.jpeg = std::make_unique<EscrituraSegura>(destino + a.jpg);
    p.jpeg->escribe(0, jpeg.constData(), jpeg.size());
    p.jpeg->sincroniza();
    p.estado = Preparado::Comprimido;
    return p;
}

// Any failure of a preparation, on a worker or on the window's thread, is
// its file's; a file gone meanwhile is passed over.
template <typename Preparacion>
Preparado DelArchivo(Preparacion&& preparacion)
{
    Preparado p;
    try {
        return preparacion();
    } catch (const std::exception& e) {
        p.error = ErrorDeExcepcion(e);
    } catch (...) {
        // Nothing to tell of it but that it failed: as an exception without text.
        p.error = Err(NumeroError::ErrorInterno);
    }
    p.estado = p.error->Number == NumeroError::ArchivoNoEncontrado ? Preparado::Desaparecido : Preparado::Fallo;
    return p;
}

// The workers hold a page each while they compress it; a file ready for
// its turn holds only its provisional name, so many may wait, and the
// files of a group share one sync of the folder and one commit.
constexpr qsizetype TurnosPorGrupo = 64;

struct Turno {
    const ArchivoSubida* archivo;
    Preparado preparado;
};

// The listing the batch would make now no longer holds it.
bool Desaparecido(const Turno& t, const QString& origen)
{
    return t.preparado.estado == Preparado::Desaparecido || !QFileInfo::exists(origen + t.archivo->bmp);
}

// What stops the batch at a file: its error, or none when the BMP is no
// picture.
struct Parada {
    std::optional<Err> error;
    QString bmp;
};

void Borra(const QString& ruta)
{
    QFile archivo(ruta);
    if (!archivo.remove())
        FallaAccesoArchivo(ruta, archivo.errorString());
}

// A group of files, in the order of the listing: first each JPEG in place,
// then the folder synced, then the requests marked in one commit, then the
// BMPs deleted, so no request is ever marked without its file and a JPEG
// whose mark fails goes again; a JPEG a crash left unmarked is marked by the
// run that deletes its BMP. What the files after a stop would have done is
// undone, what the files before it did stays, as if they went one by one.
std::optional<Parada> SubeGrupo(std::vector<Turno>& grupo, const QString& origen, const QString& destino,
                                ConexionDatos& cn, bool eliminar, const LoteSubida::AlPunto& punto,
                                const LoteSubida::AlComprimir& alComprimir)
{
    struct PorMarcar {
        const ArchivoSubida* archivo;
        bool nuevo;  // its JPEG was put there now
    };
    std::vector<PorMarcar> marcar;
    std::optional<Parada> parada;
    for (Turno& t : grupo) {
        const ArchivoSubida& a = *t.archivo;
        Preparado& p = t.preparado;
        if (Desaparecido(t, origen))
            continue;
        // The share may have changed since the file was prepared: another
        // BMP of the same JPEG name came first, or the JPEG went.
        if (p.estado == Preparado::Comprimido && QFileInfo::exists(destino + a.jpg))
            p = Preparado{};
        else if (p.estado == Preparado::YaSubido && eliminar && !QFileInfo::exists(destino + a.jpg))
            p = DelArchivo([&] { return Prepara(origen, destino, a, alComprimir); });
        if (p.estado == Preparado::Desaparecido)
            continue;
        if (p.estado == Preparado::NoEsImagen || p.estado == Preparado::Fallo) {
            parada = Parada{p.error, a.bmp};
            break;
        }
        if (p.estado == Preparado::YaSubido) {
            if (eliminar)
                marcar.push_back({&a, false});
            continue;
        }
        try {
            punto(PuntoSubida::JpegEscrito, a.bmp);
            p.jpeg->confirma();
        } catch (const Err& e) {
            parada = Parada{e, a.bmp};
            break;
        }
        punto(PuntoSubida::JpegEnSuLugar, a.bmp);
        marcar.push_back({&a, true});
    }
    const auto retira = [&](size_t desde) {
        for (size_t i = desde; i < marcar.size(); ++i)
            if (marcar[i].nuevo)
                QFile::remove(destino + marcar[i].archivo->jpg);
    };
    if (std::any_of(marcar.begin(), marcar.end(), [](const PorMarcar& m) { return m.nuevo; })) {
        try {
            SincronizaCarpeta(destino);
        } catch (const Err& e) {
            retira(0);
            return Parada{e, marcar.front().archivo->bmp};
        }
        for (const PorMarcar& m : marcar)
            if (m.nuevo)
                punto(PuntoSubida::CarpetaSincronizada, m.archivo->bmp);
    }
    if (marcar.empty())
        return parada;

    size_t marcadas = 0;
    std::optional<Err> fallo;
    try {
        cn.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
        for (; marcadas < marcar.size(); ++marcadas)
            Marca(cn, marcar[marcadas].archivo->referencia);
    } catch (const Err& e) {
        fallo = e;
    }
    try {
        cn.Ejecuta(QStringLiteral("COMMIT TRANSACTION"));
    } catch (const Err& e) {
        if (!fallo)
            fallo = e;
        marcadas = 0;
        try {
            cn.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
        } catch (const Err&) {
            // Nothing was left open.
        }
    }
    retira(marcadas);
    if (fallo)
        parada = Parada{fallo, marcar[std::min(marcadas, marcar.size() - 1)].archivo->bmp};
    for (size_t i = 0; i < marcadas; ++i)
        punto(PuntoSubida::SolicitudMarcada, marcar[i].archivo->bmp);
    if (!eliminar)
        return parada;
    for (size_t i = 0; i < marcadas; ++i) {
        try {
            Borra(origen + marcar[i].archivo->bmp);
        } catch (const Err& e) {
            return Parada{e, marcar[i].archivo->bmp};
        }
        punto(PuntoSubida::BmpBorrado, marcar[i].archivo->bmp);
    }
    return parada;
}

// Every run-time error ends the batch with its number and text.
Politica TerminaConMensaje()
{
    return [](const Err& e) {
        dialogos().MsgBox(QString::number(e.Number) + QLatin1Char(' ') + e.Description, Botones::IconoCritico,
                          Titulo);
        return Respuesta::Salir;
    };
}

}

AjustesSubida AjustesSubida::leidos()
{
    AjustesSubida a;
    a.servidor = Ajustes::valor(QStringLiteral("subida/servidor"), "ESCANEO_SUBIDA_SERVIDOR", QStringLiteral("sqlite"));
    a.base = Ajustes::valor(QStringLiteral("subida/base"), "ESCANEO_SUBIDA_BASE", CarpetaDatosUsuario() + QStringLiteral("subida.db"));
    a.usuario = Ajustes::valor(QStringLiteral("subida/usuario"), "ESCANEO_SUBIDA_USUARIO");
    a.password = Ajustes::valor(QStringLiteral("subida/password"), "ESCANEO_SUBIDA_PASSWORD");
    a.origen = Ajustes::valor(QStringLiteral("subida/origen"), "ESCANEO_SUBIDA_ORIGEN", CarpetaDelPrograma());
    a.destino = Ajustes::valor(QStringLiteral("subida/carpeta"), "ESCANEO_SUBIDA_CARPETA", CarpetaDatosUsuario() + QStringLiteral("subidas/"));
    return a;
}

QString ReferenciaDeArchivo(const QString& jpg)
{
    const QString nombre = ObjUtilidades().Reemplaza(jpg, QStringLiteral(".jpg"));
    const qsizetype guion = nombre.indexOf(u'_');
    return guion < 0 ? nombre : nombre.left(guion);
}

void LoteSubida::setAlPunto(AlPunto alPunto)
{
    alPunto_ = std::move(alPunto);
}

void LoteSubida::setAlComprimir(AlComprimir alComprimir)
{
    alComprimir_ = std::move(alComprimir);
}

void LoteSubida::punto(PuntoSubida p, const QString& bmp) const
{
    if (alPunto_)
        alPunto_(p, bmp);
}

ConexionDatos& LoteSubida::conexion()
{
    if (!conexion_)
        conexion_ = std::make_unique<ConexionDatos>();
    return *conexion_;
}

void LoteSubida::Ejecuta(bool eliminar, const Estado& estado)
{
    GuardaErrores g(TerminaConMensaje());
    const AjustesSubida ajustes = AjustesSubida::leidos();
    ConexionDatos& cn = conexion();
    g.paso([&] {
        cn.setServidor(ajustes.servidor);
        cn.setBaseDatos(ajustes.base);
        cn.setUsuario(ajustes.usuario);
        cn.setPassword(ajustes.password);
        cn.Conecta(false, 3, QString(), true, true);
        if (!cn.EstaConectado())
            throw Err(NumeroError::ErrorDelServidor, cn.ErrorConexion(), QStringLiteral("LoteSubida"));
    });
    const QString origen = ObjUtilidades().AgregaBarra(ajustes.origen);
    const QString destino = ObjUtilidades().AgregaBarra(ajustes.destino);

    // What a killed run left half written there goes first.
    LimpiaProvisionales(destino);

    // Each file is done once, compressed ahead of its turn on every core;
    // files that appear while the batch runs are taken by the next listing.
    QSet<QString> vistos;
    for (bool sigue = true; sigue && !g.salio();) {
        QStringList lista;
        g.paso([&] { lista = ListaBmp(origen); });
        std::vector<ArchivoSubida> nuevos;
        for (const QString& f : std::as_const(lista)) {
            if (vistos.contains(f))
                continue;
            vistos.insert(f);
            const QString jpg = ObjUtilidades().Reemplaza(f, QStringLiteral(".bmp"), QStringLiteral(".jpg"));
            const QString referencia = ReferenciaDeArchivo(jpg);
            // The operator's own scans, named by voucher, share the folder:
            // a name that is no request is none of the batch's business.
            if (EsNumeroDeSolicitud(referencia))
                nuevos.push_back({f, jpg, referencia});
        }
        if (nuevos.empty())
            break;
        std::optional<TrabajosEnOrden<Preparado>> preparados;
        if (!g.paso([&] {
                preparados.emplace(qsizetype(nuevos.size()), TurnosPorGrupo, [&](qsizetype i) {
                    return Prepara(origen, destino, nuevos[size_t(i)], alComprimir_);
                });
            }))
            break;
        const auto punto = [this](PuntoSubida p, const QString& bmp) { this->punto(p, bmp); };
        for (size_t i = 0; sigue && i < nuevos.size();) {
            std::vector<Turno> grupo;
            for (; i < nuevos.size() && qsizetype(grupo.size()) < TurnosPorGrupo; ++i) {
                grupo.push_back({&nuevos[i], DelArchivo([&] { return preparados->toma(); })});
                // Named as it is taken: the window shows the batch moving
                // while the rest of its group is still being compressed.
                if (!Desaparecido(grupo.back(), origen))
                    estado(QStringLiteral("Comprimiendo ") + nuevos[i].bmp);
            }
            const std::optional<Parada> parada =
                SubeGrupo(grupo, origen, destino, cn, eliminar, punto, alComprimir_);
            if (!parada)
                continue;
            sigue = false;
            // The label went on with the files after it, which are undone.
            estado(QStringLiteral("Comprimiendo ") + parada->bmp);
            if (parada->error)
                g.paso([&] { throw *parada->error; });
            else
                dialogos().MsgBox(QStringLiteral("Error al comprimir el Archivo ") + parada->bmp,
                                  Botones::IconoCritico, Titulo);
        }
    }
    if (g.salio())
        return;
    dialogos().MsgBox(QStringLiteral("Proceso Finalizado !!!"), Botones::SoloAceptar + Botones::IconoPregunta, Titulo);
    estado(QString());
    cn.setEstaConectado(false);
}
