#include "scanning/LoteSubida.h"

#include "platform/base/Ajustes.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/base/GuardaErrores.h"
#include "platform/base/Rutas.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/image/ConvierteImagen.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

void Borra(const QString& ruta)
{
    QFile archivo(ruta);
    if (!archivo.remove())
        FallaAccesoArchivo(ruta, archivo.errorString());
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

void LoteSubida::punto(PuntoSubida p) const
{
    if (alPunto_)
        alPunto_(p);
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

    QStringList lista;
    g.paso([&] { lista = ListaBmp(origen); });
    for (qsizetype i = 0; i < lista.size() && !g.salio();) {
        const QString f = lista[i];
        const QString jpg = ObjUtilidades().Reemplaza(f, QStringLiteral(".bmp"), QStringLiteral(".jpg"));
        const QString referencia = ReferenciaDeArchivo(jpg);
        // The operator's own scans, named by voucher, share the folder: a
        // name that is no request is none of the batch's business.
        if (!EsNumeroDeSolicitud(referencia)) {
            ++i;
            continue;
        }
        estado(QStringLiteral("Comprimiendo ") + f);
        if (!QFile::exists(destino + jpg)) {
            // The JPEG is in place and on disk before its request is marked,
            // and goes again when the mark fails: no request is ever marked
            // without its file, and a JPEG left unmarked by a crash is marked
            // by the run that deletes its BMP.
            bool convertido = false;
            g.paso([&] {
                const QByteArray jpeg = ComprimeBmp(origen + f, CalidadJpeg);
                convertido = !jpeg.isEmpty();
                if (!convertido)
                    return;
                EscrituraSegura archivo(destino + jpg);
                archivo.escribe(0, jpeg.constData(), jpeg.size());
                punto(PuntoSubida::JpegEscrito);
                archivo.confirma();
                punto(PuntoSubida::JpegEnSuLugar);
                try {
                    SincronizaCarpeta(destino);
                    punto(PuntoSubida::CarpetaSincronizada);
                    Marca(cn, referencia);
                } catch (const Err&) {
                    QFile::remove(destino + jpg);
                    throw;
                }
                punto(PuntoSubida::SolicitudMarcada);
            });
            if (g.salio())
                break;
            if (!convertido) {
                dialogos().MsgBox(QStringLiteral("Error al comprimir el Archivo ") + f, Botones::IconoCritico, Titulo);
                break;
            }
        } else if (eliminar) {
            g.paso([&] {
                Marca(cn, referencia);
                punto(PuntoSubida::SolicitudMarcada);
                Borra(origen + f);
                punto(PuntoSubida::BmpBorrado);
            });
        } else {
            ++i;
            continue;
        }
        g.paso([&] { lista = ListaBmp(origen); });
        i = 0;
    }
    if (g.salio())
        return;
    dialogos().MsgBox(QStringLiteral("Proceso Finalizado !!!"), Botones::SoloAceptar + Botones::IconoPregunta, Titulo);
    estado(QString());
    cn.setEstaConectado(false);
}
