#include "services/Objetos.h"
#include "voucherweb/SeccionesPagina.h"
#include "voucherweb/TextoPagina.h"

#include <QStringBuilder>

// The reception reports of a purchase order and the history of actions
// taken on the voucher.

namespace {

const QString CeldaAccion = QStringLiteral("<TD CLASS=TableRowDetalle>");
const QString CeldaRecepcion = QStringLiteral("<TD CLASS=TableRowdETALLE>");

QString Accion(const QVariant& tipo)
{
    const QString codigo = TextoPlano(tipo);
    const QString clave = codigo.trimmed();
    if (clave.compare(QStringLiteral("A"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("ALTA");
    if (clave.compare(QStringLiteral("B"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("BAJA");
    if (clave.compare(QStringLiteral("M"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("MODIFICACION");
    return Html(codigo);
}

}

void EscribeRecepciones(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    if (v.EsVenta || v.TC.trimmed().compare(QStringLiteral("OC"), Qt::CaseInsensitive) != 0)
        return;
    const Utilidades& u = ObjUtilidades();
    const QString sql = QStringLiteral("SELECT ") + QStringLiteral("V_MV_STOCK.FECHA, V_MV_STOCK.TC,V_MV_STOCK.IDCOMPROBANTE")
                        + QStringLiteral(" from V_MV_STOCK  with(nolock) WHERE V_MV_STOCK.TC_ORIGEN=") + c.Literal(v.TC4())
                        + QStringLiteral(" and V_MV_STOCK.IDCOMPROBANTE_ORIGEN=")
                        + c.Literal(u.RellenaCodigo(v.Sucursal, 4) + u.RellenaCodigo(v.Numero, 8)
                                    + u.RellenaCodigo(v.Letra, 4))
                        + QStringLiteral(" AND SECUENCIA = 1");
    // The heading row stays open and names an amount that no row has, as
    // the suite's pages always had it.
    const QString encabezado = AbreSeccion + FuenteSeccion + QStringLiteral("<B>INFORMES DE RECEPCION</B>") + TablaSeccion
                               + QStringLiteral("<TR VALIGN=TOP BGCOLOR=E0EFE0><TD CLASS=TableCABDetalle>FECHA</TD>")
                               + QStringLiteral("<TD CLASS=TableCABDetalle>COMPROBANTE</TD>")
                               + QStringLiteral("<TD CLASS=TableCABDetalle ALIGN =RIGHT>IMPORTE</TD>");
    c.Tabla(sql, encabezado, [](const FilaPagina& fila, TextoFila& celdas) {
        celdas.Agrega(CeldaRecepcion + ValorFila(fila, "Fecha") + QStringLiteral("</TD>") + CeldaRecepcion
                      + ValorFila(fila, "TC") + u' ' + ValorFila(fila, "IdComprobante") + QStringLiteral("</TD>"));
    });
}

void EscribeHistorial(ContextoPagina& c)
{
    const Comprobante& v = c.cpte;
    QString sql = QStringLiteral("SELECT ") + QStringLiteral("TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER")
                  + QStringLiteral(" from V_MV_CPTEACCIONES  with(nolock) WHERE TC=") + c.Literal(v.TC4())
                  + QStringLiteral(" and IDCOMPROBANTE=") + c.Literal(v.IdComprobante());
    if (v.UsaVMvCpte) {
        // Without its complement the voucher's actions cannot be told apart.
        const QVariant complemento = c.Cabecera(QStringLiteral("IdComplemento"));
        if (complemento.isNull())
            return;
        sql += QStringLiteral(" AND IDCOMPLEMENTO=") + c.Literal(TextoPlano(complemento));
    }
    const QString encabezado =
        QStringLiteral("<TR VALIGN=TOP><TD COLSPAN=2> </TD><TD COLSPAN=60 ROWSPAN=61></TABLE><br>") + FuenteSeccion
        + QStringLiteral("<B>HISTORIAL DE ACCIONES</B>") + TablaSeccion + QStringLiteral("<TR VALIGN=TOP BGCOLOR=E0EFE0>")
        + QStringLiteral("<TD CLASS=TableCABDetalle>TIPO ACCION</TD>") + QStringLiteral("<TD CLASS=TableCABDetalle>COMENTARIO</TD>")
        + QStringLiteral("<TD CLASS=TableCABDetalle>FECHA HORA</TD>") + QStringLiteral("<TD CLASS=TableCABDetalle>USUARIO</TD>")
        + QStringLiteral("<TD CLASS=TableCABDetalle>PC</TD></TR>");
    c.Tabla(sql, encabezado, [](const FilaPagina& fila, TextoFila& celdas) {
        celdas.Agrega(QString(CeldaAccion % Accion(fila("TIPO_ACCION")) % FinCelda % CeldaAccion
                              % ValorFila(fila, "SYSTEMUSER") % FinCelda % CeldaAccion % ValorFila(fila, "FechaHora") % FinCelda
                              % CeldaAccion % ValorFila(fila, "Usuario") % FinCelda % CeldaAccion % ValorFila(fila, "PC") % FinCelda));
    });
}
