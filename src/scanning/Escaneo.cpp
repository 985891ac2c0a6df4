#include "scanning/Escaneo.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/scanner/Twain.h"
#include "scanning/RegistroEscaneos.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

// Every depth is asked for; the scanner's mode decides the real one.
constexpr int ProfundidadPedida = 32;

void Adquiere(long ventana, const QString& ruta)
{
    const QString provisional = RutaProvisional(ruta);
    QFile::remove(provisional);
    if (TWAIN_AcquireToFilename(ventana, provisional) != 0 || !QFileInfo::exists(provisional)) {
        QFile::remove(provisional);
        throw Err(NumeroError::LlamadaInvalida, QStringLiteral("El escáner no entregó la imagen ") + ruta,
                  QStringLiteral("Escaneo"));
    }
    // rename() replaces an existing target in one step.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(provisional).toStdString(), QFile::encodeName(ruta).toStdString(),
                            error);
    if (error) {
        QFile::remove(provisional);
        throw Err(NumeroError::ErrorAccesoRuta,
                  QStringLiteral("No se pudo guardar la imagen %1: %2").arg(ruta, QString::fromStdString(error.message())),
                  QStringLiteral("Escaneo"));
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

QString RutaProvisional(const QString& ruta)
{
    const QFileInfo destino(ruta);
    return destino.dir().filePath(QLatin1Char('.') + destino.fileName() + QStringLiteral(".escaneando"));
}

void AbreEscaner()
{
    TWAIN_OpenDefaultSource();
    TWAIN_SetHideUI(1);
}

void ConfiguraEscaner(double resolucion, int tipoPixel)
{
    TWAIN_SetBitDepth(ProfundidadPedida);
    TWAIN_SetCurrentResolution(resolucion);
    TWAIN_SetCurrentPixelType(tipoPixel);
}

ResultadoEscaneo AdquiereYRegistra(ConexionDatos& conexion, long ventana, const DocumentoEscaneado& documento)
{
    QString tc, idComprobante;
    if (!DivideComprobante(documento.comprobante, tc, idComprobante))
        throw Err(NumeroError::LlamadaInvalida,
                  QStringLiteral("Comprobante incompleto: ") + documento.comprobante, QStringLiteral("Escaneo"));
    if (!NombreArchivoValido(documento.nombreArchivo))
        throw Err(NumeroError::LlamadaInvalida, QStringLiteral("Nombre de archivo no válido: ") + documento.nombreArchivo,
                  QStringLiteral("Escaneo"));
    Adquiere(ventana, documento.ruta);
    FilaEscaneo fila;
    fila.Cuenta = documento.cuenta;
    fila.Cpte = ClaveComprobante(tc, idComprobante);
    fila.Fecha = QDate::currentDate();
    fila.Usuario = Modulo().UsuarioActual;
    fila.RutaArchivo = documento.ruta;
    fila.NombreArchivo = documento.nombreArchivo;
    return {documento.ruta, EjecutaEnRegistro(conexion, SentenciaAltaEscaneo(conexion, fila))};
}

ResultadoEscaneo EscaneaDocumento(ConexionDatos& conexion, const QString& carpeta, const QString& nombreBase,
                                  const QString& cuenta, const QString& comprobante, int tipoPixel,
                                  double resolucion)
{
    AbreEscaner();
    ConfiguraEscaner(resolucion, tipoPixel);
    DocumentoEscaneado documento;
    documento.ruta = RutaDeCopia(carpeta, nombreBase, 1);
    documento.nombreArchivo = nombreBase;
    documento.cuenta = cuenta;
    documento.comprobante = comprobante;
    return AdquiereYRegistra(conexion, 0, documento);
}
