#include "services/AccesoModulo.h"

#include "platform/base/GuardaErrores.h"
#include "services/LoteSQL.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "services/SentenciasSQL.h"

#include <QDateTime>
#include <QStringList>

#include <memory>

namespace {

// An entry of the suite's module table: a canonical name for a variant, or
// nothing for a module that has no menu entry to look up.
struct EntradaModulo {
    const char* nombre;
    const char* canonico;
};

constexpr EntradaModulo TablaModulos[] = {
    {"FACTURACION2", "FACTURACION"},
    {"FACTURACIONPOS", "FACTURACION"},
    {"VENTASMOSTRADOR", "VENTAS"},
    {"PUNTODEVENTA", "VENTAS"},
    {"COMPRAS2", "COMPRAS"},
    {"STOCK2", "STOCK"},
    {"INVENTARIO", "STOCK"},
    {"CTACTECLIENTES", "CUENTASCORRIENTES"},
    {"CTACTEPROVEEDORES", "CUENTASCORRIENTES"},
    {"CONTABILIDAD2", "CONTABILIDAD"},
    {"TESORERIA2", "TESORERIA"},
    {"PEDIDOSWEB", "PEDIDOS"},
    {"ACTUALIZADOR", nullptr},
    {"BACKUP", nullptr},
    {"REPLICADOR", nullptr},
    {"SINCRONIZADOR", nullptr},
    {"SERVICIOEMAIL", nullptr},
    {"MONITOR", nullptr},
    {"CONFIGURADOR", nullptr},
    {"INSTALADOR", nullptr},
    {"LICENCIAS", nullptr},
    {"RELOJ", nullptr},
    {"COMANDERAS", nullptr},
};

// The first entry matching the module name, if any.
const EntradaModulo* buscaModulo(const QString& modulo)
{
    for (const EntradaModulo& e : TablaModulos) {
        if (modulo.compare(QString::fromLatin1(e.nombre), Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

bool esIgual(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The menu name when the user has no menu entry for the module.
QString menuSinEntrada(const QString& ejecutable)
{
    const ConexionDatos& cn = ConexionPrincipal();
    if (esIgual(ejecutable, QStringLiteral("TQ484HZ")))
        return QStringLiteral("Menu Principal");
    const bool duenio = esIgual(cn.BaseDatos(), cn.Usuario());
    if (duenio || esIgual(Modulo().UsuarioActual, QStringLiteral("PLANIFICOR BELMUTA QZ")))
        return ejecutable;
    return QString();
}

QString buscaMenu(GuardaErrores& g, const QString& modulo, const QString& ejecutable)
{
    ConexionDatos& cn = ConexionPrincipal();
    const QString& usuario = Modulo().UsuarioActual;
    QString menu;
    std::unique_ptr<Recordset> rs;
    g.paso([&] {
        rs = cn.AbreRecordset(
            QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ")
                + QStringLiteral(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave ")
                + QStringLiteral(" WHERE (TA_TAREAS.USUARIO = ") + cn.FormatoLiteral(usuario + QLatin1Char(' '))
                + QStringLiteral(") AND (TA_MENU.Proceso LIKE ")
                + cn.FormatoLiteral(QLatin1Char('%') + modulo + QLatin1Char('%')) + QStringLiteral(")"),
            0, 1);
    });
    if (!rs)
        return menu;
    g.paso([&] {
        menu = rs->EOF() ? menuSinEntrada(ejecutable) : ObjUtilidades().ValorCampo(rs->Campo(QStringLiteral("Nombre")));
    });
    g.paso([&] { cn.CierraRecordset(rs); });
    return menu;
}

// The field list, which the first field of the row allocated.
std::vector<CampoSQL>& listaAbierta()
{
    auto& lista = ListaCampos();
    if (!lista)
        throw Err(NumeroError::SubindiceFueraDeRango);
    return *lista;
}

// The current time to the minute, as the row has always recorded it.
QDateTime ingreso()
{
    const QDateTime ahora = QDateTime::currentDateTime();
    return QDateTime(ahora.date(), QTime(ahora.time().hour(), ahora.time().minute()));
}

}

void RegistraAccesoModulo(const QString& moduloPedido)
{
    EstadoModulo& m = Modulo();
    ConexionDatos& cn = ConexionPrincipal();
    GuardaErrores g(politicas::reanudaTodo());
    const QString ejecutable = ObjSistema().NombreEjecutable();
    QString modulo = moduloPedido.isEmpty() ? ejecutable : moduloPedido;
    QString menu;
    std::unique_ptr<Recordset> ultimo;

    g.paso([&] { m.UsuarioActual = cn.Usuario(); });
    const EntradaModulo* entrada = buscaModulo(modulo);
    if (entrada && entrada->canonico)
        modulo = QString::fromLatin1(entrada->canonico);
    if (!entrada || entrada->canonico)
        menu = buscaMenu(g, modulo, ejecutable);

    g.paso([&] {
        ultimo = cn.AbreRecordset(AdaptaSQLMotor(QStringLiteral("Select TOP 1 * from Control_Acceso  with(nolock) ")),
                                  0, 1);
    });
    QStringList sentencias{QString()};
    const QString apostrofe = QStringLiteral("'");
    g.paso([&] {
        AgregaCampoSQL(QStringLiteral("Maquina"), ObjSistema().NombreMaquina().trimmed().toUpper(), apostrofe, true);
    });
    g.paso([&] { AgregaCampoSQL(QStringLiteral("Usuario"), m.UsuarioActual.trimmed().toUpper(), apostrofe, false); });
    g.paso([&] { AgregaCampoSQL(QStringLiteral("Formulario"), modulo.trimmed().toUpper(), apostrofe, false); });
    g.paso([&] { AgregaCampoSQL(QStringLiteral("Tarea"), menu.trimmed().toUpper(), apostrofe, false); });
    // A date goes in the engine's own unambiguous form, never the local short date.
    g.paso([&] { listaAbierta().push_back({QStringLiteral("Ingreso"), cn.LiteralFecha(ingreso())}); });
    g.paso([&] { AgregaCampoSQL(QStringLiteral("NombreUsuario"), m.UsuarioActual, apostrofe, false); });
    g.paso([&] {
        QString condicion;
        ArmaSentenciaSQL(ListaCampos(), sentencias, QStringLiteral("Control_Acceso"), false, condicion, false);
    });
    g.paso([&] {
        bool hayError = false;
        int32_t numeroError = 0;
        QString lote, mensaje;
        GActualizarDatoScript(sentencias, hayError, numeroError, false, false, lote, mensaje, true);
    });
    g.paso([&] {
        if (!ultimo)
            return;
        m.IdAccesoModulo = CLng(ultimo->Campo(QStringLiteral("Id")).toDouble());
    });
    ultimo.reset();
}
