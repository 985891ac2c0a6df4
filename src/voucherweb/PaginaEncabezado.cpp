#include "services/Configuracion.h"
#include "services/Objetos.h"
#include "voucherweb/SeccionesPagina.h"
#include "voucherweb/TextoPagina.h"

#include <QDate>

// The top of a voucher page: the company line, the title and the header
// block with the customer's or supplier's data.

namespace {

const QString CamposCabeceraV =
    QStringLiteral("NOMBRE, v_mv_cpte.DOMICILIO, v_mv_cpte.LOCALIDAD,CUENTA,IDCOMPLEMENTO, CODIGOPOSTAL, FECHA, "
                   "v_mv_cpte.observaciones,v_mv_cpte.comentarios, v_mv_cpte.TELEFONO, MATRICULA,MODELO,SERIE, "
                   "FECHAESTINICIO,FECHAESTFIN, ma_cuentasadic.contacto, unegocio, V_TA_UnidadNegocio.descripcion "
                   "as unegociodescripcion,ANULADA,");
const QString VentaCabeceraV = QStringLiteral("v_mv_cpte.IdVendedor, v_mv_cpte.IDCOND_CPRA_VTA,");
const QString ImportesCabeceraV =
    QStringLiteral(" V_MV_Cpte.importe_s_iva, V_MV_Cpte.porcdescuento1, V_MV_Cpte.impdescuento1 , "
                   "V_MV_Cpte.porcdescuento2, V_MV_Cpte.impdescuento2 , V_MV_Cpte.porcdescuento3, "
                   "V_MV_Cpte.impdescuento3, V_MV_Cpte.porcdescuento4, V_MV_Cpte.impdescuento4, "
                   "V_MV_Cpte.ImporteImpuestosInternos,     "
                   "V_MV_Cpte.AlicIva,V_MV_Cpte.AlicIva2,V_MV_Cpte.AlicIva3,V_MV_Cpte.AlicIva4, "
                   "V_MV_Cpte.ImporteIva,v_mv_cpte.AlicIvaRec, "
                   "V_MV_Cpte.ImporteIvaRec,V_MV_Cpte.ImporteIva2,V_MV_Cpte.ImpIVA3,V_MV_Cpte.ImpIVA4");
const QString VentaImportesV =
    QStringLiteral(",v_mv_cpte.MONEDA,RETIVA_IMPORTE,RETGAN_IMPORTE,RETIBR_IMPORTE");
const QString CamposCabeceraC =
    QStringLiteral("NOMBRE, c_mv_cpte.DOMICILIO, c_mv_cpte.LOCALIDAD,CUENTA, CODIGOPOSTAL, FECHA, "
                   "c_mv_cpte.comentarios,c_mv_cpte.OBSERVACIONES, c_mv_cpte.TELEFONO,  ma_cuentasadic.contacto, "
                   "unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion,ANULADA,");
const QString ImportesCabeceraC =
    QStringLiteral(" importe, c_mv_Cpte.importe_s_iva, c_mv_Cpte.porcdescuento1, c_mv_Cpte.impdescuento1 , "
                   "c_mv_Cpte.porcdescuento2, c_mv_Cpte.impdescuento2 , c_mv_Cpte.porcdescuento3, "
                   "c_mv_Cpte.impdescuento3, c_mv_Cpte.porcdescuento4, c_mv_Cpte.impdescuento4, "
                   "c_mv_Cpte.ImporteImpuestosInternos, C_MV_Cpte.AlicIva,C_MV_Cpte.AlicIva2,   "
                   "c_mv_Cpte.ImporteIva,c_mv_cpte.AlicIvaRec, c_mv_Cpte.ImporteIvaRec,c_mv_Cpte.ImporteIva2");

QString DesdeCabecera(const QString& vista)
{
    return QStringLiteral(" FROM ") + vista + QStringLiteral("  with(nolock) LEFT OUTER JOIN ")
           + QStringLiteral("MA_CUENTASADIC ON ") + vista
           + QStringLiteral(".CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN ") + QStringLiteral("V_TA_UnidadNegocio ON ")
           + vista + QStringLiteral(".UNEGOCIO = V_TA_UnidadNegocio.Codigo ");
}

QString SentenciaCabecera(const ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    const QString clave = QStringLiteral("TC=") + c.Literal(v.TC4()) + QStringLiteral(" and idcomprobante=")
                          + c.Literal(v.IdComprobante());
    if (!v.UsaVMvCpte)
        return QStringLiteral("SELECT ") + CamposCabeceraC + ImportesCabeceraC + DesdeCabecera(QStringLiteral("C_MV_Cpte"))
               + QStringLiteral("WHERE  CUENTA = ") + c.Literal(v.Cuenta) + QStringLiteral(" AND ") + clave;
    const QString campos = v.EsVenta ? CamposCabeceraV + VentaCabeceraV : CamposCabeceraV;
    const QString importes = v.EsVenta ? QStringLiteral(" importe,v_mv_cpte.cotizacion,") + ImportesCabeceraV + VentaImportesV
                                       : QStringLiteral(" importe,") + ImportesCabeceraV;
    return QStringLiteral("SELECT ") + campos + importes + DesdeCabecera(QStringLiteral("V_MV_Cpte"))
           + QStringLiteral("WHERE ") + clave;
}

QString Valor(const ContextoPagina& c, const char* columna)
{
    return HtmlValor(c.Cabecera(QLatin1String(columna)));
}

bool EsVerdadero(const QVariant& valor)
{
    return valor.isValid() && !valor.isNull() && valor.toBool();
}

// What a lookup table says of a header code; the code itself is always
// written, and a code without a row is followed by nothing.
QString Descripcion(ContextoPagina& c, const char* columna, const char* tabla, const char* resultado,
                    const char* clave)
{
    const QVariant codigo = c.Cabecera(QLatin1String(columna));
    return HtmlValor(codigo) + u' '
           + HtmlValor(c.conexion.BuscaValor(QLatin1String(tabla), ObjUtilidades().ValorCampo(codigo),
                                             QLatin1String(resultado), QLatin1String(clave)));
}

}

QString LineaTituloTabla(const QString& texto)
{
    return QStringLiteral("<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>")
           + QStringLiteral("<TR VALIGN=TOP>")
           + QStringLiteral("<TD COLSPAN=40 ROWSPAN=2 NOWRAP><FONT SIZE=4 COLOR=0000FF FACE=' Times New Roman '><B><I>")
           + texto + QStringLiteral("</I></B></FONT></TD> ") + QStringLiteral("<TD COLSPAN=15> </TD>")
           + QStringLiteral("<TD COLSPAN=10><FONT SIZE=1 FACE=' Times New Roman'><I>Fecha</I></FONT></TD>")
           + QStringLiteral("<TD> </TD> ") + QStringLiteral("<TD COLSPAN=7 NOWRAP><FONT SIZE=2 FACE=' Times New Roman'><I>")
           + HtmlValor(QDate::currentDate()) + QStringLiteral("</I></FONT></TD> ") + QStringLiteral("</TR> ")
           + QStringLiteral("<TR VALIGN=TOP> ") + QStringLiteral("</TR> </TABLE>");
}

void EscribeEmpresa(ContextoPagina& c)
{
    QString aux;
    c.pagina.Linea(LineaTituloTabla(Html(Cfg(QStringLiteral("NOMBRE"), aux))));
}

void EscribeTitulo(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    const std::unique_ptr<Recordset> rs = c.Abre(QStringLiteral("SELECT DESCRIPCION FROM TA_COMPROBANTES  with(nolock) WHERE CODIGO=")
                                                 + c.Literal(v.TC));
    const QString inicio =
        TablaSeccion + QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>")
        + QStringLiteral("<TR VALIGN=TOP><TD ALIGN=CENTER COLSPAN=76 ROWSPAN=2><FONT SIZE=4 FACE=' Times New Roman '><B><I><U>");
    const QString fin = QStringLiteral("</U></I></B></FONT></TD>")
                        + QStringLiteral("</TR><TR VALIGN=TOP></TR><TR VALIGN=TOP BGCOLOR=E8E8E8>")
                        + QStringLiteral("<TD ALIGN=CENTER COLSPAN=76><FONT SIZE=2 FACE=' Garamond '>(Detallado)</FONT></TD>");
    if (rs->EOF()) {
        c.pagina.Linea(inicio + Html(v.TC + u' ' + v.Sucursal + v.Numero + u' ' + v.Letra) + fin
                       + QStringLiteral("</TR></TABLE>"));
        return;
    }
    // This form leaves its table open, as the suite's pages always have.
    c.pagina.Linea(inicio + HtmlValor(rs->Campo(QStringLiteral("Descripcion")))
                   + Html(QStringLiteral(" - ") + v.Sucursal + v.Numero + u' ' + v.Letra) + fin
                   + QStringLiteral("<TD><FONT SIZE=1>&nbsp;</FONT></TD></TR><TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD>")
                   + QStringLiteral("</TR><TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>"));
}

void AbreCabecera(ContextoPagina& c)
{
    c.cabecera = c.Abre(SentenciaCabecera(c));
}

void EscribeDatosCabecera(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    c.pagina.Linea(QStringLiteral("<TABLE><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=5>")
                   + QStringLiteral("<B>Sr/s.:</B></TD>")
                   + QStringLiteral("<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=27 NOWRAP>")
                   + Valor(c, "Nombre") + QStringLiteral("</TD>")
                   + QStringLiteral("<TD> </TD><TD class=TableCabeceraValor COLSPAN=10 NOWRAP>") + Valor(c, "Cuenta")
                   + QStringLiteral("</TD>") + QStringLiteral("<TD> </TD><TD class=TableCabeceraValor COLSPAN=14>")
                   + QStringLiteral("<B>") + Html(v.TC + u' ' + v.Sucursal + v.Numero + v.Letra) + QStringLiteral("</B></TD>"));
    c.pagina.Linea(QStringLiteral("<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP>")
                   + (v.UsaVMvCpte ? Valor(c, "IdComplemento") : QString()) + QStringLiteral("</TD></TR>"));
    if (EsVerdadero(c.Cabecera(QStringLiteral("Anulada"))))
        c.pagina.Linea(QStringLiteral("<TD CLASS=TableRow2 ALIGN=CENTER COLSPAN=6 NOWRAP>Comprobante ANULADO</TD></TR>"));
    c.pagina.Linea(QStringLiteral("<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=8>")
                   + QStringLiteral("<B>Domicilio:</B></TD>") + QStringLiteral("<TD  class=TableCabeceravalor COLSPAN=27 NOWRAP>")
                   + Valor(c, "Domicilio") + QStringLiteral("</TD>")
                   + QStringLiteral("</TR><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=8>")
                   + QStringLiteral("<B>Localidad:</B></TD>") + QStringLiteral("<TD class=TableCabeceravalor COLSPAN=27 NOWRAP>")
                   + Valor(c, "Localidad") + QStringLiteral("</TD>")
                   + QStringLiteral("<TD  COLSPAN=4> </TD><TD class=TableCabeceraCaption COLSPAN=5>")
                   + QStringLiteral("<B>Cp.</B></TD>") + QStringLiteral("<TD class=TableCabeceraValor COLSPAN=4 NOWRAP>")
                   + Valor(c, "CODIGOPOSTAL") + QStringLiteral("</TD>")
                   + QStringLiteral("<TD COLSPAN=3> </TD><TD class=TableCabeceraCaption COLSPAN=11>")
                   + QStringLiteral("<B>Fecha:</B></TD>")
                   + QStringLiteral("<TD COLSPAN=3> </TD><TD class=TableCabeceraValor COLSPAN=5 NOWRAP>")
                   + Valor(c, "Fecha") + QStringLiteral("</TD></TR>"));
    c.pagina.Linea(QStringLiteral("<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=15>")
                   + QStringLiteral("<B>Observaciones:</B></TD>") + QStringLiteral("<TD class=TableCabeceraValor COLSPAN=1><B>")
                   + Valor(c, "comentarios") + QStringLiteral("</B></TD>")
                   + QStringLiteral("<TD class=TableCabeceraValor COLSPAN=1><B>") + Valor(c, "Observaciones")
                   + QStringLiteral("</B></TD>")
                   + QStringLiteral("</TR><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=4>")
                   + QStringLiteral("<B>Contacto:</B></TD><TD COLSPAN=3> </TD>")
                   + QStringLiteral("<TD class=TableCabeceraValor COLSPAN=19>") + Valor(c, "Contacto") + QStringLiteral("</TD>")
                   + QStringLiteral("<TD COLSPAN=8> </TD><TD class=TableCabeceraCaption COLSPAN=4>")
                   + QStringLiteral("<B>Tel:</B></TD><TD COLSPAN=3> </TD><TD class=TableCabeceraValor COLSPAN=6>")
                   + Valor(c, "TELEFONO") + QStringLiteral("</TD><TD COLSPAN=3> </TD>"));
    if (!v.UsaVMvCpte) {
        c.pagina.Linea(QStringLiteral("</TR>"));
    } else {
        c.pagina.Linea(QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=7><B><I>Inicio</I></B></TD>")
                       + QStringLiteral("<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=10 NOWRAP>")
                       + Valor(c, "FechaEstInicio") + QStringLiteral("</FONT></TD></TR>"));
        c.pagina.Linea(QStringLiteral("<TR VALIGN=TOP>")
                       + QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=7><B>Matrícula:</B></TD>")
                       + QStringLiteral("<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=17>")
                       + Valor(c, "Matricula") + QStringLiteral(" </TD>")
                       + QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=6><B>Modelo:</B></TD>")
                       + QStringLiteral("<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=6>")
                       + Valor(c, "Modelo") + QStringLiteral("</TD>")
                       + QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=4><B>Serie:</B></TD>")
                       + QStringLiteral("<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=10>")
                       + Valor(c, "Serie") + QStringLiteral("</TD>")
                       + QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=7><B>Vence:</B></TD>")
                       + QStringLiteral("<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=9 NOWRAP>")
                       + Valor(c, "FechaEstFin") + QStringLiteral("</TD></TR> "));
    }
    c.pagina.Linea(QStringLiteral("</TABLE>"));
    if (!v.EsVenta)
        return;
    c.pagina.Linea(QStringLiteral("<TABLE><TR VALIGN=TOP>")
                   + QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=7><B>Vendedor:</B></TD>")
                   + QStringLiteral("<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=17>")
                   + Descripcion(c, "IdVendedor", "v_ta_vendedores", "Nombre", "IdVendedor") + QStringLiteral(" </TD>")
                   + QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=6><B>Cond. Venta:</B></TD>")
                   + QStringLiteral("<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=6>")
                   + Descripcion(c, "IDCOND_CPRA_VTA", "v_ta_cpra_vta", "Descripcion", "IdCond_Cpra_Vta")
                   + QStringLiteral("</TD>") + QStringLiteral("</TR> </TABLE>"));
}
