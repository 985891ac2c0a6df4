#include "receipts/CuentasRecibos.h"

#include "platform/base/GuardaErrores.h"
#include "platform/dialogs/Dialogos.h"
#include "services/Configuracion.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"

#include <QStringList>

namespace {

QString columna(const Recordset& rs, const char* nombre)
{
    return ObjUtilidades().ValorCampo(rs.Campo(QLatin1String(nombre))).trimmed();
}

bool esUno(const QString& valor, const QStringList& valores)
{
    for (const QString& v : valores)
        if (valor.compare(v, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

std::unique_ptr<Recordset> buscaPor(const char* columnaClave, const QString& valor)
{
    std::unique_ptr<Recordset> rs;
    if (!ConexionPrincipal().Existe(QStringLiteral("ma_cuentas"), valor, QLatin1String(columnaClave), QString(), &rs))
        return nullptr;
    return rs;
}

// The three-argument layout: by the code, else by the optional code.
std::unique_ptr<Recordset> cuentaPorCodigo(const QString& CodigoOpcional, const QString& Codigo, bool ambas)
{
    if (!Codigo.isEmpty())
        return buscaPor("Codigo", Codigo.trimmed());
    if (CodigoOpcional.trimmed().isEmpty())
        return nullptr;
    if (!ambas)
        return buscaPor("CodigoOpcional", CodigoOpcional.trimmed());
    QString codigo = CodigoOpcional.trimmed();
    bool porOpcional = true;
    std::unique_ptr<Recordset> rs;
    return ExisteCuenta(codigo, rs, true, porOpcional) ? std::move(rs) : nullptr;
}

// The four-argument layout: by the optional code, else by the code; the
// account's code goes back in Codigo.
std::unique_ptr<Recordset> cuentaPorOpcional(const QString& CodigoOpcional, QString& Codigo)
{
    std::unique_ptr<Recordset> rs;
    if (!CodigoOpcional.isEmpty())
        rs = buscaPor("CodigoOpcional", CodigoOpcional.trimmed());
    else if (!Codigo.trimmed().isEmpty())
        rs = buscaPor("Codigo", Codigo.trimmed());
    if (rs)
        Codigo = columna(*rs, "Codigo");
    return rs;
}

bool medioDePago(const std::unique_ptr<Recordset>& rs, QString& Descripcion, const QStringList& medios)
{
    if (!rs)
        return false;
    Descripcion = columna(*rs, "Descripcion");
    return esUno(columna(*rs, "MedioDePago"), medios);
}

}

void CuentaIVADF(QString& RetIVA, QString& RetIB, QString& RetGan, QString& Descuento, bool EsCobranza)
{
    ConexionDatos& cn = ConexionPrincipal();
    GuardaErrores g(politicas::dialogo(
        [&](const Err& e) { return cn.MuestraErrorDatos(e, Botones::AbortarReintentarIgnorar + Botones::IconoCritico, QStringLiteral("CuentaIVADF")); }));
    std::unique_ptr<Recordset> rs;
    g.paso([&] { rs = cn.AbreRecordset(QStringLiteral("SELECT * FROM TA_CUENTASIVA with(nolock)  "), 0, 1); });
    if (g.salio())
        return;
    const auto descuentoConfigurado = [&] {
        QString aux;
        Descuento = Cfg(QStringLiteral("CuentaDesCuentosObtenidos"), aux);
    };
    if (!rs || rs->EOF()) {
        RetIVA.clear();
        RetGan.clear();
        RetIB.clear();
        g.paso(descuentoConfigurado);
        return;
    }
    const char* const prefijo = EsCobranza ? "CB_" : "PG_";
    const auto cuenta = [&](QString& destino, const char* propia, const char* comun) {
        g.paso([&] {
            destino = columna(*rs, (QLatin1String(prefijo) + QLatin1String(propia)).toLatin1().constData());
            if (destino.isEmpty())
                destino = columna(*rs, comun);
        });
    };
    cuenta(RetIVA, "RETIVA", "CFI_RETPERC");
    cuenta(RetGan, "RETGAN", "CFI_RETIGAN");
    cuenta(RetIB, "RETIB", "CFI_RETIBTOS");
    if (g.salio())
        return;
    g.paso([&] {
        Descuento = columna(*rs, EsCobranza ? "CB_DESCUENTO" : "PG_DESCUENTO");
        if (Descuento.isEmpty())
            descuentoConfigurado();
    });
}

bool ExisteCuenta(QString& Codigo, std::unique_ptr<Recordset>& Registro, bool SoloLectura, bool& PorCodigoOpcional)
{
    ConexionDatos& cn = ConexionPrincipal();
    GuardaErrores g(politicas::dialogo([](const Err& e) { return int(MuestraError(e)); }));
    const auto abre = [&](bool porOpcional) {
        const QString sql = QStringLiteral("SELECT * FROM MA_CUENTAS  with(nolock)  WHERE ")
                            + (porOpcional ? QStringLiteral("CodigoOpcional") : QStringLiteral("Codigo"))
                            + QStringLiteral(" =  ") + cn.FormatoLiteral(Codigo);
        g.paso([&] { Registro = SoloLectura ? cn.AbreRecordset(sql, 0, 1) : cn.AbreRecordset(sql, 2, 3); });
        return !g.salio() && Registro && !Registro->EOF();
    };
    bool existe = false;
    g.paso([&] {
        if (abre(PorCodigoOpcional)) {
            existe = true;
        } else if (PorCodigoOpcional) {
            existe = abre(false);
            return;
        } else if (abre(true)) {
            existe = true;
            PorCodigoOpcional = true;
        }
        if (existe)
            Codigo = columna(*Registro, "Codigo");
    });
    return !g.salio() && existe;
}

bool EsCuentaEfectivoRetencion(const QString& CodigoOpcional, QString& Descripcion, const QString& Codigo)
{
    Descripcion.clear();
    return medioDePago(cuentaPorCodigo(CodigoOpcional, Codigo, true), Descripcion,
                       {QStringLiteral("EF"), QStringLiteral("RI"), QStringLiteral("RG"), QStringLiteral("RB")});
}

bool EsCuentaCheque(const QString& CodigoOpcional, QString& Descripcion, const QString& Codigo)
{
    return medioDePago(cuentaPorCodigo(CodigoOpcional, Codigo, false), Descripcion, {QStringLiteral("CH")});
}

bool EsCuentaTarjeta(const QString& CodigoOpcional, QString& Descripcion, const QString& Codigo)
{
    return medioDePago(cuentaPorCodigo(CodigoOpcional, Codigo, false), Descripcion, {QStringLiteral("TJ")});
}

bool EsCuentaChequePropio(const QString& CodigoOpcional, QString& Codigo, const QString&, QString& Descripcion)
{
    const auto rs = cuentaPorOpcional(CodigoOpcional, Codigo);
    return medioDePago(rs, Descripcion, {QStringLiteral("CH")}) && esUno(columna(*rs, "TipoVista"), {QStringLiteral("BC")});
}

bool EsCuentaDebito(const QString& CodigoOpcional, QString& Codigo, const QString&, QString& Descripcion)
{
    return medioDePago(cuentaPorOpcional(CodigoOpcional, Codigo), Descripcion, {QStringLiteral("DB")});
}
