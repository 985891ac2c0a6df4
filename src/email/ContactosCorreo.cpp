#include "email/ContactosCorreo.h"

#include "services/Objetos.h"

#include <QVariant>

#include <memory>

namespace {

// The flag column that decides for a kind of document; empty for the kinds
// every contact with an address takes.
QString ColumnaDelTipo(const QString& tipo)
{
    static const QStringList pagosYCobros{QStringLiteral("PG"), QStringLiteral("OPG"), QStringLiteral("PGFP"),
                                          QStringLiteral("CB"), QStringLiteral("CBFP"), QStringLiteral("CBCT")};
    if (pagosYCobros.contains(tipo, Qt::CaseInsensitive))
        return QStringLiteral("MAILPGCB");
    if (tipo.compare(QLatin1String("OT"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("MAILOT");
    if (tipo.compare(QLatin1String("OC"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("MAILOC");
    return QString();
}

}

QString ObtieneMailsCuenta(const QString& Tipo, const QString& Cuenta)
{
    ConexionDatos& cn = ConexionPrincipal();
    const Utilidades& u = ObjUtilidades();
    const QString bandera = ColumnaDelTipo(Tipo);
    QString resultado;
    std::unique_ptr<Recordset> rs =
        cn.AbreRecordset(QStringLiteral("Select * from ma_contactos where mailPGCB = 1 and CuentaRel = ") +
                         cn.FormatoLiteral(Cuenta) + QStringLiteral(" and email <> ''"));
    for (; !rs->EOF(); rs->MoveNext()) {
        const QString direccion = u.ValorCampo(rs->Campo(QStringLiteral("eMail")));
        const bool toma = bandera.isEmpty() ? !direccion.isEmpty() : rs->Campo(bandera).toBool();
        if (toma)
            resultado += direccion + u';';
    }
    cn.CierraRecordset(rs);
    if (resultado.trimmed().isEmpty())
        resultado = u.ValorCampo(
            cn.BuscaValor(QStringLiteral("ma_cuentasadic"), Cuenta, QStringLiteral("mail"), QStringLiteral("Codigo")));
    const QString recortado = resultado.trimmed();
    if (!recortado.isEmpty() && recortado.endsWith(u';'))
        return recortado.chopped(1);
    return resultado;
}
