#include "email/ArchivoTemporal.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/GuardaErrores.h"
#include "platform/base/Rutas.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"
#include "services/ServiciosArchivo.h"

#include <QFile>
#include <QTime>

#include <memory>

namespace {

struct Actual {
    QString ruta;
    std::unique_ptr<QFile> archivo;
};

Actual& actual()
{
    static Actual a;
    return a;
}

void Cierra()
{
    actual().archivo.reset();
}

void EscribeLinea(const QString& texto)
{
    Actual& a = actual();
    if (!a.archivo)
        throw Err(NumeroError::NombreArchivoIncorrecto);
    const QByteArray fin = a.ruta.endsWith(QLatin1String("xls"), Qt::CaseInsensitive) ? "\r\n" : "\r\r\n";
    const QByteArray linea = ACp1252(texto) + fin;
    if (a.archivo->write(linea) != linea.size() || !a.archivo->flush())
        FallaAccesoArchivo(a.ruta, a.archivo->errorString());
}

void Crea(const QString& texto, QString& extension, const QString& ruta)
{
    Actual& a = actual();
    Cierra();
    a.ruta.clear();
    if (!extension.startsWith(u'.'))
        extension.prepend(u'.');
    const QString nueva =
        ruta.isEmpty() ? ObjUtilidades().AgregaBarra(CarpetaTemporalSistema()) +
                             QTime::currentTime().toString(QStringLiteral("HHmmss")) + extension
                       : ruta;
    auto archivo = std::make_unique<QFile>(nueva);
    if (!archivo->open(QIODevice::WriteOnly | QIODevice::Truncate))
        FallaAccesoArchivo(nueva, archivo->errorString());
    a.ruta = nueva;
    a.archivo = std::move(archivo);
    if (!texto.trimmed().isEmpty())
        EscribeLinea(texto);
}

}

void ArchivoTemporal(int16_t Modo, const QString& Texto, QString& Extension, QString& Ruta)
{
    // A file that is not open ends the call quietly; anything else asks.
    const Politica pregunta = politicas::dialogo([](const Err& e) { return int(MuestraError(e)); });
    GuardaErrores g([&pregunta](const Err& e) {
        if (e.Number != NumeroError::NombreArchivoIncorrecto)
            return pregunta(e);
        Cierra();
        return Respuesta::Salir;
    });
    switch (Modo) {
    case 1:
        g.paso([&] { Crea(Texto, Extension, Ruta); });
        break;
    case 2:
        g.paso([&] { EscribeLinea(Texto); });
        break;
    case 3:
        g.paso([] { Cierra(); });
        g.paso([] {
            QString ruta = actual().ruta;
            AbreArchivoAsociado(ruta, true);
        });
        break;
    case 4:
        g.paso([] { Cierra(); });
        g.paso([] {
            if (!actual().ruta.isEmpty() && QFile::exists(actual().ruta) && !QFile::remove(actual().ruta))
                FallaAccesoArchivo(actual().ruta, QStringLiteral("no se pudo borrar"));
        });
        break;
    default:
        break;
    }
    Ruta = actual().ruta;
}
