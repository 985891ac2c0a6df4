#include "voucherweb/PaginaActual.h"

#include "platform/base/Rutas.h"
#include "services/Objetos.h"
#include "voucherweb/GeneraPagina.h"
#include "voucherweb/HojaEstilo.h"

QString NombrePaginaComprobante(const QString& tc, const QString& sucursal, const QString& letra, const QTime& hora)
{
    return tc + sucursal + letra + QString::number(hora.second()) + QStringLiteral(".htm");
}

QString NombrePaginaNueva(const QDateTime& ahora)
{
    const QDate dia = ahora.date();
    const QTime hora = ahora.time();
    QString nombre = QStringLiteral("C");
    for (int parte : {dia.day(), dia.month(), dia.year(), hora.hour(), hora.minute(), hora.second()})
        nombre += QString::number(parte);
    return nombre + QStringLiteral(".htm");
}

void CrearTempNew(QString& RutaTemporal, QString& ArchivoHtmlActual)
{
    const Utilidades& u = ObjUtilidades();
    RutaTemporal = u.AgregaBarra(ObjSistema().CarpetaTemporal());
    ArchivoHtmlActual = RutaTemporal + NombrePaginaNueva(QDateTime::currentDateTime());
    writeStyleCSS(RutaTemporal);
}

void Mostrar(QString& RutaTemporal, QString& ArchivoHtmlActual, const QString& iTc, const QString& iSucursal,
             const QString& iNumero, const QString& iLetra, bool EsVenta, const QString& Cuenta,
             std::optional<bool> UsaVMvCpte)
{
    RutaTemporal = CarpetaTemporalSistema();
    const QString pagina = RutaTemporal + NombrePaginaComprobante(iTc, iSucursal, iLetra, QTime::currentTime());
    writeStyleCSS(RutaTemporal);
    const bool escrita =
        EsVenta ? GeneraPaginaVenta(pagina, iTc, iSucursal, iNumero, iLetra, true)
                : GeneraPaginaCompra(pagina, iTc, iSucursal, iNumero, iLetra,
                                     UsaVMvCpte.value_or(iTc.trimmed().compare(QStringLiteral("PG"), Qt::CaseInsensitive) == 0),
                                     Cuenta);
    ArchivoHtmlActual = escrita ? pagina : QString();
}
