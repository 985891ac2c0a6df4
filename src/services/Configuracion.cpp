#include "services/Configuracion.h"

#include "platform/base/GuardaErrores.h"
#include "services/Modulo.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"

#include <QList>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

QString tablaConfiguracion()
{
    QString& tabla = Modulo().TablaConfiguracion;
    if (tabla.trimmed().isEmpty())
        tabla = QStringLiteral("TA_CONFIGURACION");
    return tabla;
}

// A recordset that never opened raises "object not set", as any unset
// object does, so callers' error policies see the number they test.
Recordset& abierto(const std::unique_ptr<Recordset>& rs)
{
    if (!rs)
        throw Err(NumeroError::ObjetoNoEstablecido);
    return *rs;
}

bool esClaveDeFecha(const QString& clave)
{
    return clave.compare(QStringLiteral("[FECHA HASTA]"), Qt::CaseInsensitive) == 0
           || clave.compare(QStringLiteral("[FECHA DESDE]"), Qt::CaseInsensitive) == 0;
}

QString leeClave(ConexionDatos& cn, const QString& Clave, QString& ValorAux, const QString& rutina)
{
    const Utilidades& u = ObjUtilidades();
    GuardaErrores g(politicas::dialogo([&](const Err& e) { return int(MuestraError(e, std::nullopt, rutina)); },
                                       true));
    std::unique_ptr<Recordset> rs;
    QString resultado;
    QString sql;
    g.paso([&] {
        sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + tablaConfiguracion()
              + QStringLiteral(" with(nolock)  WHERE CLAVE = ") + cn.FormatoLiteral(Clave.trimmed());
        if (esClaveDeFecha(Clave.trimmed()))
            sql = sql.toUpper();
    });
    g.paso([&] { rs = cn.AbreRecordset(sql, 0, 1); });
    g.paso([&] {
        Recordset& r = abierto(rs);
        if (r.BOF() && r.EOF()) {
            resultado = QStringLiteral(" ");
            ValorAux = QString();
        } else {
            resultado = u.ValorCampo(r.Campo(QStringLiteral("Valor")));
            ValorAux = u.ValorCampo(r.Campo(QStringLiteral("ValorAux")));
        }
    });
    g.paso([&] { cn.CierraRecordset(rs); });
    if (g.salio())
        return QString();
    if (Clave.compare(QStringLiteral("THEME"), Qt::CaseInsensitive) == 0 && resultado.trimmed().isEmpty())
        resultado = QStringLiteral("1");
    return resultado;
}

void grabaClave(ConexionDatos& cn, const QString& Clave, const QVariant& Valor, const QString& ValorAux,
                bool PoliticaNegocio, const QString& Grupo, bool RecortaValor)
{
    const Utilidades& u = ObjUtilidades();
    GuardaErrores g(politicas::reanudaTodo());
    std::unique_ptr<Recordset> rs;
    // Looked up by the key as it is stored, so a padded key finds its row.
    g.paso([&] {
        rs = cn.AbreRecordset(QStringLiteral("SELECT * FROM ") + tablaConfiguracion()
                                  + QStringLiteral(" with(nolock)  WHERE CLAVE = ")
                                  + cn.FormatoLiteral(Clave.trimmed()),
                              2, 3);
    });
    bool nuevo = false;
    g.paso([&] {
        Recordset& r = abierto(rs);
        nuevo = r.BOF() && r.EOF();
        if (nuevo)
            r.AddNew();
        else
            r.MoveFirst();
    });
    const QString valor = u.ValorCampo(Valor);
    QList<std::pair<QString, QString>> campos{
        {QStringLiteral("Grupo"), u.ValorCampo(Grupo)},
        {QStringLiteral("Clave"), u.ValorCampo(Clave.trimmed().toUpper())},
        {QStringLiteral("Valor"), RecortaValor ? valor.trimmed() : valor},
        {QStringLiteral("PoliticaNegocio"), u.ValorCampo(PoliticaNegocio)}};
    if (!ValorAux.isEmpty())
        campos.append({QStringLiteral("ValorAux"), ValorAux.trimmed()});
    // A row that already holds every value is left as it is: rewriting it
    // would change nothing and still cost a commit (at every start, for the
    // time-out kept as 0).
    bool sinCambios = false;
    g.paso([&] {
        sinCambios = !nuevo && std::all_of(campos.cbegin(), campos.cend(), [&](const auto& campo) {
            const QVariant actual = abierto(rs).Campo(campo.first);
            return actual.typeId() == QMetaType::QString && actual.toString() == campo.second;
        });
    });
    if (!sinCambios) {
        for (const auto& [columna, texto] : campos)
            g.paso([&] { abierto(rs).AsignaCampo(columna, texto); });
        g.paso([&] { abierto(rs).Update(); });
    }
    g.paso([&] { cn.CierraRecordset(rs); });
}

}

QString Cfg(const QString& Clave, QString& ValorAux)
{
    if (!ConexionPrincipal().EstaConectado())
        return QString();
    return leeClave(ConexionPrincipal(), Clave, ValorAux, QStringLiteral("Cfg"));
}

QString Cfg(const QString& Clave)
{
    QString aux;
    return Cfg(Clave, aux);
}

QString CfgCV(const QString& Clave, QString& ValorAux)
{
    return leeClave(ConexionEstadisticas(), Clave, ValorAux, QStringLiteral("CfgCV"));
}

QString CfgCV(const QString& Clave)
{
    QString aux;
    return CfgCV(Clave, aux);
}

void GrabaDfg(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
              const QString& Grupo, bool RecortaValor)
{
    grabaClave(ConexionPrincipal(), Clave, Valor, ValorAux, PoliticaNegocio, Grupo, RecortaValor);
}

void GrabaCfgCV(const QString& Clave, const QVariant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool RecortaValor)
{
    grabaClave(ConexionEstadisticas(), Clave, Valor, ValorAux, PoliticaNegocio, Grupo, RecortaValor);
}
