#include "printing/FormatoImportes.h"
#include "printing/GeneradorAuxiliar.h"
#include "services/Configuracion.h"

namespace {

QChar ultimaLetra(const QString& idComprobante)
{
    const QString id = idComprobante.trimmed();
    return id.isEmpty() ? QChar() : id.back();
}

void filaConcepto(GeneradorAuxiliar& gen, const Recordset& r, bool ignoraCeros)
{
    const QString vacio = u'\'' + gen.cn.FormatoLiteral(QString(), QStringLiteral("@")) + u'\'';
    const auto importe = [&](const char* columna) {
        const QString texto = gen.campo(r, columna);
        if (ignoraCeros && gen.u.TextoAMoneda(texto).diezmilesimas == 0)
            return gen.literal(QString());
        return gen.literal(FmtMoneda(texto, -1, false));
    };
    gen.nuevaFila("OC");
    gen.agrega("Columna1", [&] { return gen.literal(QString()); });
    gen.agrega("Columna2", [&] { return gen.literal(gen.campo(r, "Observacion").trimmed().remove(u'\'')); });
    gen.agrega("Columna3", [&] { return vacio; });
    gen.agrega("Columna4", [&] { return vacio; });
    gen.agrega("Columna5", [&] { return vacio; });
    // Vouchers of letter A show their concepts without VAT.
    gen.agrega("Columna6", [&] {
        const bool letraA = ultimaLetra(gen.campo(r, "IdComprobante")).toUpper() == u'A';
        return importe(letraA ? "Importe_S_IVA" : "Importe");
    });
    gen.agrega("Columna7", [&] { return importe("Importe_S_IVA"); });
    gen.agrega("Columna8", [&] { return vacio; });
    gen.insertaFila();
}

}

void SeccionOtrosConceptos(GeneradorAuxiliar& gen)
{
    if (!gen.IdTarea.isEmpty())
        return;
    bool ignoraCeros = false;
    gen.g.paso([&] { ignoraCeros = esSi(Cfg(QStringLiteral("IgnoraImportesCeroEnOC"))); });
    auto rs = gen.abre(QStringLiteral("SELECT * FROM V_MV_CPTE_Observ ") + gen.FiltroComprobante
                       + QStringLiteral(" AND Tipo_Obs = 'OC' ") + QStringLiteral(" ORDER BY ID"));
    if (!hayFilas(rs))
        return;
    gen.Titulo = QStringLiteral("Otros Conceptos - Observaciones - Comentarios");
    gen.bloqueTitulo();
    gen.recorre(*rs, [&](const Recordset& r) { filaConcepto(gen, r, ignoraCeros); });
}
