#include "PaginaDemo.h"

#include "voucherweb/CabeceraHtml.h"

#include <QDate>

// The sales writer against the demo rows: FC 0001-00000013A fills every
// section of its page.

namespace {

const QString Hoy = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
const QString R = QStringLiteral("<TD CLASS=TableROWDetalle ALIGN=RIGHT  NOWRAP>");

}

TEST_F(PaginaDemo, SalesPageTopHeadCompanyAndTitle)
{
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = 'Comercial Andina & Cía. S.A.' WHERE Clave = 'NOMBRE'"));
    const QStringList p = venta("FC", "0001", "00000013", "A");
    ASSERT_GT(p.size(), 3);
    EXPECT_EQ(p[0], getCabeceraHTML(QStringLiteral("BSC001CBTEdetalle"), false));
    EXPECT_EQ(p[1], QStringLiteral("<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0><TR VALIGN=TOP>"
                                   "<TD COLSPAN=40 ROWSPAN=2 NOWRAP><FONT SIZE=4 COLOR=0000FF FACE=' Times New Roman '><B><I>"
                                   "Comercial Andina &amp; Cía. S.A.</I></B></FONT></TD> <TD COLSPAN=15> </TD>"
                                   "<TD COLSPAN=10><FONT SIZE=1 FACE=' Times New Roman'><I>Fecha</I></FONT></TD><TD> </TD> "
                                   "<TD COLSPAN=7 NOWRAP><FONT SIZE=2 FACE=' Times New Roman'><I>")
                        + Hoy + QStringLiteral("</I></FONT></TD> </TR> <TR VALIGN=TOP> </TR> </TABLE>"));
    EXPECT_EQ(p[2], QStringLiteral("<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>"
                                   "<TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>"
                                   "<TR VALIGN=TOP><TD ALIGN=CENTER COLSPAN=76 ROWSPAN=2><FONT SIZE=4 FACE=' Times New Roman '>"
                                   "<B><I><U>Factura - 000100000013 A</U></I></B></FONT></TD>"
                                   "</TR><TR VALIGN=TOP></TR><TR VALIGN=TOP BGCOLOR=E8E8E8>"
                                   "<TD ALIGN=CENTER COLSPAN=76><FONT SIZE=2 FACE=' Garamond '>(Detallado)</FONT></TD>"
                                   "<TD><FONT SIZE=1>&nbsp;</FONT></TD></TR><TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD>"
                                   "</TR><TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>"));
}

TEST_F(PaginaDemo, SalesHeaderBlockEscapesItsValuesAndNamesSellerAndTerms)
{
    const QStringList p = venta("FC", "0001", "00000013", "A");
    EXPECT_TRUE(p[3].endsWith(QStringLiteral("<TD class=TableCabeceraValor COLSPAN=27 NOWRAP>Distribuidora Norte SRL</TD>"
                                             "<TD> </TD><TD class=TableCabeceraValor COLSPAN=10 NOWRAP>1002</TD>"
                                             "<TD> </TD><TD class=TableCabeceraValor COLSPAN=14><B>FC 000100000013A</B></TD>")));
    EXPECT_EQ(p[4], QStringLiteral("<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP>0</TD></TR>"));
    EXPECT_TRUE(p[5].startsWith(QStringLiteral("<TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=8><B>Domicilio:</B></TD>"
                                               "<TD  class=TableCabeceravalor COLSPAN=27 NOWRAP>Ruta 40 km 12</TD>")));
    EXPECT_TRUE(p[5].endsWith(QStringLiteral("<TD class=TableCabeceraValor COLSPAN=5 NOWRAP>05/03/2025</TD></TR>")));
    EXPECT_TRUE(p[6].contains(QStringLiteral("<TD class=TableCabeceraValor COLSPAN=1><B>Precios &amp; plazos "
                                             "&lt;según lista 3&gt;</B></TD><TD class=TableCabeceraValor COLSPAN=1><B>"
                                             "Entregar por la mañana</B></TD>")));
    EXPECT_EQ(p[7], QStringLiteral("<TD class=TableCabeceraCaption COLSPAN=7><B><I>Inicio</I></B></TD><TD COLSPAN=2> </TD>"
                                   "<TD class=TableCabeceraValor COLSPAN=10 NOWRAP>01/03/2025</FONT></TD></TR>"));
    EXPECT_TRUE(p[8].contains(QStringLiteral("<B>Matrícula:</B></TD><TD COLSPAN=2> </TD>"
                                             "<TD class=TableCabeceraValor COLSPAN=17>AB123CD </TD>")));
    EXPECT_EQ(p[9], QStringLiteral("</TABLE>"));
    EXPECT_EQ(p[10], QStringLiteral("<TABLE><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=7><B>Vendedor:</B></TD>"
                                    "<TD COLSPAN=2> </TD><TD class=TableCabeceraValor COLSPAN=17>3 Carlos Gómez </TD>"
                                    "<TD class=TableCabeceraCaption COLSPAN=6><B>Cond. Venta:</B></TD><TD COLSPAN=2> </TD>"
                                    "<TD class=TableCabeceraValor COLSPAN=6>2 Cuenta corriente 30 días</TD></TR> </TABLE>"));
    EXPECT_EQ(linea(p, QStringLiteral("<TD CLASS=TableRow2")), QString()) << "not annulled";
}

TEST_F(PaginaDemo, SalesDetailTablesWithNineSupplyCellsHoursAndNetAmount)
{
    const QStringList p = venta("FC", "0001", "00000013", "A");
    const int insumos = int(p.indexOf(linea(p, QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>"
                                                             "<FONT SIZE=1 FACE=' Times New Roman '><B>INSUMOS</B>"))));
    ASSERT_GT(insumos, 0);
    EXPECT_TRUE(p[insumos].endsWith(QStringLiteral(
        "<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0><TR VALIGN=TOP BGCOLOR=aeaaea>"
        "<TD CLASS=TableCABDetalle>CODIGO</TD><TD CLASS=TableCABDetalle>DESCRIPCION</TD><TD CLASS=TableCABDetalle>ALICUOTA</TD>"
        "<TD CLASS=TableCABDetalle>NETO</TD><TD CLASS=TableCABDetalle >UNIDAD</TD>"
        "<TD CLASS=TableCABDetalle ALIGN=right >CANTIDAD</TD><TD CLASS=TableCABDetalle ALIGN=RIGHT >IMPORTE</TD>"
        "<TD CLASS=TableCABDetalle ALIGN=RIGHT >DTO</TD><TD CLASS=TableCABDetalle ALIGN=RIGHT >TOTAL</TD></TR>")));
    // Codes and descriptions lose their blanks; the quote of 2" stays as it is.
    EXPECT_EQ(p[insumos + 2], QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>   <font color=BLACK>CLAV-10</TD>"
                                             "<TD CLASS=TableROWDetalle> <font color=BLACK>Clavos 2\" (caja x 500) </TD>"
                                             "<TD CLASS=TableROWDetalle>21</TD><TD CLASS=TableROWDetalle>800</TD>"
                                             "<TD CLASS=TableROWDetalle>CJ</TD>")
                                  + R + QStringLiteral("10</TD>") + R + QStringLiteral("96.8</TD>") + R
                                  + QStringLiteral("48.4</TD>") + R + QStringLiteral("968</TD></TR>"));
    EXPECT_TRUE(p[insumos + 1].contains(QStringLiteral("<TD CLASS=TableROWDetalle>21</TD><TD CLASS=TableROWDetalle>500</TD>")));
    EXPECT_EQ(p[insumos + 4], QStringLiteral("</TABLE>"));
    EXPECT_TRUE(p[insumos + 5].contains(QStringLiteral("<B>TAREAS</B>")));
    EXPECT_EQ(p[insumos + 6], QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>   T01 </TD>"
                                             "<TD CLASS=TableROWDetalle> Armado de estantería </TD>")
                                  + R + QStringLiteral("1.50</TD>") + R + QStringLiteral("1500</TD>") + R
                                  + QStringLiteral("2250</TD></TR>"));
    EXPECT_TRUE(p[insumos + 7].contains(R + QStringLiteral("0.75</TD>")));
    EXPECT_TRUE(p[insumos + 9].endsWith(QStringLiteral("<B>OBSERVACIONES</B><TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 "
                                                       "CELLPADDING=0 BORDER=0><TR VALIGN=TOP BGCOLOR=aeaaea>"
                                                       "<TD CLASS=TableCABDetalle>TIPO</TD><TD CLASS=TableCABDetalle>"
                                                       "OBSERVACIONES</TD><TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD></TR>")));
    // A null amount leaves its cell empty; an observation keeps its blanks.
    EXPECT_EQ(p[insumos + 10], QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>  EN </TD>"
                                              "<TD CLASS=TableROWDetalle>Cliente de cuenta corriente</TD>")
                                   + R + QStringLiteral("</TD></TR>"));
    EXPECT_TRUE(p[insumos + 11].contains(QStringLiteral("<TD CLASS=TableROWDetalle> Embalaje especial </TD>")));
}

TEST_F(PaginaDemo, AVoucherWithoutTasksGoesFromSuppliesToObservations)
{
    const QStringList p = venta("NC", "0001", "00000004", "A");
    const int insumos = int(p.indexOf(linea(p, QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>"
                                                             "<FONT SIZE=1 FACE=' Times New Roman '><B>INSUMOS"))));
    ASSERT_GT(insumos, 0);
    EXPECT_EQ(p[insumos + 2], QStringLiteral("</TABLE>"));
    EXPECT_TRUE(p[insumos + 3].contains(QStringLiteral("<B>OBSERVACIONES</B>")));
    EXPECT_FALSE(p.join(QString()).contains(QStringLiteral("TAREAS")));
    // The net amount is the unit price times the quantity, in currency.
    EXPECT_TRUE(p[insumos + 1].contains(QStringLiteral("<TD CLASS=TableROWDetalle>124.375</TD>")));
}

TEST_F(PaginaDemo, SalesTotalsNameTheCurrencyAndAddTheRetentions)
{
    const QStringList p = venta("FC", "0001", "00000013", "A");
    const QString totales = linea(p, QStringLiteral("</table></table><br><hr HEIGHT=3 NOSHADE>"));
    const int i = int(p.indexOf(totales));
    ASSERT_GT(i, 0);
    EXPECT_EQ(totales,
              QStringLiteral("</table></table><br><hr HEIGHT=3 NOSHADE><table WIDTH=100% NOSHADE BORDER=0  CELLSPACING=0 "
                             "CELLPADDING=0><tr BGCOLOR=C0C0C0><td class=TableCABpIE > <B> SUBTOTAL:   </B></td>"
                             "<td class=TableCABpIE> <B> DESCUENTOS:   </B></td><td class=TableCABpIE> <B> IMPUESTOS:   </B></td>"
                             "<td class=TableCABpIE> <B> IVA:   </B></td><td class=TableCABpIE> <B> IVA RECARGO:   </B></td>"
                             "<td class=TableCABpIE ALIGN=right> <B> TOTAL Pesos </B></td></tr><TR>"
                             "<td class=TableCABpIE ALIGN=CENTER >2900</td><td class=TableCABpIE >1 (5) % 145 $</td>"
                             "<td class=TableCABpIE ALIGN=CENTER >47.75</td><td class=TableCABpIE ALIGN=CENTER>21% 504</td>"
                             "<td class=TableCABpIE ALIGN=CENTER>(0) % 0 $</td><td class=TableCABpIE ALIGN=right><B>3415.5</B></td>"
                             "</tr><TR><td class=TableCABpIE ></td><td class=TableCABpIE >2 (2.5) % 68.88 $</td>"
                             "<td class=TableCABpIE ></td><td class=TableCABpIE ALIGN=CENTER>10.5% 31.5</td>"
                             "<td class=TableCABpIE></td><td class=TableCABpIE></td></tr><TR>"));
    EXPECT_EQ(p[i + 1], QStringLiteral("<td class=TableCABpIE ></td><td class=TableCABpIE >3 (0) % 0 $</td>"
                                       "<td class=TableCABpIE ></td><td class=TableCABpIE ALIGN=CENTER>0% 0</td>"
                                       "<td class=TableCABpIE></td><td class=TableCABpIE></td></tr><TR>"));
    EXPECT_EQ(p[i + 2], QStringLiteral("<td class=TableCABpIE ></td><td class=TableCABpIE >4 (0) % 0 $</td>"
                                       "<td class=TableCABpIE ></td><td class=TableCABpIE ALIGN=CENTER>0% 0</td>"
                                       "<td class=TableCABpIE></td><td class=TableCABpIE></td></tr>"
                                       "</table> <hr HEIGHT=3 NOSHADE>"));
}

TEST_F(PaginaDemo, SalesApplicationsAreLinksWithTheReceiptAndTheirAmounts)
{
    const QStringList p = venta("FC", "0001", "00000013", "A");
    const QString aplicados = linea(p, QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61><br>"
                                                      "<FONT SIZE=1 FACE=' Times New Roman '><B>COMPROBANTES APLICADOS POR "));
    const int i = int(p.indexOf(aplicados));
    ASSERT_GT(i, 0);
    EXPECT_TRUE(aplicados.endsWith(QStringLiteral(
        "APLICADOS POR FC 000100000013 A</B><TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>"
        "<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>TC</TD><TD CLASS=TableCABDetalle>COMPROBANTE</TD>"
        "<TD CLASS=TableCABDetalle>RECIBO</TD><TD CLASS=TableCABDetalle ALIGN =RIGHT >IMPORTE</TD></TR>")));
    const QString enlace = QStringLiteral("<TD CLASS=TableRowdETALLE><A HREF=_TC_RM_SUCURSAL_0001_NUMERO_00000031_LETRA_R>");
    EXPECT_EQ(p[i + 1], QStringLiteral("<TR VALIGN=TOP>") + enlace + QStringLiteral("RM  </TD>") + enlace
                            + QStringLiteral("000100000031R</TD>") + enlace + QStringLiteral(" </TD>") + R
                            + QStringLiteral("605</TD></TR>"));
    EXPECT_EQ(p[i + 2], QStringLiteral("</TABLE>"));
    EXPECT_TRUE(p[i + 3].contains(QStringLiteral("<B>COMPROBANTES QUE APLICAN A FC 000100000013 A</B>")));
    const QString cb = QStringLiteral("<TD CLASS=TableRowdETALLE><A HREF=_TC_CB_SUCURSAL_0001_NUMERO_00000077_LETRA_A>");
    EXPECT_EQ(p[i + 5], QStringLiteral("<TR VALIGN=TOP>") + cb + QStringLiteral("CB  </TD>") + cb
                            + QStringLiteral("000100000077A</TD>") + cb + QStringLiteral("CB 000100000077A</TD>") + R
                            + QStringLiteral("3265</TD></TR>"));
    const QString recibo = QStringLiteral("<TD CLASS=TableRowdETALLE><A HREF=_TC_CB_SUCURSAL_0001_NUMERO_00000101_LETRA_A>");
    EXPECT_EQ(p[i + 6], QStringLiteral("<TR VALIGN=TOP>") + recibo + QStringLiteral("CB  </TD>") + recibo
                            + QStringLiteral("000100000101A</TD>") + recibo + QStringLiteral("CB   000100000101A</TD>") + R
                            + QStringLiteral("870</TD></TR>"));
}

// Only a type that is "RM" as stored, in any case, hides the amount: the
// demo's delivery note, stored "RM  ", shows it (above).
TEST_F(PaginaDemo, ADeliveryNoteOfTypeRMAsStoredShowsNoAmount)
{
    ejecuta(QStringLiteral("UPDATE MV_APLICACION SET TCO_ORIGEN = 'rm' WHERE IDCOMPROBANTE_ORIGEN = '000100000031R'"));
    const QStringList p = venta("FC", "0001", "00000013", "A");
    const QString fila = linea(p, QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableRowdETALLE><A HREF=_TC_rm_"));
    EXPECT_TRUE(fila.endsWith(R + QStringLiteral(" -- </TD></TR>"))) << fila.toStdString();
}

TEST_F(PaginaDemo, HistoryShowsTheVoucherOwnComplementAndNamesTheActions)
{
    const QStringList p = venta("FC", "0001", "00000013", "A");
    const QString historial = linea(p, QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61></TABLE>"));
    const int i = int(p.indexOf(historial));
    ASSERT_GT(i, 0);
    EXPECT_EQ(historial, QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61></TABLE><br>"
                                        "<FONT SIZE=1 FACE=' Times New Roman '><B>HISTORIAL DE ACCIONES</B>"
                                        "<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>"
                                        "<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>TIPO ACCION</TD>"
                                        "<TD CLASS=TableCABDetalle>COMENTARIO</TD><TD CLASS=TableCABDetalle>FECHA HORA</TD>"
                                        "<TD CLASS=TableCABDetalle>USUARIO</TD><TD CLASS=TableCABDetalle>PC</TD></TR>"));
    const QString c = QStringLiteral("<TD CLASS=TableRowDetalle>");
    EXPECT_EQ(p[i + 1], QStringLiteral("<TR VALIGN=TOP>") + c + QStringLiteral("ALTA</TD>") + c + QStringLiteral("sa</TD>") + c
                            + QStringLiteral("03/03/2025 10:15:00</TD>") + c + QStringLiteral("demo</TD>") + c
                            + QStringLiteral("PUESTO1</TD></TR>"));
    EXPECT_TRUE(p[i + 2].startsWith(QStringLiteral("<TR VALIGN=TOP>") + c + QStringLiteral("MODIFICACION</TD>")));
    EXPECT_TRUE(p[i + 3].startsWith(QStringLiteral("<TR VALIGN=TOP>") + c + QStringLiteral("I</TD>")));
    EXPECT_EQ(p[i + 4], QStringLiteral("</TABLE>")) << "the action of complement 1 is not this voucher's";
    EXPECT_EQ(p.mid(i + 5), (QStringList{QStringLiteral("<br></br>"), QStringLiteral("</body></html>")}));
}

TEST_F(PaginaDemo, AVoucherNotInTheViewGetsOnlyTheFrameOfItsPage)
{
    ejecuta(QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, RutaArchivo, NombreArchivo) "
                           "VALUES ('9', 'XX  000900000001Z', '/img/', 'suelta.jpg')"));
    const QStringList p = venta("XX", "0009", "00000001", "Z");
    ASSERT_EQ(p.size(), 6);
    // An unknown type shows itself in the title, whose table is closed.
    EXPECT_EQ(p[2], QStringLiteral("<TABLE ALIGN=BLEEDLEFT WIDTH=100% CELLSPACING=0 CELLPADDING=0 BORDER=0>"
                                   "<TR VALIGN=TOP><TD COLSPAN=77><FONT SIZE=1>&nbsp;</FONT></TD></TR>"
                                   "<TR VALIGN=TOP><TD ALIGN=CENTER COLSPAN=76 ROWSPAN=2><FONT SIZE=4 FACE=' Times New Roman '>"
                                   "<B><I><U>XX 000900000001 Z</U></I></B></FONT></TD>"
                                   "</TR><TR VALIGN=TOP></TR><TR VALIGN=TOP BGCOLOR=E8E8E8>"
                                   "<TD ALIGN=CENTER COLSPAN=76><FONT SIZE=2 FACE=' Garamond '>(Detallado)</FONT></TD>"
                                   "</TR></TABLE>"));
    EXPECT_EQ(p.mid(3), (QStringList{QStringLiteral("<br></br>"),
                                     QStringLiteral("<img alt=\"\" src=\"file:///img/suelta.jpg\" width=100%  ></p>"),
                                     QStringLiteral("</body></html>")}));
}

TEST_F(PaginaDemo, NullsNeverStopThePageAndAnnulledVouchersSaySo)
{
    // A voucher of the view with nothing but its key: every value is null.
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, ANULADA) "
                           "VALUES ('TK  ', '000300000200B', 0, NULL, 1)"));
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDARTICULO) "
                           "VALUES ('TK  ', '000300000200B', 0, NULL)"));
    ejecuta(QStringLiteral("INSERT INTO V_MV_CPTETAREAS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDTAREA) "
                           "VALUES ('TK  ', '000300000200B', 0, 'T9')"));
    const QStringList p = venta("TK", "0003", "00000200", "B");
    EXPECT_EQ(p.last(), QStringLiteral("</body></html>"));
    EXPECT_EQ(p[5], QStringLiteral("<TD CLASS=TableRow2 ALIGN=CENTER COLSPAN=6 NOWRAP>Comprobante ANULADO</TD></TR>"));
    EXPECT_EQ(linea(p, QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>   <font color=BLACK>")),
              QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>   <font color=BLACK></TD>"
                             "<TD CLASS=TableROWDetalle> <font color=BLACK> </TD><TD CLASS=TableROWDetalle></TD>"
                             "<TD CLASS=TableROWDetalle>0</TD><TD CLASS=TableROWDetalle></TD>")
                  + R + QStringLiteral("</TD>") + R + QStringLiteral("</TD>") + R + QStringLiteral("</TD>") + R
                  + QStringLiteral("</TD></TR>"));
    EXPECT_EQ(linea(p, QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>   T9")),
              QStringLiteral("<TR VALIGN=TOP><TD CLASS=TableROWDetalle>   T9 </TD><TD CLASS=TableROWDetalle>  </TD>") + R
                  + QStringLiteral("</TD>") + R + QStringLiteral("</TD>") + R + QStringLiteral("</TD></TR>"));
    const QString totales = linea(p, QStringLiteral("</table></table>"));
    EXPECT_TRUE(totales.contains(QStringLiteral("<B> TOTAL $ </B></td>")));
    EXPECT_TRUE(totales.contains(QStringLiteral("<td class=TableCABpIE ALIGN=CENTER ></td><td class=TableCABpIE >1 () %  $</td>"
                                                "<td class=TableCABpIE ALIGN=CENTER >0</td>")));
    EXPECT_TRUE(linea(p, QStringLiteral("<TABLE><TR VALIGN=TOP><TD class=TableCabeceraCaption COLSPAN=7><B>Vendedor:"))
                    .contains(QStringLiteral("COLSPAN=17>  </TD>")));
}

TEST_F(PaginaDemo, WithoutItsComplementASalesVoucherHasNoDetailOrHistory)
{
    // The suite's view can leave the complement null; the table here cannot.
    ejecuta(QStringLiteral("ALTER TABLE V_MV_CPTE RENAME TO V_MV_CPTE_T"));
    ejecuta(QStringLiteral("CREATE TABLE V_MV_CPTE AS SELECT * FROM V_MV_CPTE_T"));
    ejecuta(QStringLiteral("UPDATE V_MV_CPTE SET IDCOMPLEMENTO = NULL"));
    const QStringList p = venta("FC  ", "0001", "00000013", "A");
    const QString todo = p.join(u'\n');
    EXPECT_FALSE(todo.contains(QStringLiteral("INSUMOS")));
    EXPECT_FALSE(todo.contains(QStringLiteral("HISTORIAL")));
    EXPECT_TRUE(todo.contains(QStringLiteral("COMPROBANTES APLICADOS POR")));
    EXPECT_EQ(p[4], QStringLiteral("<TD class=TableCabeceraValor ALIGN=CENTER COLSPAN=6 NOWRAP></TD></TR>"));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(PaginaDemo, WithdrawnScansAreNotShownAndEveryOtherIs)
{
    ejecuta(QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, RutaArchivo, NombreArchivo, Eliminado) VALUES "
                           "('1001', 'FC  000100000012A', '/datos/SCAN/remito(2).bmp', 'remito', 0), "
                           "('1001', 'FC  000100000012A', '', 'asignada.jpg', NULL), "
                           "('1001', 'FC  000100000012A', '/datos/', 'retirada.jpg', 1)"));
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '/datos/SCAN' WHERE Clave = 'RUTA_ESCANEO'"));
    const QStringList p = venta("FC", "0001", "00000012", "A");
    QStringList imagenes;
    for (const QString& l : p) {
        if (l.startsWith(QStringLiteral("<img")))
            imagenes << l.section(u'"', 3, 3);
    }
    EXPECT_EQ(imagenes, (QStringList{QStringLiteral("file://") + dir.path() + QStringLiteral("/SCAN/factura-0001-00000012.jpg"),
                                     QStringLiteral("file:///datos/SCAN/remito(2).bmp"),
                                     QStringLiteral("file:///datos/SCAN/asignada.jpg")}));
    // The withdrawn demo scan of ND 0001-00000002A is left out too.
    EXPECT_EQ(linea(venta("ND", "0001", "00000002", "A"), QStringLiteral("<img")), QString());
}
