#include "printing/AuxiliarComprobantes.h"

#include "platform/base/Conversiones.h"
#include "platform/base/FormatoNumerico.h"
#include "printing/GeneradorAuxiliar.h"
#include "printing/ImporteLetras.h"
#include "services/Configuracion.h"
#include "services/SentenciasSQL.h"

namespace {

struct Seleccion {
    QString SucursalDesde, NumeroDesde, LetraDesde, IdComplementoDesde;
    QString SucursalHasta, NumeroHasta, LetraHasta, IdComplementoHasta;
    QString ListaID, ListaIdComprobante;
};

// The first rule that applies: the list of numbers, the list of IDs, the range.
QString filtroSeleccion(const GeneradorAuxiliar& gen, const Seleccion& s)
{
    const QString tipo = QStringLiteral(" WHERE TC = ") + gen.literal(gen.TC);
    if (!s.ListaIdComprobante.isEmpty())
        return tipo + QStringLiteral(" AND IdComprobante IN ( ") + s.ListaIdComprobante + u')';
    if (!s.ListaID.trimmed().isEmpty())
        return tipo + QStringLiteral(" AND ID IN(") + s.ListaID + u')';

    const QString desde = (s.SucursalDesde + s.NumeroDesde + s.LetraDesde).trimmed();
    QString hasta = (s.SucursalHasta + s.NumeroHasta + s.LetraHasta).trimmed();
    QString complementoHasta = s.IdComplementoHasta;
    QString superior;
    if (!desde.isEmpty() || !hasta.isEmpty()) {
        if (hasta.isEmpty()) {
            hasta = desde;
            complementoHasta = s.IdComplementoDesde;
        }
        superior = QStringLiteral(" AND IDCOMPROBANTE <= ") + gen.literal(hasta)
                   + QStringLiteral(" AND IDCOMPLEMENTO <= ")
                   + gen.cn.FormatoLiteral(Val(complementoHasta), QStringLiteral("@"));
    }
    return tipo + QStringLiteral(" AND IDCOMPROBANTE >= ") + gen.literal(desde)
           + QStringLiteral(" AND IDCOMPLEMENTO >= ") + s.IdComplementoDesde + superior;
}

// The total in words with the voucher's currency, "Pesos" for the local one.
QString importeEnLetras(GeneradorAuxiliar& gen, const Recordset& rs)
{
    QString moneda = QStringLiteral("Pesos");
    QString palabras;
    gen.g.paso([&] {
        const QString codigo = gen.campo(rs, "Moneda");
        if (gen.u.TextoAMoneda(codigo).diezmilesimas > 10000)
            moneda = gen.u.ValorCampo(gen.cn.BuscaValor(QStringLiteral("ta_monedas"), gen.u.RellenaCodigo(codigo, 4),
                                                        QStringLiteral("Descripcion"), QStringLiteral("Codigo")));
    });
    gen.g.paso([&] {
        // The amount goes in currency to the workstation's own text, so its
        // cents are found by the workstation's decimal separator.
        const QString importe = formatoNumerico().texto(gen.u.TextoAMoneda(gen.campo(rs, "Importe")));
        palabras = ImporteALetras(importe, std::nullopt, moneda, QStringLiteral("Centavos"));
    });
    return palabras;
}

// The first observation of a kind, or nothing.
std::unique_ptr<Recordset> observacion(GeneradorAuxiliar& gen, const QString& condicion)
{
    auto rs = gen.abre(QStringLiteral("SELECT * FROM V_MV_CPTE_Observ ") + gen.FiltroComprobante + condicion);
    return hayFilas(rs) ? std::move(rs) : nullptr;
}

const QString Encabezado = QStringLiteral(" AND Tipo_Obs = 'EN' ");
const QString PieDePagina = QStringLiteral(" AND (Tipo_Obs = 'PP')");

void filaEncabezado(GeneradorAuxiliar& gen)
{
    const auto obs = observacion(gen, Encabezado);
    const QString texto = obs ? gen.campo(*obs, "Observacion") : QStringLiteral(".");
    gen.ejecuta(QStringLiteral("INSERT INTO Aux_MV_Cpte (Usuario,TC,IdComprobante,IdComplemento,Tipo,Encabezado ) "
                               "VALUES ")
                + gen.valoresClave() + QStringLiteral(",''," ) + gen.literal(texto) + u')');
}

void filaPieDePagina(GeneradorAuxiliar& gen)
{
    const auto obs = observacion(gen, PieDePagina);
    if (!obs)
        return;
    gen.ejecuta(QStringLiteral("INSERT INTO Aux_MV_Cpte (Usuario,TC,IdComprobante,IdComplemento,Tipo,PieDePagina) "
                               "VALUES ")
                + gen.valoresClave() + QStringLiteral(",''," ) + gen.literal(gen.campo(*obs, "Observacion")) + u')');
}

void comprobante(GeneradorAuxiliar& gen, const Recordset& rs)
{
    const QString palabras = importeEnLetras(gen, rs);
    gen.g.paso([&] {
        const QString id = gen.campo(rs, "IdComprobante").trimmed();
        gen.Sucursal = id.mid(0, 4);
        gen.Numero = id.mid(4, 8);
        gen.Letra = id.mid(12, 1);
        gen.IdComplemento = gen.campo(rs, "IdComplemento");
    });
    gen.g.paso([&] {
        gen.FiltroComprobante = QStringLiteral(" WHERE TC = ") + gen.literal(gen.u.RellenaCodigo(gen.TC, 4))
                                + QStringLiteral(" AND IDCOMPROBANTE = ") + gen.literal(gen.IdComprobante().trimmed())
                                + QStringLiteral(" AND IDCOMPLEMENTO = ") + gen.IdComplemento;
    });
    const bool completo = gen.IdTarea.isEmpty();
    if (completo)
        filaEncabezado(gen);
    SeccionTareas(gen);
    SeccionInsumos(gen);
    SeccionPendientes(gen, rs);
    SeccionOtrosConceptos(gen);
    if (completo)
        filaPieDePagina(gen);

    gen.ejecuta(QStringLiteral("UPDATE AUX_MV_CPTE SET IMPORTEENLETRAS = ") + gen.literal(u' ' + palabras)
                + gen.condicionFilas());
    if (!completo)
        return;
    const auto obs = observacion(gen, Encabezado);
    const QString texto = obs ? gen.campo(*obs, "Observacion") : QStringLiteral(".");
    gen.ejecuta(QStringLiteral("UPDATE Aux_MV_Cpte SET Encabezado=") + gen.literal(texto) + gen.condicionFilas());
}

}

void GeneraAuxiliarComprobantes(QString& TC, const QString& SucursalDesde, const QString& NumeroDesde,
                                const QString& LetraDesde, const QString& IdComplementoDesde, int16_t LineasTitulo,
                                const QString& SucursalHasta, const QString& NumeroHasta, const QString& LetraHasta,
                                const QString& IdComplementoHasta, const QString& ListaID,
                                const QString& ListaIdComprobante, const QString& IdTarea)
{
    GeneradorAuxiliar gen(LineasTitulo, IdTarea);
    const Seleccion seleccion{SucursalDesde, NumeroDesde,  LetraDesde, IdComplementoDesde, SucursalHasta,
                              NumeroHasta,   LetraHasta,   IdComplementoHasta, ListaID,   ListaIdComprobante};
    gen.g.paso([&] { gen.SinImportesEnOT = esSi(Cfg(QStringLiteral("NoMostrarImportesEnOT"))); });
    gen.g.paso([&] {
        TC = gen.u.RellenaCodigo(TC, 4);
        gen.TC = TC;
    });
    QString filtro;
    gen.g.paso([&] { filtro = filtroSeleccion(gen, seleccion); });
    // A fixed order, so the same selection always prints the same way.
    auto comprobantes = gen.abre(QStringLiteral("SELECT * FROM V_MV_CPTE ") + filtro + QStringLiteral(" ORDER BY ID"));
    gen.iniciaTransaccion();
    gen.ejecuta(QStringLiteral("DELETE Aux_MV_Cpte where USUARIO = ") + gen.literal(gen.Clave.trimmed())
                + QStringLiteral(" "));
    if (hayFilas(comprobantes))
        gen.recorre(*comprobantes, [&](const Recordset& rs) { comprobante(gen, rs); });
    if (!gen.g.salio())
        ListaCampos().reset();
    gen.confirmaTransaccion();
}
