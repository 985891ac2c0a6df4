#include "voucherweb/SeccionesPagina.h"

#include "services/Objetos.h"
#include "voucherweb/TextoPagina.h"

QString Comprobante::TC4() const
{
    return ObjUtilidades().RellenaCodigo(TC, 4);
}

QString Comprobante::IdComprobante() const
{
    return Sucursal + Numero + Letra;
}

QString Comprobante::Identidad() const
{
    return TC + u' ' + Sucursal + Numero + u' ' + Letra;
}

ContextoPagina::ContextoPagina(ConexionDatos& conexion, const Comprobante& cpte, PaginaHtml& pagina)
    : conexion(conexion), cpte(cpte), pagina(pagina)
{
}

bool ContextoPagina::HayCabecera() const
{
    return cabecera && !cabecera->EOF();
}

QVariant ContextoPagina::Cabecera(const QString& columna) const
{
    return cabecera->Campo(columna);
}

QString ContextoPagina::Literal(const QString& texto) const
{
    return conexion.FormatoLiteral(texto);
}

std::unique_ptr<Recordset> ContextoPagina::Abre(const QString& sql) const
{
    return conexion.AbreRecordset(sql, 0, 1);
}

void ContextoPagina::Tabla(const QString& sql, const QString& encabezado,
                           const std::function<QString(const Recordset&)>& celdas)
{
    const std::unique_ptr<Recordset> rs = Abre(sql);
    if (rs->EOF())
        return;
    pagina.Linea(encabezado);
    while (!rs->EOF()) {
        pagina.Linea(QStringLiteral("<TR VALIGN=TOP>") + celdas(*rs) + QStringLiteral("</TR>"));
        rs->MoveNext();
    }
    pagina.Linea(QStringLiteral("</TABLE>"));
}

QString ValorFila(const Recordset& rs, const char* columna)
{
    return HtmlValor(rs.Campo(QLatin1String(columna)));
}
