#include "services/Objetos.h"
#include "voucherweb/SeccionesPagina.h"
#include "voucherweb/TextoPagina.h"

// The vouchers this one applies and the vouchers that apply to it, from
// MV_APLICACION. The sales writer shows each voucher as a link and adds the
// receipt; the purchase writer shows plain cells of the voucher's account.

namespace {

const QString CeldaVoucher = QStringLiteral("<TD CLASS=TableRowdETALLE>");

// Which voucher of the row a table shows: the origin one or the applying one.
struct Columnas {
    const char* tc;
    const char* sucursal;
    const char* numero;
    const char* letra;
    const char* idComprobante;
};
const Columnas Origen{"TCO_ORIGEN", "SUCURSAL_ORIGEN", "NUMERO_ORIGEN", "LETRA_ORIGEN", "IDCOMPROBANTE_ORIGEN"};
const Columnas Aplicante{"TC", "SUCURSAL", "NUMERO", "LETRA", "IDCOMPROBANTE"};

QString Encabezado(const ContextoPagina& c, const char* titulo)
{
    return AbreSeccion + FuenteSeccion + QStringLiteral("<B>") + QLatin1String(titulo) + Html(c.cpte.Identidad())
           + QStringLiteral("</B>") + TablaSeccion
           + QStringLiteral("<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>TC</TD>")
           + QStringLiteral("<TD CLASS=TableCABDetalle>COMPROBANTE</TD>")
           + (c.cpte.EsVenta ? QStringLiteral("<TD CLASS=TableCABDetalle>RECIBO</TD>") : QString())
           + QStringLiteral("<TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD></TR>");
}

// The cells of one row. The sales writer's voucher cells open a link to the
// voucher that nothing follows; the anchor is left open as the suite's
// pages always had it.
QString Celdas(const ContextoPagina& c, const FilaPagina& fila, const Columnas& col, bool reglaRemito)
{
    QString importe = ValorFila(fila, "IMPORTE");
    if (!c.cpte.EsVenta)
        return CeldaVoucher + ValorFila(fila, col.tc) + QStringLiteral("</TD>") + CeldaVoucher + ValorFila(fila, col.idComprobante)
               + QStringLiteral("</TD>") + CeldaImporte + importe + QStringLiteral("</TD>");
    // A delivery note carries no amount of its own. The type is compared as
    // stored: "RM" padded with blanks is not a delivery note here.
    if (reglaRemito && TextoPlano(fila(col.tc)).compare(QStringLiteral("RM"), Qt::CaseInsensitive) == 0)
        importe = QStringLiteral(" -- ");
    const QString enlace = CeldaVoucher + QStringLiteral("<A HREF=_TC_") + ParteEnlace(fila(col.tc))
                           + QStringLiteral("_SUCURSAL_") + ParteEnlace(fila(col.sucursal))
                           + QStringLiteral("_NUMERO_") + ParteEnlace(fila(col.numero))
                           + QStringLiteral("_LETRA_") + ParteEnlace(fila(col.letra)) + u'>';
    const Utilidades& u = ObjUtilidades();
    return enlace + ValorFila(fila, col.tc) + QStringLiteral("</TD>") + enlace + ValorFila(fila, col.idComprobante)
           + QStringLiteral("</TD>") + enlace
           + Html(u.ValorCampo(fila("TC_PRINT")) + u' '
                  + u.ValorCampo(fila("IDCOMPROBANTE_PRINT")))
           + QStringLiteral("</TD>") + CeldaImporte + importe + QStringLiteral("</TD>");
}

// The purchase writer keeps to the voucher's own account.
QString FiltroCuenta(const ContextoPagina& c)
{
    if (c.cpte.EsVenta)
        return QString();
    return QStringLiteral("CUENTA = ") + c.Literal(ObjUtilidades().ValorCampo(c.Cabecera(QStringLiteral("Cuenta"))))
           + QStringLiteral(" AND ");
}

QString ColumnasRecibo(const ContextoPagina& c)
{
    return c.cpte.EsVenta ? QStringLiteral(", TC_PRINT, IDCOMPROBANTE_PRINT") : QString();
}

}

void EscribeAplicadosPor(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    const Utilidades& u = ObjUtilidades();
    const QString sql = QStringLiteral("SELECT ")
                        + QStringLiteral("TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,LETRA_ORIGEN,IDCOMPROBANTE_ORIGEN, IMPORTE")
                        + ColumnasRecibo(c) + (v.EsVenta ? QStringLiteral(" ") : QString())
                        + QStringLiteral(" from MV_APLICACION  with(nolock) WHERE ") + FiltroCuenta(c)
                        + QStringLiteral("TC=") + c.Literal(v.TC4()) + QStringLiteral(" and SUCURSAL=")
                        + c.Literal(u.RellenaCodigo(v.Sucursal, 4)) + QStringLiteral(" and NUMERO=")
                        + c.Literal(u.RellenaCodigo(v.Numero, 8)) + QStringLiteral(" and LETRA=")
                        + c.Literal(u.RellenaCodigo(v.Letra, 4));
    c.Tabla(sql, Encabezado(c, "COMPROBANTES APLICADOS POR "),
            [&](const FilaPagina& fila, TextoFila& celdas) { celdas.Agrega(Celdas(c, fila, Origen, true)); });
}

void EscribeQueAplican(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    const QString sql = QStringLiteral("SELECT ") + QStringLiteral("TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE")
                        + ColumnasRecibo(c) + QStringLiteral(" from MV_Aplicacion  with(nolock) WHERE ") + FiltroCuenta(c)
                        + QStringLiteral("TCo_origen=") + c.Literal(v.TC4()) + QStringLiteral(" and idcomprobante_origen=")
                        + c.Literal(v.IdComprobante());
    c.Tabla(sql, Encabezado(c, "COMPROBANTES QUE APLICAN A "),
            [&](const FilaPagina& fila, TextoFila& celdas) { celdas.Agrega(Celdas(c, fila, Aplicante, false)); });
}
