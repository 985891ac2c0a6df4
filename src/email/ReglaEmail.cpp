#include "email/ReglaEmail.h"

#include "services/Objetos.h"

#include <memory>

bool BuscaReglaEmail(const QString& TC, ReglaEmail& Regla)
{
    ConexionDatos& cn = ConexionPrincipal();
    std::unique_ptr<Recordset> rs =
        cn.AbreRecordset(QStringLiteral("select * from v_ma_email where codigoactivador like ")
                         + cn.FormatoLiteral(u'%' + TC + u'%') + QStringLiteral(" and baja = 0 order by Id"));
    const bool hay = !rs->EOF();
    if (hay)
        Regla = {rs->Campo(QStringLiteral("SinConfirmacion")), rs->Campo(QStringLiteral("De")),
                 rs->Campo(QStringLiteral("Para")), rs->Campo(QStringLiteral("Asunto")),
                 rs->Campo(QStringLiteral("Mensaje"))};
    cn.CierraRecordset(rs);
    return hay;
}
