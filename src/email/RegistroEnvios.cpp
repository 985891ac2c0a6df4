#include "email/RegistroEnvios.h"

#include "platform/base/GuardaErrores.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "services/ServiciosArchivo.h"

#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

void RegistrarEnvio(const FilaEnvio& fila, bool HayError, const QString& TextoError, const QString& CodigoActivador)
{
    Q_UNUSED(TextoError);
    ConexionDatos& cn = ConexionPrincipal();
    GuardaErrores g(politicas::dialogo([](const Err& e) { return ObjUtilidades().MuestraErrorObjeto(e); }));
    std::unique_ptr<Recordset> rs;
    auto registro = [&rs]() -> Recordset& {
        if (!rs)
            throw Err(NumeroError::ObjetoNoEstablecido);
        return *rs;
    };
    const std::vector<std::pair<const char*, QVariant>> columnas{
        {"De", fila.De},
        {"Para", fila.Para},
        {"Asunto", fila.Asunto},
        {"Mensaje", fila.Mensaje},
        {"Adjunto", fila.Adjunto},
        {"CodigoActivador", CodigoActivador},
        {"FechaHora", FechaServidor()},
        {"Usuario", Modulo().UsuarioActual},
        {"TC", fila.TC},
        {"IdComprobante", fila.IdComprobante},
        {"Status", HayError ? CodigoActivador : QStringLiteral("OK")},
        {"Cuenta", fila.Cuenta},
        {"CuentaEmail", fila.CuentaEmail},
        {"Tipo", QStringLiteral("E")},
    };
    g.paso([&] { rs = cn.AbreRecordset(QStringLiteral("select top 1 * from v_ma_emailmov"), 2, 3); });
    g.paso([&] { registro().AddNew(); });
    for (const auto& [columna, valor] : columnas)
        g.paso([&] { registro().AsignaCampo(QLatin1String(columna), valor); });
    g.paso([&] { registro().Update(); });
    g.paso([&] { cn.CierraRecordset(rs); });
}

void ActualizaContestado(const QString& Usuario, const QString& UIDL, const QString& CuentaEmail)
{
    Q_UNUSED(CuentaEmail);
    ConexionDatos& cn = ConexionPrincipal();
    cn.Ejecuta(QStringLiteral("Update V_MA_EMAILMOV set STATUS='HTML',contestadopor=") +
               cn.FormatoLiteral(Usuario.trimmed()) + QStringLiteral(" where uidl=") + cn.FormatoLiteral(UIDL));
}
