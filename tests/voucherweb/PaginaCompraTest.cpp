#include "PaginaDemo.h"

// The purchase writer against the demo rows: FCC 0004-00001520A of account
// 2001 and the purchase order OC 0001-00000045A of account 2002.

namespace {

const QString R = QStringLiteral("<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>");
const QString AbreSeccion = QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>");

}

TEST_F(PaginaDemo, PurchaseHeaderHasNoComplementWorkOrderOrSeller)
{
    const QStringList p = compra("FCC", "0004", "00001520", "A", "2001");
    EXPECT_TRUE(p[2].contains(QStringLiteral("<U>Factura de Compra - 000400001520 A</U>")));
    EXPECT_TRUE(p[3].contains(QStringLiteral("NOWRAP>Papelera del Sur S.A.</TD>")));
    EXPECT_EQ(p[4], QStringLiteral("<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP></TD></TR>"));
    EXPECT_TRUE(p[6].contains(QStringLiteral("<B>Pago a 60 días</B></TD><TD class=TableCabeceraValor COLSPAN=1>"
                                             "<B>Mercadería recibida conforme</B>")));
    EXPECT_EQ(p[7], QStringLiteral("</TR>"));
    EXPECT_EQ(p[8], QStringLiteral("</TABLE>"));
    EXPECT_TRUE(p[9].startsWith(AbreSeccion + QStringLiteral("<FONT SIZE=1 FACE=' Times New Roman '><B>INSUMOS</B>")));
    EXPECT_FALSE(p.join(QString()).contains(QStringLiteral("Vendedor:")));
}

TEST_F(PaginaDemo, PurchaseSuppliesHaveSixCellsKeyedByTheAccount)
{
    const QStringList p = compra("FCC", "0004", "00001520", "A", "2001");
    EXPECT_TRUE(p[9].endsWith(QStringLiteral("<TD CLASS=TableCABDetalle>CODIGO</TD><TD CLASS=TableCABDetalle>DESCRIPCION</TD>"
                                             "<TD CLASS=TableCABDetalle >UNIDAD</TD><TD CLASS=TableCABDetalle ALIGN=right >"
                                             "CANTIDAD</TD><TD CLASS=TableCABDetalle ALIGN=RIGHT >IMPORTE</TD>"
                                             "<TD CLASS=TableCABDetalle ALIGN=RIGHT >TOTAL</TD></TR>")));
    EXPECT_EQ(p[10], QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>  <font color=BLACK>PAP-A4 </TD>"
                                    "<TD CLASS=TableROWDetalle> <font color=BLACK>Resma papel A4 80 g </TD>"
                                    "<TD CLASS=TableROWDetalle>UN</TD>")
                         + R + QStringLiteral("100</TD>") + R + QStringLiteral("18.5</TD>") + R
                         + QStringLiteral("1850</TD></TR>"));
    // Another account's voucher of the same number shows nothing.
    const QString otra = compra("FCC", "0004", "00001520", "A", "1001").join(u'\n');
    EXPECT_FALSE(otra.contains(QStringLiteral("INSUMOS")));
    EXPECT_FALSE(otra.contains(QStringLiteral("Papelera")));
}

TEST_F(PaginaDemo, PurchaseTotalsShowThePerceptionsOfItsEntries)
{
    const QStringList p = compra("fcc", "0004", "00001520", "A", "2001");
    const QString totales = linea(p, QStringLiteral("</table></table>"));
    const int i = int(p.indexOf(totales));
    ASSERT_GT(i, 0);
    EXPECT_TRUE(totales.endsWith(QStringLiteral(
        "<td class=TableCABpIE ALIGN=right> <B> TOTAL $:   </B></td></tr><TR>"
        "<td class=TableCABpIE ALIGN=CENTER >2150</td><td class=TableCABpIE >1 (3) % 64.5 $</td>"
        "<td class=TableCABpIE ALIGN=CENTER > Imp.Int:0</td><td class=TableCABpIE ALIGN=CENTER>21% 420</td>"
        "<td class=TableCABpIE ALIGN=CENTER>(0) % 0 $</td><td class=TableCABpIE ALIGN=right><B>2689.28</B></td></tr><TR>"
        "<td class=TableCABpIE ></td><td class=TableCABpIE ALIGN=CENTER>2 (0) % 0 $</td>"
        "<td class=TableCABpIE > Perc. IVA : 64.5</td><td class=TableCABpIE >10.5% 15.75</td>"
        "<td class=TableCABpIE></td><td class=TableCABpIE></td></tr><TR>")));
    EXPECT_EQ(p[i + 1], QStringLiteral("<td class=TableCABpIE ></td><td class=TableCABpIE >3 (0) % 0 $</td>"
                                       "<td class=TableCABpIE > Perc. iibb: 39.03</td><td class=TableCABpIE ALIGN=CENTER></td>"
                                       "<td class=TableCABpIE></td><td class=TableCABpIE></td></tr><TR>"));
    EXPECT_TRUE(p[i + 2].contains(QStringLiteral("<td class=TableCABpIE ></td><td class=TableCABpIE ALIGN=CENTER></td>")));
    // An order's entries are not read: its perceptions are 0.
    const QString orden = linea(compra("OC", "0001", "00000045", "A", "2002"), QStringLiteral("</table></table>"));
    EXPECT_TRUE(orden.contains(QStringLiteral(" Perc. IVA : 0</td>")));
}

TEST_F(PaginaDemo, PurchaseApplicationsArePlainCellsOfTheAccount)
{
    const QStringList p = compra("FCC", "0004", "00001520", "A", "2001");
    EXPECT_EQ(linea(p, AbreSeccion + QStringLiteral("<FONT SIZE=1 FACE=' Times New Roman '><B>COMPROBANTES APLICADOS")),
              QString());
    const QString titulo = linea(p, AbreSeccion + QStringLiteral("<FONT SIZE=1 FACE=' Times New Roman '><B>COMPROBANTES QUE"));
    const int i = int(p.indexOf(titulo));
    ASSERT_GT(i, 0);
    EXPECT_TRUE(titulo.endsWith(QStringLiteral("<TD CLASS=TableCABDetalle>TC</TD><TD CLASS=TableCABDetalle>COMPROBANTE</TD>"
                                               "<TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD></TR>")));
    EXPECT_EQ(p[i + 1], QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableRowdETALLE>NCC </TD>"
                                       "<TD CLASS=TableRowdETALLE>000400000211A</TD>")
                            + R + QStringLiteral("242</TD></TR>"));
    EXPECT_TRUE(p[i + 2].contains(QStringLiteral("000100000031X")));
    EXPECT_EQ(p[i + 3], QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableRowdETALLE>PG  </TD>"
                                       "<TD CLASS=TableRowdETALLE>000100000201A</TD>")
                            + R + QStringLiteral("700</TD></TR>"));
    const qsizetype fin = p.indexOf(QStringLiteral("</TABLE>"), i);
    ASSERT_GT(fin, i + 3);
    for (qsizetype f = i + 1; f < fin; ++f)
        EXPECT_FALSE(p[f].contains(QStringLiteral("000400000300A"))) << "account 2002's credit note is not shown";
}

TEST_F(PaginaDemo, AnOrderShowsItsFirstReceptionsOfEachDelivery)
{
    const QStringList p = compra("oc", "0001", "00000045", "A", "2002");
    const QString titulo = linea(p, AbreSeccion + QStringLiteral("<FONT SIZE=1 FACE=' Times New Roman '><B>INFORMES"));
    const int i = int(p.indexOf(titulo));
    ASSERT_GT(i, 0);
    EXPECT_EQ(titulo, AbreSeccion
                          + QStringLiteral("<FONT SIZE=1 FACE=' Times New Roman '><B>INFORMES DE RECEPCION</B>"
                                           "<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>"
                                           "<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>FECHA</TD>"
                                           "<TD CLASS=TableCABDetalle>COMPROBANTE</TD>"
                                           "<TD CLASS=TableCABDetalle ALIGN =RIGHT>IMPORTE</TD>"));
    EXPECT_EQ(p.mid(i + 1, 3), (QStringList{QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableRowdETALLE>08/03/2025</TD>"
                                                           "<TD CLASS=TableRowdETALLE>RMC  001200000873R</TD></TR>"),
                                            QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableRowdETALLE>12/03/2025</TD>"
                                                           "<TD CLASS=TableRowdETALLE>RMC  001200000880R</TD></TR>"),
                                            QStringLiteral("</TABLE>")}));
    // An invoice has no reception reports.
    EXPECT_FALSE(compra("FCC", "0004", "00001520", "A", "2001").join(QString()).contains(QStringLiteral("RECEPCION")));
}

TEST_F(PaginaDemo, APaymentOrderReadsTheSalesSideViews)
{
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, NOMBRE, FECHAESTINICIO, ALICIVA3) "
                           "VALUES ('PG  ', '000100000031X', 2, '2001', 'Papelera del Sur S.A.', '2025-03-20 00:00:00', 27)"));
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDARTICULO, CANTIDAD, IMPORTEDTO) "
                           "VALUES ('PG  ', '000100000031X', 2, 'X1', 1, 0.5), ('PG  ', '000100000031X', 0, 'X2', 1, 0)"));
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTEACCIONES (TC, IDCOMPROBANTE, IDCOMPLEMENTO, TIPO_ACCION) "
                           "VALUES ('PG  ', '000100000031X', 2, 'a'), ('PG  ', '000100000031X', 0, 'B')"));
    const QStringList p = compra("PG", "0001", "00000031", "X", "2001", true);
    EXPECT_EQ(p[4], QStringLiteral("<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP>2</TD></TR>"));
    EXPECT_TRUE(linea(p, QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=7><B><I>Inicio")).contains(QStringLiteral("20/03/2025")));
    EXPECT_FALSE(linea(p, QStringLiteral("<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=7><B>Matrícula:")).isEmpty());
    // Seven supply cells, only the lines of its own complement.
    EXPECT_EQ(linea(p, QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>")),
              QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>   <font color=BLACK>X1</TD>"
                             "<TD CLASS=TableROWDetalle> <font color=BLACK> </TD><TD CLASS=TableROWDetalle></TD>")
                  + R + QStringLiteral("1</TD>") + R + QStringLiteral("</TD>") + R + QStringLiteral("0.5</TD>") + R
                  + QStringLiteral("</TD></TR>"));
    EXPECT_FALSE(p.join(QString()).contains(QStringLiteral("X2")));
    EXPECT_FALSE(linea(p, QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableRowDetalle>ALTA")).isEmpty());
    EXPECT_TRUE(linea(p, QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableRowDetalle>BAJA")).isEmpty());
    EXPECT_TRUE(linea(p, QStringLiteral("<td class=TableCABpIE ></td><td class=TableCABpIE >3 (")).contains(QStringLiteral("<td class=TableCABpIE >27% </td>")));
}
