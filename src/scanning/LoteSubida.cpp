#include "scanning/LoteSubida.h"

#include "platform/base/Ajustes.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/image/ConvierteImagen.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString Titulo = QStringLiteral("Aviso al operador!!!");
constexpr int16_t CalidadJpeg = 30;

QString CarpetaDeDatos()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/escaneo/");
}

QStringList ListaBmp(const QString& carpeta)
{
    // Name order, whatever the case of the extension.
    return QDir(carpeta).entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
}

bool SoloDigitos(const QString& texto)
{
    return !texto.isEmpty() && std::all_of(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); });
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
    a.base = Ajustes::valor(QStringLiteral("subida/base"), "ESCANEO_SUBIDA_BASE", CarpetaDeDatos() + QStringLiteral("subida.db"));
    a.usuario = Ajustes::valor(QStringLiteral("subida/usuario"), "ESCANEO_SUBIDA_USUARIO");
    a.password = Ajustes::valor(QStringLiteral("subida/password"), "ESCANEO_SUBIDA_PASSWORD");
    a.origen = Ajustes::valor(QStringLiteral("subida/origen"), "ESCANEO_SUBIDA_ORIGEN", CarpetaDelPrograma());
    a.destino = Ajustes::valor(QStringLiteral("subida/carpeta"), "ESCANEO_SUBIDA_CARPETA", CarpetaDeDatos() + QStringLiteral("subidas/"));
    return a;
}

QString ReferenciaDeArchivo(const QString& jpg)
{
    const QString nombre = ObjUtilidades().Reemplaza(jpg, QStringLiteral(".jpg"));
    const qsizetype guion = nombre.indexOf(u'_');
    return guion < 0 ? nombre : nombre.left(guion);
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

    QStringList lista;
    g.paso([&] { lista = ListaBmp(origen); });
    for (qsizetype i = 0; i < lista.size() && !g.salio();) {
        const QString f = lista[i];
        estado(QStringLiteral("Comprimiendo ") + f);
        const QString jpg = ObjUtilidades().Reemplaza(f, QStringLiteral(".bmp"), QStringLiteral(".jpg"));
        if (!QFile::exists(destino + jpg)) {
            // The JPEG takes its name only once its request is marked, so a
            // request left unmarked is converted again by the next run and
            // its BMP is never deleted.
            const QString provisional = destino + QStringLiteral(".%1-%2.tmp").arg(QCoreApplication::applicationPid()).arg(i);
            bool convertido = false;
            g.paso([&] {
                const QString referencia = ReferenciaDeArchivo(jpg);
                if (!SoloDigitos(referencia))
                    throw Err(NumeroError::TiposNoCoinciden,
                              QStringLiteral("La referencia \"%1\" del archivo %2 no es un número").arg(referencia, f),
                              QStringLiteral("LoteSubida"));
                convertido = ConvertBMPtoJPG(origen + f, provisional, 0, CalidadJpeg, !eliminar) == 0
                             && QFileInfo(provisional).size() > 0;
                if (!convertido)
                    return;
                try {
                    cn.Ejecuta(QStringLiteral("UPDATE SOLICITUDES SET SCAN=TRUE WHERE NRO_REFERENCIA = ") + referencia);
                    if (!QFile::rename(provisional, destino + jpg))
                        FallaAccesoArchivo(destino + jpg, QStringLiteral("no se pudo dar su nombre al archivo comprimido"));
                } catch (const Err&) {
                    QFile::remove(provisional);
                    throw;
                }
            });
            if (g.salio())
                break;
            if (!convertido) {
                QFile::remove(provisional);
                dialogos().MsgBox(QStringLiteral("Error al comprimir el Archivo ") + f, Botones::IconoCritico, Titulo);
                break;
            }
        } else if (eliminar) {
            g.paso([&] { Borra(origen + f); });
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
