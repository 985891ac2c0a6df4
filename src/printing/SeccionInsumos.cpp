#include "platform/base/FormatoNumerico.h"
#include "platform/dialogs/Dialogos.h"
#include "printing/FormatoImportes.h"
#include "printing/GeneradorAuxiliar.h"
#include "printing/SeriesLotes.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"

namespace {

QString dinero(const QString& importe)
{
    return FmtMoneda(importe, -1, false);
}

// "|" separators out, then the text made printable.
QString limpio(const GeneradorAuxiliar& gen, const QString& texto)
{
    return gen.u.LimpiaTexto(gen.u.Reemplaza(texto, QStringLiteral("|")));
}

// The amount with its VAT added, in currency: importe + importe * alicuota / 100.
Moneda conIva(Moneda importe, Moneda alicuota)
{
    const int64_t iva = MultiplicaYDivideAlPar(importe.diezmilesimas, alicuota.diezmilesimas, 100 * 10000);
    int64_t total = 0;
    if (__builtin_add_overflow(importe.diezmilesimas, iva, &total))
        throw Err(NumeroError::Desbordamiento, QStringLiteral("Desbordamiento"));
    return Moneda{total};
}

// Proformas to a final consumer store their amounts without VAT; the print
// adds it when the retail settings ask for it. The settings are read once per
// section, the second only when the first is on.
bool ivaDeProformas()
{
    return esSi(Cfg(QStringLiteral("RETAIL"))) && esSi(Cfg(QStringLiteral("RobaIvaProforma")));
}

bool sumaIva(const GeneradorAuxiliar& gen, const Recordset& r)
{
    const Utilidades& u = gen.u;
    const QString tipo = gen.campo(r, "TC").trimmed();
    if (tipo.compare(QStringLiteral("FP"), Qt::CaseInsensitive) != 0
        && tipo.compare(QStringLiteral("NCFP"), Qt::CaseInsensitive) != 0)
        return false;
    return gen.campo(r, "CondicionIva").trimmed() == QStringLiteral("1")
           && u.TextoAMoneda(gen.campo(r, "Importe")) == u.TextoAMoneda(gen.campo(r, "Importe_S_IVA"))
           && u.TextoAMoneda(gen.campo(r, "AlicIVA")).diezmilesimas > 0;
}

// A supply of this voucher, or a line still pending on its originating order.
void filaInsumo(GeneradorAuxiliar& gen, const Recordset& r, bool pendiente, bool ivaProformas = false)
{
    const Utilidades& u = gen.u;
    const auto valor = [&](const char* columna) { return gen.literal(gen.campo(r, columna)); };
    const auto numero = [&](const char* columna) { return gen.literal(gen.numero(r, columna)); };
    bool iva = false;
    if (ivaProformas)
        gen.g.paso([&] { iva = sumaIva(gen, r); });
    const auto importe = [&](const char* columna) {
        const QString texto = gen.campo(r, columna);
        if (!iva)
            return gen.literal(dinero(texto));
        return gen.literal(dinero(conIva(u.TextoAMoneda(texto), u.TextoAMoneda(gen.campo(r, "AlicIVA"))).texto()));
    };

    gen.nuevaFila("IN");
    gen.agrega("Columna1", [&] { return gen.literal(gen.campo(r, "Idarticulo").trimmed()); });
    gen.agrega("Columna2", [&] { return gen.literal(gen.campo(r, "Descripcion").trimmed().remove(u'\'')); });
    gen.agrega("Columna3", [&] { return valor("IdUnidad"); });
    gen.agrega("Columna4", [&] { return pendiente ? gen.literal(QStringLiteral("0")) : numero("Cantidad"); });
    gen.agrega("Columna5", [&] { return importe("Importe"); });
    gen.agrega("Columna6", [&] { return importe("Total"); });
    gen.agrega("Columna7", [&] { return gen.literal(dinero(gen.campo(r, "Importe_S_IVA"))); });
    gen.agrega("Columna8", [&] {
        if (pendiente)
            return gen.literal(limpio(gen, gen.campo(r, "Nro_Lote")).trimmed());
        QString lotes = gen.campo(r, "Nro_Lote");
        const QString lista = Cuenta_Series_Lotes(lotes, gen.campo(r, "Nro_Serie")).trimmed();
        gen.Lotes += u' ' + lista;
        return gen.literal(lista);
    });
    gen.agrega("Columna9", [&] { return gen.literal(limpio(gen, gen.campo(r, "Nro_Serie"))); });
    gen.agrega("Columna10", [&] { return numero("PorcDto"); });
    gen.agrega("Columna11", [&] { return numero("Impuestos"); });
    gen.agrega("Columna12", [&] { return gen.literal(formatoNumerico().texto(u.TextoAMoneda(gen.campo(r, "ControladoPor")))); });
    gen.agrega("Columna13", [&] { return numero("CantidadUd"); });
    gen.agrega("Columna14", [&] { return valor("IdUnidadBase"); });
    gen.agrega("Columna15", [&] { return numero("Equiv_UDBase"); });
    gen.agrega("CANTIDAD_ORIGEN", [&] {
        return gen.cn.FormatoLiteral(gen.campo(r, pendiente ? "Cantidad" : "CANTIDAD_ORIGEN"), QStringLiteral("@"));
    });
    if (!pendiente && Modulo().EsMaderera) {
        gen.agrega("COLUMNA16", [&] { return gen.cn.FormatoLiteral(gen.campo(r, "Ud_Pr"), QStringLiteral("'")); });
        gen.agrega("COLUMNA17",
                   [&] { return gen.cn.FormatoLiteral(gen.campo(r, "Importe_Ud"), QStringLiteral("@")); });
    }
    gen.insertaFila();
    if (pendiente)
        return;
    // A row the server refused is also told in the provider's own words.
    gen.g.paso([&] {
        ErroresDatos& errores = gen.cn.Conexion().Errors();
        if (errores.Count() > 0)
            dialogos().MsgBox(errores.Item(0).Description, Botones::SoloAceptar);
    });
}

}

void SeccionInsumos(GeneradorAuxiliar& gen)
{
    if (!gen.IdTarea.isEmpty())
        return;
    gen.Lotes.clear();
    auto rs = gen.abre(QStringLiteral("SELECT * FROM V_MV_CPTEINSUMOS ") + gen.FiltroComprobante
                       + QStringLiteral(" ORDER BY ID"));
    if (hayFilas(rs)) {
        gen.Titulo = gen.esTipo("PR") || gen.esTipo("OT") ? QStringLiteral("Insumos - Materiales a Utilizar - Productos")
                                                           : QStringLiteral("Insumos - Materiales Utilizados - Productos");
        gen.bloqueTitulo();
        bool iva = false;
        gen.g.paso([&] { iva = ivaDeProformas(); });
        gen.recorre(*rs, [&](const Recordset& r) { filaInsumo(gen, r, false, iva); });
    }
    const QString lotes = gen.Lotes.trimmed();
    if (!lotes.isEmpty())
        gen.ejecuta(QStringLiteral("INSERT INTO Aux_MV_Cpte(Usuario,TC,IdComprobante,IdComplemento,Tipo,SECCION) "
                                   "VALUES ")
                    + gen.valoresClave() + QStringLiteral(",'ZZ',") + gen.literal(lotes) + u')');
}

void SeccionPendientes(GeneradorAuxiliar& gen, const Recordset& comprobante)
{
    if (!gen.esTipo("RM"))
        return;
    bool aplica = false;
    QString origen;
    gen.g.paso([&] {
        if (!esSi(Cfg(QStringLiteral("RETAIL"))) || comprobante.Campo(QStringLiteral("ComprobanteOrigen")).isNull())
            return;
        origen = gen.campo(comprobante, "ComprobanteOrigen");
        aplica = gen.campo(comprobante, "TcOrigen").trimmed().compare(QStringLiteral("NP"), Qt::CaseInsensitive) == 0;
    });
    if (!aplica)
        return;
    auto rs = gen.abre(QStringLiteral("SELECT * FROM V_MV_CPTEINSUMOS WHERE TC = 'NP' AND IDCOMPROBANTE =")
                       + gen.literal(origen) + QStringLiteral("  ORDER BY ID"));
    if (!hayFilas(rs))
        return;
    gen.Titulo = QStringLiteral("Insumos - Materiales Utilizados - Productos (Sin Preparación)");
    gen.bloqueTitulo();
    gen.recorre(*rs, [&](const Recordset& r) {
        bool pendiente = false;
        gen.g.paso([&] {
            pendiente = gen.cn.Existe(QStringLiteral("VT_V_MV_Insumos_NPPendiente"), QStringLiteral("NP"),
                                      QStringLiteral("TC"),
                                      QStringLiteral(" TC = 'NP' AND IDCOMPROBANTE = ")
                                          + gen.literal(gen.campo(r, "IdComprobante"))
                                          + QStringLiteral(" AND IDARTICULO = ")
                                          + gen.literal(gen.campo(r, "Idarticulo")));
        });
        if (pendiente)
            filaInsumo(gen, r, true);
    });
}
