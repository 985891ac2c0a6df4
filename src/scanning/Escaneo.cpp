#include "scanning/Escaneo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/base/GuardaErrores.h"
#include "platform/scanner/DispositivoSane.h"
#include "platform/scanner/Twain.h"
#include "scanning/OperadorEscaneo.h"
#include "scanning/RegistroEscaneos.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "services/ServiciosArchivo.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Every depth is asked for; the scanner's mode decides the real one.
constexpr int ProfundidadPedida = 32;

bool esErrorDeArchivo(const Err& e)
{
    return e.Number == NumeroError::ErrorAccesoRuta || e.Number == NumeroError::RutaNoEncontrada;
}

void adquiere(long ventana, const QString& ruta)
{
    if (TWAIN_AcquireToFilename(ventana, ruta) == 0)
        return;
    const std::optional<Err> error = ErrorUltimaAdquisicion();
    if (error && esErrorDeArchivo(*error))
        throw *error;
    throw ErrorEscaner(QStringLiteral("El escáner no entregó la imagen ") + ruta);
}

QString registra(const QString& cuenta, const QString& clave, const QString& ruta, const QString& nombreBase)
{
    FilaEscaneo fila;
    fila.Cuenta = cuenta;
    fila.Cpte = clave;
    fila.Fecha = QDate::currentDate();
    fila.Usuario = Modulo().UsuarioActual;
    fila.RutaArchivo = ruta;
    fila.NombreArchivo = nombreBase;
    ConexionDatos& conexion = ConexionPrincipal();
    return EjecutaEnRegistro(conexion, SentenciaAltaEscaneo(conexion, fila));
}

// False when the operator gives the scan up.
bool pideNombre(OperadorEscaneo& operador, const PedidoEscaneo& pedido, QString& nombreBase)
{
    for (;;) {
        nombreBase =
            operador.NombreArchivo(NombreArchivoPorDefecto(pedido.comprobante, pedido.cuenta, FechaServidor()))
                .trimmed();
        if (nombreBase.isEmpty()) {
            if (operador.AbandonaCarga())
                return false;
        } else if (NombreArchivoValido(nombreBase)) {
            return true;
        } else {
            operador.Avisa(AvisoEscaneo::NombreNoValido, nombreBase);
        }
    }
}

}

QString CarpetaDeEscaneo(const QString& carpetaVentana)
{
    QString carpeta = Cfg(QStringLiteral("RUTA_ESCANEO"));
    if (carpeta.trimmed().isEmpty())
        carpeta = carpetaVentana;
    if (!carpeta.trimmed().isEmpty())
        return carpeta;
    carpeta = ObjUtilidades().AgregaBarra(ObjSistema().CarpetaPrograma()) + QStringLiteral("SCAN/");
    if (!QDir(carpeta).exists() && !QDir().mkpath(carpeta))
        throw Err(NumeroError::ErrorAccesoRuta, QStringLiteral("No se pudo crear la carpeta ") + carpeta,
                  QStringLiteral("Escaneo"));
    if (QDir(carpeta).exists())
        GrabaDfg(QStringLiteral("RUTA_ESCANEO"), carpeta, QString(), false, QStringLiteral("DATOS"), true);
    return carpeta;
}

QString NombreArchivoPorDefecto(const QString& comprobante, const QString& cuenta, const QDateTime& hora)
{
    const QDate dia = hora.date();
    const QTime tiempo = hora.time();
    QString marca;
    for (int parte : {dia.day(), dia.month(), dia.year(), tiempo.hour(), tiempo.minute(), tiempo.second()})
        marca += QString::number(parte);
    return comprobante + QLatin1Char('-') + cuenta + QLatin1Char('-') + marca;
}

bool NombreArchivoValido(const QString& nombreBase)
{
    return !nombreBase.isEmpty() && !nombreBase.contains(QLatin1Char('/')) && !nombreBase.contains(QChar(0));
}

QString RutaDeCopia(const QString& carpeta, const QString& nombreBase, int copia)
{
    const QString sufijo = copia > 1 ? QStringLiteral("(%1)").arg(copia) : QString();
    return ObjUtilidades().AgregaBarra(carpeta) + nombreBase + sufijo + QStringLiteral(".bmp");
}

FinEscaneo Escanea(OperadorEscaneo& operador, const PedidoEscaneo& pedido)
{
    FinEscaneo fin;
    QString tc, idComprobante;
    if (!DivideComprobante(pedido.comprobante, tc, idComprobante)) {
        operador.Avisa(AvisoEscaneo::ComprobanteNoValido, pedido.comprobante);
        return fin;
    }
    // Every copy registers the same account and voucher.
    const QString clave = ClaveComprobante(tc, idComprobante);
    GuardaErrores guarda([&operador](const Err& e) {
        operador.Avisa(esErrorDeArchivo(e) ? AvisoEscaneo::FalloDelArchivo : AvisoEscaneo::FalloDelEscaner,
                       e.Description);
        return Respuesta::Salir;
    });
    QString carpeta;
    guarda.paso([&] { carpeta = CarpetaDeEscaneo(pedido.carpetaVentana); });
    guarda.paso([] {
        TWAIN_OpenDefaultSource();
        TWAIN_SetHideUI(1);
    });
    bool otroNombre = true;
    while (otroNombre && !guarda.salio()) {
        otroNombre = false;
        QString nombreBase;
        if (!pideNombre(operador, pedido, nombreBase))
            return fin;
        for (int copia = 1; copia <= pedido.copias && !guarda.salio(); ++copia) {
            const QString ruta = RutaDeCopia(carpeta, nombreBase, copia);
            if (QFileInfo::exists(ruta) && !operador.ReemplazaArchivo(ruta)) {
                otroNombre = true;
                break;
            }
            if (!fin.escanerConfigurado) {
                fin.escanerConfigurado = true;
                guarda.paso([&] {
                    TWAIN_SetBitDepth(ProfundidadPedida);
                    TWAIN_SetCurrentResolution(pedido.resolucion);
                    TWAIN_SetCurrentPixelType(pedido.tipoPixel);
                });
            }
            QString errorRegistro;
            guarda.paso([&] { adquiere(pedido.ventana, ruta); });
            // The row may name the file only once its name is on the disk too.
            guarda.paso([&] { SincronizaCarpeta(QFileInfo(ruta).absolutePath()); });
            guarda.paso([&] { errorRegistro = registra(pedido.cuenta, clave, ruta, nombreBase); });
            if (guarda.salio())
                break;
            if (!errorRegistro.isEmpty())
                operador.Avisa(AvisoEscaneo::ErrorDeRegistro, errorRegistro);
            operador.PaginaEscaneada(ruta);
        }
    }
    return fin;
}
