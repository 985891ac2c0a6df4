#include "printing/GeneradorAuxiliar.h"

#include "platform/base/FormatoNumerico.h"
#include "services/Modulo.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"

namespace {

Politica politicaDelGenerador()
{
    return politicas::dejaPasar(
        {NumeroError::Desbordamiento, NumeroError::ErrorDeAutomatizacion}, politicas::dialogo([](const Err& e) {
            return int(MuestraError(e, std::nullopt, QStringLiteral("GeneraAuxiliarComprobantes")));
        }));
}

}

GeneradorAuxiliar::GeneradorAuxiliar(int16_t lineasTitulo, const QString& idTarea)
    : g(politicaDelGenerador()),
      cn(ConexionPrincipal()),
      u(ObjUtilidades()),
      Clave(ClaveEstacion()),
      LineasTitulo(lineasTitulo),
      IdTarea(idTarea)
{
}

bool GeneradorAuxiliar::esTipo(const char* tipo) const
{
    return TC.trimmed().compare(QLatin1String(tipo), Qt::CaseInsensitive) == 0;
}

QString GeneradorAuxiliar::numero(const Recordset& rs, const char* nombre) const
{
    const QVariant valor = rs.Campo(QLatin1String(nombre));
    QString texto = u.ValorCampo(valor);
    if (valor.typeId() == QMetaType::Double)
        texto.replace(u'.', formatoNumerico().separadorDecimal);
    return texto;
}

QString GeneradorAuxiliar::valoresClave() const
{
    return u'(' + literal(Clave) + u',' + literal(TC) + u',' + literal(IdComprobante()) + u',' + literal(IdComplemento);
}

QString GeneradorAuxiliar::condicionFilas() const
{
    return QStringLiteral(" WHERE USUARIO = ") + literal(Clave.trimmed()) + QStringLiteral(" AND TC = ") + literal(TC)
           + QStringLiteral(" AND IDCOMPROBANTE = ") + literal(IdComprobante())
           + QStringLiteral(" AND IDCOMPLEMENTO = ") + IdComplemento;
}

void GeneradorAuxiliar::iniciaTransaccion()
{
    g.paso([&] {
        cn.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
        enTransaccion_ = true;
    });
}

void GeneradorAuxiliar::confirmaTransaccion()
{
    if (!enTransaccion_)
        return;
    // Also after the operator left the routine: a guard of its own.
    GuardaErrores fin(politicaDelGenerador());
    fin.paso([&] { cn.Ejecuta(QStringLiteral("COMMIT TRANSACTION")); });
    if (fin.salio())
        GuardaErrores(politicas::reanudaTodo()).paso([&] { cn.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION")); });
}

std::unique_ptr<Recordset> GeneradorAuxiliar::abre(const QString& sql)
{
    std::unique_ptr<Recordset> rs;
    g.paso([&] { rs = cn.AbreRecordset(sql, 0, 1); });
    return rs;
}

void GeneradorAuxiliar::ejecuta(const QString& sql)
{
    g.paso([&] { cn.Ejecuta(sql); });
}

void GeneradorAuxiliar::recorre(Recordset& rs, const std::function<void(const Recordset&)>& fila)
{
    while (!g.salio() && !rs.EOF()) {
        fila(rs);
        g.paso([&] { rs.MoveNext(); });
    }
}

void GeneradorAuxiliar::bloqueTitulo()
{
    // The test follows the first row, so a block always has one.
    const int filas = LineasTitulo;
    const int titulo = filas / 2;
    int i = 0;
    do {
        if (i == titulo)
            ejecuta(QStringLiteral("INSERT INTO Aux_MV_Cpte (Usuario, TC , IdComprobante , IdComplemento , Tipo , "
                                   "Seccion) VALUES ")
                    + valoresClave() + QStringLiteral(",'M',") + literal(Titulo) + u')');
        else
            ejecuta(QStringLiteral("INSERT INTO Aux_MV_Cpte(Usuario,TC,IdComprobante,IdComplemento,Tipo) VALUES ")
                    + valoresClave() + QStringLiteral(",'3')"));
        ++i;
    } while (i < filas && !g.salio());
}

void GeneradorAuxiliar::nuevaFila(const char* tipo)
{
    g.paso([&] {
        ListaCampos().emplace();
        ListaCampos()->reserve(24);
        ListaCampos()->push_back({QStringLiteral("Usuario"), literal(Clave)});
        ListaCampos()->push_back({QStringLiteral("TC"), literal(TC)});
        ListaCampos()->push_back({QStringLiteral("IdComprobante"), literal(IdComprobante())});
        ListaCampos()->push_back({QStringLiteral("IdComplemento"), IdComplemento});
        ListaCampos()->push_back({QStringLiteral("Tipo"), literal(QLatin1String(tipo))});
    });
}

void GeneradorAuxiliar::insertaFila()
{
    QString sql;
    g.paso([&] {
        sql = QStringLiteral("INSERT INTO AUX_MV_CPTE ");
        ArmaValoresInsert(sql, ListaCampos(), true);
    });
    ejecuta(sql);
}

bool hayFilas(const std::unique_ptr<Recordset>& rs)
{
    return rs && !(rs->BOF() && rs->EOF());
}

bool esSi(const QString& valor)
{
    return valor.compare(QStringLiteral("SI"), Qt::CaseInsensitive) == 0;
}
