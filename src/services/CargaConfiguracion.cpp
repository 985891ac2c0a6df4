#include "services/CargaConfiguracion.h"

#include "platform/base/GuardaErrores.h"
#include "services/Configuracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QStringList>
#include <QTime>

#include <cstdlib>
#include <memory>

namespace {

// The suite's sales programs, whose amounts take the sales decimals.
const QStringList ModulosDeVentas = {
    QStringLiteral("ventas"),          QStringLiteral("facturacion"), QStringLiteral("facturacionpos"),
    QStringLiteral("ventasmostrador"), QStringLiteral("puntodeventa"), QStringLiteral("presupuestos"),
    QStringLiteral("pedidos"),         QStringLiteral("remitos"),     QStringLiteral("cobranzas"),
};

bool esIgual(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool esSi(const QString& valor)
{
    return esIgual(valor, QStringLiteral("SI"));
}

// True unless "NO" as read or blank once trimmed: "NO " counts as yes.
bool salvoNo(const QString& valor)
{
    return !esIgual(valor, QStringLiteral("NO")) && !valor.trimmed().isEmpty();
}

QString cfg(const char* clave)
{
    return Cfg(QString::fromLatin1(clave));
}

bool esModuloDeVentas()
{
    const QString ejecutable = ObjSistema().NombreEjecutable();
    for (const QString& nombre : ModulosDeVentas) {
        if (esIgual(ejecutable, nombre))
            return true;
    }
    return false;
}

long colorDe(const QString& valor)
{
    return CLng(ObjUtilidades().TextoAMoneda(valor).aDouble());
}

void leeUsuario(GuardaErrores& g, EstadoModulo& m)
{
    ConexionDatos& cn = ConexionPrincipal();
    std::unique_ptr<Recordset> rs;
    g.paso([&] {
        rs = cn.AbreRecordset(QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = ")
                                  + cn.FormatoLiteral(m.UsuarioActual),
                              0, 1);
    });
    if (!rs)
        return;
    g.paso([&] {
        if (rs->BOF() && rs->EOF())
            return;
        m.UnidadNegocioActual = ObjUtilidades().ValorCampo(rs->Campo(QStringLiteral("UNegocio")));
        if (m.UsaFacturaProforma) {
            const QVariant verProforma = rs->Campo(QStringLiteral("verproforma"));
            if (verProforma.isNull())
                throw Err(NumeroError::UsoInvalidoDeNull);
            m.UsaFacturaProforma = verProforma.toBool();
        }
    });
    g.paso([&] { cn.CierraRecordset(rs); });
}

}

void CargaConfiguracion(const QString& Carpeta)
{
    EstadoModulo& m = Modulo();
    const Utilidades& u = ObjUtilidades();
    GuardaErrores g(politicas::reanudaTodo());

    std::srand(unsigned(QTime::currentTime().msecsSinceStartOfDay()));
    m.TablaConfiguracion = QStringLiteral("ta_configuracion");

    g.paso([&] { m.MostrarStockenConsultas = esSi(u.ValorCampo(cfg("MostrarStockenConsultas"))); });
    g.paso([&] { m.TituloClientes = cfg("TituloClientes").trimmed(); });
    g.paso([&] { m.TituloProveedores = cfg("TituloProveedores").trimmed(); });
    m.ArchivoDocTareas = Carpeta + QStringLiteral("CVDOCTareas.kzr");
    g.paso([&] { m.EXIGECLAVECONSULTALIKEARTICULOS = esSi(cfg("EXIGECLAVECONSULTALIKEARTICULOS")); });
    g.paso([&] { m.UsaConsultaLike = esSi(cfg("UsaConsultaLike")); });
    g.paso([&] { m.DecimalesImporte = cfg("CantidadDecimales"); });
    g.paso([&] { m.SS_CONFIDENCIALIDAD = esSi(cfg("SS_CONFIDENCIALIDAD")); });
    g.paso([&] {
        if (!esModuloDeVentas())
            return;
        const QString decimalesVentas = cfg("CantidadDecimalesVentas");
        if (Val(decimalesVentas) > 0)
            m.DecimalesImporte = decimalesVentas;
    });
    g.paso([&] { m.UsaMultilesMonedas = esSi(cfg("UsaMultilesMonedas")); });
    g.paso([&] { m.UsaFacturaProforma = esSi(cfg("UsaFacturaProforma")); });
    g.paso([&] { m.USACCOSTO = esSi(cfg("USACCOSTO")); });
    g.paso([&] { m.USA_STK_STOCK_UDKG = esSi(cfg("USA_STK_STOCK_UDKG")); });

    leeUsuario(g, m);
    if (m.UnidadNegocioActual.isEmpty())
        m.UnidadNegocioActual = QStringLiteral("   1");

    g.paso([&] { m.UNIDADDEMEDIDA_M3 = cfg("UNIDADDEMEDIDA_M3").trimmed(); });
    g.paso([&] { m.UNIDADDEMEDIDA_BL = cfg("UNIDADDEMEDIDA_BL").trimmed(); });
    g.paso([&] { m.UNIDADDEMEDIDA_KG = cfg("UNIDADDEMEDIDA_KG").trimmed(); });
    g.paso([&] { m.PERIODO = CInt(Val(cfg("PERIODO"))); });
    g.paso([&] { m.RazonSocialPorUneg = esSi(cfg("RazonSocialPorUneg").trimmed()); });
    g.paso([&] { m.VALIDACODIGOBARRA = esSi(cfg("VALIDACODIGOBARRA").trimmed()); });
    m.ConfiguracionCargada = true;
    g.paso([&] { m.ColorFondoFoco = colorDe(cfg("CFondo")); });
    g.paso([&] { m.ColorLetraFoco = colorDe(cfg("CLetra")); });
    if (m.ColorFondoFoco == 0)
        m.ColorFondoFoco = 0xFFFF00;

    g.paso([&] { m.ModuloOrdenDeTrabajo = !esIgual(cfg("ModuloOrdenDeTrabajo").trimmed(), QStringLiteral("NO")); });
    g.paso([&] { m.V_ModificaCPrecio = salvoNo(cfg("V_ModificaCPrecio")); });
    g.paso([&] { m.C_ModificaCPrecio = salvoNo(cfg("C_ModificaCPrecio")); });
    g.paso([&] { m.EsMaderera = salvoNo(cfg("MADERERA")); });
    g.paso([&] { m.MAD_TIRAS = cfg("MAD_TIRAS").trimmed(); });
    g.paso([&] { m.MAD_P2 = cfg("MAD_P2").trimmed(); });
    g.paso([&] { m.MAD_ML = cfg("MAD_ML").trimmed(); });
    g.paso([&] { m.MAD_M2 = cfg("MAD_M2").trimmed(); });
    g.paso([&] { m.MAD_HOJAS = cfg("MAD_HOJAS").trimmed(); });
    g.paso([&] { m.MAD_ML_P2 = cfg("MAD_ML_P2").trimmed(); });
    g.paso([&] { m.MAD_M2_P2 = cfg("MAD_M2_P2").trimmed(); });
    g.paso([&] { m.MAD_ML_M2 = cfg("MAD_ML_M2").trimmed(); });
    g.paso([&] { m.CuentaCtroDist = cfg("CuentaCtroDist").trimmed(); });
    g.paso([&] { m.MaxDto = u.TextoAMoneda(cfg("MaxDto").trimmed()); });
    g.paso([&] { m.MaxDtoProforma = u.TextoAMoneda(cfg("MaxDtoProforma").trimmed()); });
    g.paso([&] { m.PideClave_StockNeg = salvoNo(cfg("PideClave_StockNeg")); });
    g.paso([&] { m.PideClave_MarkUpBase = salvoNo(cfg("PideClave_MarkUpBase")); });
    g.paso([&] { m.PideClave_LimiteCredito = salvoNo(cfg("PideClave_LimiteCredito")); });
    g.paso([&] { m.SS_BloqueoActivo = esSi(cfg("SS_BloqueoActivo")); });
    g.paso([&] { m.UTILIZARFECHADIA = esSi(cfg("UTILIZARFECHADIA")); });
    g.paso([&] { m.AsignacionAutomaticaDeLoteING = esSi(cfg("AsignacionAutomaticaDeLoteING")); });

    g.paso([&] { m.CONDIVAEMPRESA = CInt(Val(cfg("CONDIVAEMPRESA"))); });
    if (m.CONDIVAEMPRESA == 0)
        g.paso([&] { m.CONDIVAEMPRESA = CInt(Val(cfg("CONDIVA"))); });
    if (m.CONDIVAEMPRESA == 0)
        m.CONDIVAEMPRESA = 1;

    g.paso([&] {
        m.Top_Default = cfg("Top_Default");
        if (m.Top_Default.trimmed().isEmpty())
            m.Top_Default = QStringLiteral("1000");
    });
}
