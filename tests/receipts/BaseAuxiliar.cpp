#include "BaseAuxiliar.h"

#include "receipts/AuxiliarRecibos.h"
#include "services/Objetos.h"

#include <functional>

namespace {

QStringList lee(const QString& condicion, const std::function<QString(const Recordset&)>& fila)
{
    auto rs = ConexionPrincipal().AbreRecordset("SELECT * FROM AUX_MV_CPTE WHERE USUARIO = 'PUESTO1|DEMO'" + condicion
                                                + " ORDER BY ID");
    QStringList resultado;
    for (; !rs->EOF(); rs->MoveNext())
        resultado << fila(*rs);
    return resultado;
}

QString columna(const Recordset& rs, int numero)
{
    return rs.Campo(QStringLiteral("COLUMNA%1").arg(numero)).toString();
}

}

void BaseAuxiliar::genera(const QString& tc, const QString& id, const QString& cuenta, int copias, int items)
{
    GeneraAuxiliarRecibo_PagoCobranza(tc, id.mid(0, 4), id.mid(4, 8), id.mid(12, 1), cuenta, formulas, copias, items);
}

QStringList BaseAuxiliar::filas(const QString& condicion)
{
    return lee(condicion, [](const Recordset& rs) {
        QStringList partes{rs.Campo("TIPO").toString()};
        for (int i = 1; i <= 11; ++i)
            partes << columna(rs, i);
        while (partes.last().isEmpty())
            partes.removeLast();
        return partes.join(u'|');
    });
}

QStringList BaseAuxiliar::columnas(std::initializer_list<int> numeros)
{
    return lee(QString(), [&](const Recordset& rs) {
        QStringList partes;
        for (int i : numeros)
            partes << columna(rs, i);
        return partes.join(u'|');
    });
}

void BaseAuxiliar::documento(const QString& tc, const QString& id, const QString& cuentaAplicada,
                             const QStringList& origenes, const QStringList& cuentas)
{
    for (const QString& origen : origenes) {
        const QString numero = origen.mid(4);
        ejecuta(QStringLiteral("INSERT INTO MV_APLICACION (CUENTA, TC, IDCOMPROBANTE, TCO_ORIGEN, IDCOMPROBANTE_ORIGEN, "
                               "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IMPORTE, TC_PRINT, IDCOMPROBANTE_PRINT) "
                               "VALUES ('%1', '%2', '%3', '%4', '%5', '%6', '%7', '%8', 10, '%2', '%3')")
                    .arg(cuentaAplicada, tc, id, origen.left(4), numero, numero.mid(0, 4), numero.mid(4, 8),
                         numero.mid(12, 1)));
    }
    for (const QString& cuenta : cuentas)
        ejecuta(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, CUENTA, IMPORTE) "
                               "VALUES ('%1', '%2', '%3', '%4', '%5', 100)")
                    .arg(tc, id.mid(0, 4), id.mid(4, 8), id.mid(12, 1), cuenta));
}
