#include "services/ServiciosArchivo.h"

#include "platform/base/GuardaErrores.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

// A configured date: the suite's day-first form or ISO, with or without time.
QDateTime fechaConfigurada(const QString& texto)
{
    const QString t = texto.trimmed();
    for (const char* formato : {"d/M/yyyy H:mm:ss", "d/M/yyyy H:mm", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm"}) {
        const QDateTime fecha = QDateTime::fromString(t, QLatin1String(formato));
        if (fecha.isValid())
            return fecha;
    }
    for (const char* formato : {"d/M/yyyy", "yyyy-MM-dd"}) {
        const QDate fecha = QDate::fromString(t, QLatin1String(formato));
        if (fecha.isValid())
            return QDateTime(fecha, QTime(0, 0));
    }
    return QDateTime();
}

// The server's answer to the second, whether the engine gives a date or its text.
QDateTime fechaDelServidor(const QVariant& valor)
{
    QDateTime fecha = valor.toDateTime();
    if (!fecha.isValid())
        fecha = QDateTime::fromString(valor.toString().trimmed(), Qt::ISODateWithMs);
    if (!fecha.isValid())
        throw Err(NumeroError::TiposNoCoinciden);
    return QDateTime(fecha.date(), QTime(fecha.time().hour(), fecha.time().minute(), fecha.time().second()));
}

}

bool ExisteArchivo(const QString& Ruta)
{
    if (!QFileInfo(Ruta).isFile())
        return false;
    QFile archivo(Ruta);
    return archivo.open(QIODevice::ReadOnly | QIODevice::Text);
}

QDateTime FechaServidor()
{
    ConexionDatos& cn = ConexionPrincipal();
    GuardaErrores g(politicas::reanudaTodo());
    std::unique_ptr<Recordset> rs;
    QDateTime fecha;
    g.paso([&] { rs = cn.AbreRecordset(QStringLiteral("select getDate() as fecha"), 0, 1); });
    g.paso([&] {
        if (rs && !rs->EOF())
            fecha = fechaDelServidor(rs->Campo(QStringLiteral("Fecha")));
    });
    if (!fecha.isValid()) {
        g.paso([&] {
            if (Modulo().UTILIZARFECHADIA)
                fecha = fechaConfigurada(Cfg(QStringLiteral("FECHAOPERHASTA")));
        });
        if (!fecha.isValid())
            fecha = QDateTime::currentDateTime();
    }
    g.paso([&] {
        if (rs)
            cn.CierraRecordset(rs);
    });
    return fecha;
}

void AbreArchivoAsociado(QString Ruta, bool Mostrar)
{
    if (!Ruta.contains(QLatin1Char('"')) && Ruta.contains(QLatin1Char(' ')))
        Ruta = QLatin1Char('"') + Ruta + QLatin1Char('"');
    ObjSistema().AbreConProgramaAsociado(0, QString(), Ruta, QString(), QString(), Mostrar ? 6 : 0);
}
