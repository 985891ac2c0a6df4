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
                           const std::function<void(const FilaPagina&, TextoFila&)>& celdas)
{
    const std::unique_ptr<Recordset> rs = Abre(sql);
    if (rs->EOF())
        return;
    pagina.Linea(encabezado);
    const FilaPagina fila(*rs);
    // One row's room serves every row, each written whole into it.
    TextoFila renglon(1024);
    while (!rs->EOF()) {
        renglon.Agrega(u"<TR VALIGN=TOP>");
        celdas(fila, renglon);
        renglon.Agrega(u"</TR>");
        pagina.Linea(renglon.Vista());
        renglon.Vacia();
        rs->MoveNext();
    }
    pagina.Linea(QStringLiteral("</TABLE>"));
}

const QVariant& FilaPagina::operator()(const char* columna) const
{
    for (const auto& [nombre, indice] : indices_) {
        if (nombre == columna)
            return rs_.Campo(indice);
    }
    for (int i = 0; i < rs_.ContarCampos(); ++i) {
        if (rs_.NombreCampo(i).compare(QLatin1String(columna), Qt::CaseInsensitive) == 0) {
            indices_.emplace_back(columna, i);
            return rs_.Campo(i);
        }
    }
    return rs_.Campo(QLatin1String(columna));
}

QString ValorFila(const FilaPagina& fila, const char* columna)
{
    return HtmlValor(fila(columna));
}
