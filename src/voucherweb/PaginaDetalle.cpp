#include "voucherweb/SeccionesPagina.h"
#include "voucherweb/TextoPagina.h"

#include <QStringBuilder>

#include <optional>

// The detail tables: supplies, tasks and observations of the voucher, on
// the sales side keyed by voucher and complement, on the purchase side by
// account and voucher.

namespace {

const QString CeldaDetalle = QStringLiteral("<TD CLASS=TableROWDetalle>");
const QString AbreEncabezado = QStringLiteral("<TR VALIGN=TOP BGCOLOR=aeaaea>");

QString Encabezado(const char* titulo, const QString& celdas)
{
    return AbreSeccion + FuenteSeccion + QStringLiteral("<B>") + QLatin1String(titulo) + QStringLiteral("</B>")
           + TablaSeccion + AbreEncabezado + celdas;
}

QString Recortado(const FilaPagina& fila, const char* columna)
{
    return HtmlValorRecortado(fila(columna));
}

// The statement of one detail table, or nothing when the voucher's detail
// cannot be keyed: a sales-side header without its complement has none.
std::optional<QString> Sentencia(const ContextoPagina& c, const QString& columnas, const char* vistaV,
                                 const char* vistaC)
{
    const Comprobante& v = c.cpte;
    const QString clave = QStringLiteral("TC=") + c.Literal(v.TC4()) + QStringLiteral(" and idcomprobante=")
                          + c.Literal(v.IdComprobante());
    if (!v.UsaVMvCpte)
        return QStringLiteral("SELECT ") + columnas + QStringLiteral(" from ") + QLatin1String(vistaC)
               + QStringLiteral("  with(nolock) WHERE CUENTA = ") + c.Literal(v.Cuenta) + QStringLiteral(" AND ") + clave;
    const QVariant complemento = c.Cabecera(QStringLiteral("IdComplemento"));
    if (complemento.isNull())
        return std::nullopt;
    return QStringLiteral("SELECT ") + columnas + QStringLiteral(" from ") + QLatin1String(vistaV)
           + QStringLiteral("  with(nolock) WHERE ") + clave + QStringLiteral(" and idcomplemento=")
           + c.conexion.FormatoLiteral(complemento, QStringLiteral("@"));
}

void Detalle(ContextoPagina& c, const QString& columnas, const char* vistaV, const char* vistaC,
             const QString& encabezado, const std::function<void(const FilaPagina&, TextoFila&)>& celdas)
{
    const std::optional<QString> sql = Sentencia(c, columnas, vistaV, vistaC);
    if (sql)
        c.Tabla(*sql, encabezado, celdas);
}

}

void EscribeInsumos(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    const bool conIva = v.UsaVMvCpte && v.EsVenta;
    const bool conDescuento = v.UsaVMvCpte;
    QString columnas = QStringLiteral("IDARTICULO,DESCRIPCION,");
    if (conIva)
        columnas += QStringLiteral("ALICIVA,IMPORTE_S_IVA,");
    columnas += QStringLiteral("IDUNIDAD,CANTIDAD,IMPORTE,TOTAL");
    if (conDescuento)
        columnas += QStringLiteral(",IMPORTEDTO");

    QString cabecera = QStringLiteral("<TD CLASS=TableCABDetalle>CODIGO</TD>")
                       + QStringLiteral("<TD CLASS=TableCABDetalle>DESCRIPCION</TD>");
    if (conIva)
        cabecera += QStringLiteral("<TD CLASS=TableCABDetalle>ALICUOTA</TD>") + QStringLiteral("<TD CLASS=TableCABDetalle>NETO</TD>");
    cabecera += QStringLiteral("<TD CLASS=TableCABDetalle >UNIDAD</TD>")
                + QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=right >CANTIDAD</TD>")
                + QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=RIGHT >IMPORTE</TD>");
    if (conDescuento)
        cabecera += QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=RIGHT >DTO</TD>");
    cabecera += QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=RIGHT >TOTAL</TD></TR>");

    // The first two cells open font elements that stay open, as the
    // suite's pages always had them.
    const QString celdaCodigo = conDescuento ? QStringLiteral("<TD CLASS=TableROWDetalle>   <font color=BLACK>")
                                             : QStringLiteral("<TD CLASS=TableROWDetalle>  <font color=BLACK>");
    const QString finCodigo = conDescuento ? QStringLiteral("</TD>") : QStringLiteral(" </TD>");
    Detalle(c, columnas, "V_MV_CPTEInsumos", "C_mv_CPTEInsumos", Encabezado("INSUMOS", cabecera), [&](const FilaPagina& fila, TextoFila& celdas) {
        // Each cell goes straight into the row, without a text of its own.
        const auto celda = [&](const QString& apertura, const char* columna, bool recortado, const QString& cierre) {
            celdas.Agrega(apertura);
            AgregaHtmlValor(celdas, fila(columna), recortado);
            celdas.Agrega(cierre);
        };
        celda(celdaCodigo, "IDARTICULO", true, finCodigo);
        celda(QStringLiteral("<TD CLASS=TableROWDetalle> <font color=BLACK>"), "DESCRIPCION", true, QStringLiteral(" </TD>"));
        if (conIva) {
            const Moneda neto = Moneda::desdeDouble(MonedaDe(fila("IMPORTE_S_IVA")).aDouble()
                                                    * MonedaDe(fila("CANTIDAD")).aDouble());
            celda(CeldaDetalle, "ALICIVA", false, FinCelda);
            celdas.Agrega(CeldaDetalle);
            celdas.Agrega(neto.texto());
            celdas.Agrega(FinCelda);
        }
        celda(CeldaDetalle, "IDUNIDAD", false, FinCelda);
        celda(CeldaImporte, "CANTIDAD", false, FinCelda);
        celda(CeldaImporte, "IMPORTE", false, FinCelda);
        if (conDescuento)
            celda(CeldaImporte, "IMPORTEDTO", false, FinCelda);
        celda(CeldaImporte, "TOTAL", false, FinCelda);
    });
}

void EscribeTareas(ContextoPagina& c)
{
    const QString cabecera = QStringLiteral("<TD CLASS=TableCABDetalle>CODIGO</TD>")
                             + QStringLiteral("<TD CLASS=TableCABDetalle>DESCRIPCION</TD>")
                             + QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=RIGHT >HORAS</TD>")
                             + QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=RIGHT >VALOR</TD>")
                             + QStringLiteral("<TD CLASS=TableCABDetalle ALIGN=RIGHT >TOTAL</TD></TR>");
    Detalle(c, QStringLiteral("IDTAREA,DESCRIPCION,HORAS,VALORHORA,TOTAL"), "V_MV_CPTETareas", "C_mv_CPTETareas",
            Encabezado("TAREAS", cabecera), [](const FilaPagina& fila, TextoFila& celdas) {
                celdas.Agrega(QString(QLatin1String("<TD CLASS=TableROWDetalle>   ") % Recortado(fila, "IDTAREA")
                                      % QLatin1String(" </TD><TD CLASS=TableROWDetalle> ") % Recortado(fila, "DESCRIPCION")
                                      % QLatin1String(" </TD>") % CeldaImporte % TextoHoras(fila("HORAS"))
                                      % FinCelda % CeldaImporte % ValorFila(fila, "VALORHORA") % FinCelda % CeldaImporte
                                      % ValorFila(fila, "TOTAL") % FinCelda));
            });
}

void EscribeObservaciones(ContextoPagina& c)
{
    const QString cabecera = QStringLiteral("<TD CLASS=TableCABDetalle>TIPO</TD>")
                             + QStringLiteral("<TD CLASS=TableCABDetalle>OBSERVACIONES</TD>")
                             + QStringLiteral("<TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD></TR>");
    Detalle(c, QStringLiteral("TIPO_OBS,OBSERVACION,IMPORTE"), "V_MV_CPTE_Observ", "C_mv_CPTE_Observ",
            Encabezado("OBSERVACIONES", cabecera), [](const FilaPagina& fila, TextoFila& celdas) {
                celdas.Agrega(QString(QLatin1String("<TD CLASS=TableROWDetalle>  ") % Recortado(fila, "TIPO_OBS")
                                      % QLatin1String(" </TD>") % CeldaDetalle % ValorFila(fila, "OBSERVACION") % FinCelda
                                      % CeldaImporte % ValorFila(fila, "IMPORTE") % FinCelda));
            });
}
