#include "printing/ImpresoraComprobante.h"

#include "platform/base/Conversiones.h"
#include "platform/base/GuardaErrores.h"
#include "services/Modulo.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"

#include <memory>

void ObtieneImpresoraComprobante(const QString& TC, const QString& Letra, QString& Impresora, int16_t& CantCopias,
                                 int16_t& CantLineas, QString& DestinoDefault, QString& Usuario)
{
    ConexionDatos& cn = ConexionPrincipal();
    const Utilidades& u = ObjUtilidades();
    // No routine here sets a busy pointer, so the handler has none to put back.
    GuardaErrores g(politicas::dialogo([](const Err& e) {
        return int(MuestraError(e, std::nullopt, QStringLiteral("ObtieneImpresoraComprobante")));
    }));

    if (Usuario.trimmed().isEmpty())
        Usuario = ClaveEstacion();
    const QString base = QStringLiteral("SELECT * FROM TA_CONFIG_IMP_CPTE  with(nolock)  WHERE TC = ")
                         + cn.FormatoLiteral(TC) + QStringLiteral(" AND LETRA = ") + cn.FormatoLiteral(Letra);
    std::unique_ptr<Recordset> rs;
    g.paso([&] { rs = cn.AbreRecordset(base + QStringLiteral(" AND USUARIO = ") + cn.FormatoLiteral(Usuario)); });
    if (rs && rs->EOF())
        g.paso([&] { rs = cn.AbreRecordset(base + QStringLiteral(" AND USUARIO IS NULL")); });
    if (rs && rs->EOF()) {
        Impresora.clear();
        CantCopias = 0;
    } else if (rs) {
        const auto campo = [&](const char* nombre) { return u.ValorCampo(rs->Campo(QLatin1String(nombre))); };
        g.paso([&] { Impresora = campo("Impresora").trimmed(); });
        g.paso([&] { CantCopias = CInt(Val(campo("CantCopias"))); });
        g.paso([&] { CantLineas = CInt(Val(campo("CantLineas"))); });
        g.paso([&] { DestinoDefault = campo("DestinoDefault").trimmed(); });
    }
    cn.CierraRecordset(rs);
}
