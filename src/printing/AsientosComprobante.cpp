#include "printing/AsientosComprobante.h"

#include "platform/base/FechaCorta.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <memory>

namespace {

// The caller's date as the engine compares dates: an ISO or a typed date
// through the engine's date literal, any other text quoted as it is.
QString literalFecha(const ConexionDatos& cn, const QString& fecha)
{
    const QString texto = fecha.trimmed();
    QDateTime dia = QDateTime::fromString(texto, Qt::ISODate);
    for (const char* formato : {"yyyy-MM-dd HH:mm:ss", "yyyyMMdd HH:mm:ss", "yyyyMMdd"})
        if (!dia.isValid())
            dia = QDateTime::fromString(texto, QLatin1String(formato));
    if (!dia.isValid())
        dia = FechaDelOperador(texto);
    return dia.isValid() ? cn.LiteralFecha(dia) : cn.FormatoLiteral(fecha);
}

}  // namespace

void ProcesaAsientosComprobante(const QString& TC, const QString& IdComprobante, const QString& Fecha,
                                bool ConCentroCosto)
{
    ConexionDatos& cn = ConexionPrincipal();
    const Utilidades& u = ObjUtilidades();
    const QString Sucursal = IdComprobante.mid(0, 4);
    const QString Numero = IdComprobante.mid(4, 8);
    const QString Letra = IdComprobante.mid(12, 1);
    // An empty date would select nothing: it leaves the date out instead.
    const QString condicionFecha =
        Fecha.isEmpty() ? QString() : QStringLiteral(" AND FECHA=") + literalFecha(cn, Fecha);
    auto rs = cn.AbreRecordset(
        QStringLiteral("SELECT TC, SUCURSAL, NUMERO, LETRA, [NUMERO ASIENTO],MES_OPERATIVO,PERIODO FROM "
                       "@ADMIN_MV_ASIENTOS with(nolock) WHERE TC=")
        + cn.FormatoLiteral(TC) + QStringLiteral(" AND SUCURSAL=") + cn.FormatoLiteral(Sucursal)
        + QStringLiteral(" AND NUMERO=") + cn.FormatoLiteral(Numero) + QStringLiteral(" AND LETRA=")
        + cn.FormatoLiteral(Letra) + condicionFecha
        + QStringLiteral(" GROUP BY TC, SUCURSAL, NUMERO, LETRA, [NUMERO ASIENTO],MES_OPERATIVO,PERIODO"));
    while (!rs->EOF()) {
        ImprimeAsiento(TC, Sucursal, Numero, Letra, u.ValorCampo(rs->Campo(QStringLiteral("Mes_Operativo"))),
                       u.ValorCampo(rs->Campo(QStringLiteral("numero asiento"))),
                       u.ValorCampo(rs->Campo(QStringLiteral("Periodo"))), ConCentroCosto, true);
        rs->MoveNext();
    }
    cn.CierraRecordset(rs);
}

void ImprimeAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                    const QString& MesOperativo, const QString& NumeroAsiento, const QVariant& Periodo,
                    bool ConCentroCosto, bool EnPantalla)
{
    const ConexionDatos& cn = ConexionPrincipal();
    const auto L = [&](const QVariant& x) { return cn.FormatoLiteral(x, QStringLiteral("'")); };
    const QString seleccion = QStringLiteral("{MV_ASIENTOS.PERIODO} = ") + L(Periodo)
                              + QStringLiteral(" AND {MV_ASIENTOS.TC} = ") + L(TC.trimmed())
                              + QStringLiteral(" AND {MV_ASIENTOS.SUCURSAL} = ") + L(Sucursal.trimmed())
                              + QStringLiteral(" AND {MV_ASIENTOS.NUMERO} = ") + L(Numero.trimmed())
                              + QStringLiteral(" AND {MV_ASIENTOS.LETRA} = ") + L(Letra.trimmed())
                              + QStringLiteral(" AND {MV_ASIENTOS.MES_OPERATIVO} = ") + MesOperativo
                              + QStringLiteral(" AND {MV_ASIENTOS.NUMERO ASIENTO} = ") + NumeroAsiento.trimmed();
    Reporte& reporte = ObjReporte();
    reporte.setDestino(EnPantalla ? reporte.DestinoPantalla() : reporte.DestinoImpresora());
    reporte.setOpcion(true);
    const QString empresa = Cfg(QStringLiteral("NOMBRE"));
    reporte.Imprime(ConCentroCosto ? QStringLiteral("AsientoCCosto") : QStringLiteral("Asientos"),
                    QStringList{QString()}, seleccion, Modulo().CadenaConexionReporte,
                    QStringLiteral("EMPRESA = '") + empresa + u'\'', QStringLiteral("ENQUEMONEDA = '1'"), {}, {}, {},
                    ConCentroCosto ? QStringLiteral("AsientoSueldosCC") : QString());
    reporte.setAjuste(10);
}
