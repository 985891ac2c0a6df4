#include "services/Objetos.h"
#include "voucherweb/SeccionesPagina.h"
#include "voucherweb/TextoPagina.h"

// The totals table: subtotal, discounts, taxes, VAT, VAT surcharge and
// total, in four rows, as the header row holds them.

namespace {

const QString Celda = QStringLiteral("<td class=TableCABpIE >");
const QString CeldaCentro = QStringLiteral("<td class=TableCABpIE ALIGN=CENTER >");
const QString CeldaCentroJunta = QStringLiteral("<td class=TableCABpIE ALIGN=CENTER>");
const QString Vacia = QStringLiteral("<td class=TableCABpIE ></td>");
const QString VaciaJunta = QStringLiteral("<td class=TableCABpIE></td>");
const QString Fin = QStringLiteral("</td>");

// The purchase types whose accounting entries carry perceptions.
const QStringList TiposConPercepciones = {QStringLiteral("FCC"), QStringLiteral("NCC"), QStringLiteral("NDC"),
                                          QStringLiteral("FC"),  QStringLiteral("NC"),  QStringLiteral("ND")};

struct Percepciones {
    Moneda iva;
    Moneda ingresosBrutos;
};

Percepciones LeePercepciones(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    if (!ObjUtilidades().EstaEnLista(v.TC.trimmed(), TiposConPercepciones))
        return {};
    const std::unique_ptr<Recordset> rs =
        c.Abre(QStringLiteral("select liva_ret_perc, liva_ret_ibtos from mv_asientos where tc = ") + c.Literal(v.TC4())
               + QStringLiteral(" and sucursal = ") + c.Literal(v.Sucursal) + QStringLiteral(" and numero = ")
               + c.Literal(v.Numero) + QStringLiteral(" and letra = ") + c.Literal(v.Letra)
               + QStringLiteral(" and cuenta = ") + c.Literal(v.Cuenta));
    if (rs->EOF())
        return {};
    return {MonedaDe(rs->Campo(QStringLiteral("Liva_Ret_Perc"))), MonedaDe(rs->Campo(QStringLiteral("Liva_Ret_IBtos")))};
}

// The name of the voucher's currency; "$" when it has none.
QString NombreMoneda(ContextoPagina& c)
{
    const QVariant codigo = c.Cabecera(QStringLiteral("Moneda"));
    if (codigo.isNull())
        return QStringLiteral("$");
    return HtmlValor(c.conexion.BuscaValor(QStringLiteral("ta_monedas"), ObjUtilidades().ValorCampo(codigo),
                                           QStringLiteral("Descripcion"), QStringLiteral("Codigo")));
}

}

void EscribeTotales(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    const auto h = [&](const QString& columna) { return HtmlValor(c.Cabecera(columna)); };
    const auto descuento = [&](const QString& celda, int n) {
        return celda + QString::number(n) + QStringLiteral(" (") + h(QStringLiteral("PORCDESCUENTO%1").arg(n))
               + QStringLiteral(") % ") + h(QStringLiteral("IMPDESCUENTO%1").arg(n)) + QStringLiteral(" $</td>");
    };
    const auto iva = [&](const QString& celda, const QString& alicuota, const QString& importe) {
        return celda + h(alicuota) + QStringLiteral("% ") + h(importe) + Fin;
    };

    Percepciones percepciones;
    QString etiqueta;
    if (v.EsVenta)
        etiqueta = NombreMoneda(c);
    else
        percepciones = LeePercepciones(c);

    QString linea = QStringLiteral("</table></table><br><hr HEIGHT=3 NOSHADE><table WIDTH=100% NOSHADE BORDER=0  "
                                   "CELLSPACING=0 CELLPADDING=0><tr BGCOLOR=C0C0C0>")
                    + QStringLiteral("<td class=TableCABpIE > <B> SUBTOTAL:   </B></td>")
                    + QStringLiteral("<td class=TableCABpIE> <B> DESCUENTOS:   </B></td>")
                    + QStringLiteral("<td class=TableCABpIE> <B> IMPUESTOS:   </B></td>")
                    + QStringLiteral("<td class=TableCABpIE> <B> IVA:   </B></td>")
                    + QStringLiteral("<td class=TableCABpIE> <B> IVA RECARGO:   </B></td>")
                    + (v.EsVenta ? QStringLiteral("<td class=TableCABpIE ALIGN=right> <B> TOTAL ") + etiqueta
                                       + QStringLiteral(" </B></td>")
                                 : QStringLiteral("<td class=TableCABpIE ALIGN=right> <B> TOTAL $:   </B></td>"))
                    + QStringLiteral("</tr><TR>");

    // Row 1: the main amounts. The sales writer's taxes add the three
    // retentions to the internal taxes; a missing one counts as nothing.
    QString impuestos;
    if (v.EsVenta) {
        Moneda suma;
        for (const char* columna : {"ImporteImpuestosInternos", "RetIVA_importe", "RETIBR_Importe", "RetGan_Importe"})
            suma.diezmilesimas += MonedaDe(c.Cabecera(QLatin1String(columna))).diezmilesimas;
        impuestos = CeldaCentro + suma.texto() + Fin;
    } else {
        impuestos = QStringLiteral("<td class=TableCABpIE ALIGN=CENTER > Imp.Int:") + h("ImporteImpuestosInternos") + Fin;
    }
    linea += CeldaCentro + h("Importe_S_IVA") + Fin + descuento(Celda, 1) + impuestos
             + iva(CeldaCentroJunta, "AlicIVA", "ImporteIVA") + CeldaCentroJunta + u'(' + h("AlicIVARec")
             + QStringLiteral(") % ") + h("ImporteIVAREC") + QStringLiteral(" $</td>")
             + QStringLiteral("<td class=TableCABpIE ALIGN=right><B>") + h("Importe") + QStringLiteral("</B></td>")
             + QStringLiteral("</tr><TR>");

    // Row 2: the second discount and VAT rate; the purchase writer's VAT perception.
    linea += Vacia
             + descuento(v.EsVenta ? Celda : QStringLiteral("<td class=TableCABpIE ALIGN=CENTER>"), 2)
             + (v.EsVenta ? Vacia : QStringLiteral("<td class=TableCABpIE > Perc. IVA : ") + percepciones.iva.texto() + Fin)
             + iva(v.EsVenta ? CeldaCentroJunta : Celda, "alicIVA2", "ImporteIva2") + VaciaJunta + VaciaJunta
             + QStringLiteral("</tr><TR>");
    c.pagina.Linea(linea);

    // Rows 3 and 4: the further discounts and, from the sales-side header, VAT rates.
    const auto ivaSiguiente = [&](const QString& alicuota, const QString& importe) {
        if (!v.UsaVMvCpte)
            return CeldaCentroJunta + Fin;
        return iva(v.EsVenta ? CeldaCentroJunta : Celda, alicuota, importe);
    };
    c.pagina.Linea(Vacia + descuento(Celda, 3)
                   + (v.EsVenta ? Vacia
                                : QStringLiteral("<td class=TableCABpIE > Perc. iibb: ") + percepciones.ingresosBrutos.texto() + Fin)
                   + ivaSiguiente("alicIVA3", "ImpIva3") + VaciaJunta + VaciaJunta + QStringLiteral("</tr><TR>"));
    c.pagina.Linea(Vacia + descuento(Celda, 4) + Vacia
                   + (v.UsaVMvCpte ? iva(CeldaCentroJunta, "alicIVA4", "ImpIva4") : CeldaCentroJunta + Fin) + VaciaJunta
                   + VaciaJunta + QStringLiteral("</tr>") + QStringLiteral("</table> <hr HEIGHT=3 NOSHADE>"));
}
