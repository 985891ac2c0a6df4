#include "services/Arranque.h"

#include "platform/base/GuardaErrores.h"
#include "services/AccesoModulo.h"
#include "services/CargaConfiguracion.h"
#include "services/CatalogoBusquedas.h"
#include "services/Configuracion.h"
#include "services/LineaComando.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "services/Provision.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const QString ArchivoIni = QStringLiteral("TQ484hz.INI");
// At once the statistics database, its login, the login's password and its default database.
const QString NombreEstadisticas = QStringLiteral("QX_PRESIDIUMBAR");
// The table the start-up reads first: a main database without it (an empty
// file, another program's database) is no database of this system.
const QString TablaDelSistema = QStringLiteral("TA_CONFIGURACION");
constexpr int16_t TiempoEsperaPorDefecto = 360;

struct DatosLinea {
    QString servidor, baseDatos, usuario, password;
};

// What the suite's menu passed after the program's name.
QString lineaDelProceso()
{
    if (!QCoreApplication::instance())
        return QString();
    QStringList argumentos = QCoreApplication::arguments();
    if (!argumentos.isEmpty())
        argumentos.removeFirst();
    return argumentos.join(QLatin1Char(' '));
}

// The workstation's connection kept in the INI file, written as a command line.
QString lineaDesdeIni()
{
    const Utilidades& u = ObjUtilidades();
    const LectorIni& ini = ObjLectorIni();
    const QString seccion = ObjSistema().NombreMaquina().toUpper() + QLatin1Char('|')
                            + ObjSistema().UsuarioWindows().toUpper() + QStringLiteral("BaseDeDatos");
    auto lee = [&](const QString& clave, const QString& porDefecto, bool codificado) {
        QString valor = ini.LeeValor(ArchivoIni, seccion, clave, porDefecto);
        if (codificado)
            valor = u.Decodifica(valor);
        return u.Reemplaza(valor, QStringLiteral("|"));
    };
    const QString servidor = lee(QStringLiteral("Servidor"), QString(), false);
    const QString base = lee(QStringLiteral("DbName"), QString(), false);
    const QString usuario = lee(QStringLiteral("Usuario"), u.Codifica(QStringLiteral("Corvane")), true);
    const QString password = lee(QStringLiteral("UserPassWord"), u.Codifica(QStringLiteral("brasken")), true);
    return QStringLiteral("@server=") + servidor + QStringLiteral("; @dbname= ") + base
           + QStringLiteral("; @usuario= ") + usuario + QStringLiteral("; @Password= ") + password
           + QStringLiteral("; @ParametroAdicional=; @Caja=1;") + QStringLiteral("krim@");
}

void fijaClaveEstacion()
{
    EstadoModulo& m = Modulo();
    m.ClaveEstacionSesion = ObjSistema().NombreMaquina().toUpper() + QLatin1Char('|')
                            + ObjSistema().UsuarioWindows().toUpper();
    if (m.ClaveEstacionSesion.trimmed().size() > 50)
        m.ClaveEstacionSesion = m.ClaveEstacionSesion.left(50);
    m.FlatToolbars = Val(ObjLectorIni().LeeValor(ArchivoIni, m.ClaveEstacionSesion, QStringLiteral("FlatToolbars"),
                                                 QStringLiteral("1")));
}

DatosLinea leeLinea(const QString& linea)
{
    EstadoModulo& m = Modulo();
    auto valor = [&](const char* clave, const QString& siFalta = QString()) {
        return ValorLineaComando(linea, QString::fromLatin1(clave)).value_or(siFalta);
    };
    DatosLinea d;
    m.ParametroAdicional = valor("@ParametroAdicional");
    m.MenuActual = valor("@Menu");
    d.servidor = valor("@Server");
    d.baseDatos = valor("@DbName");
    d.usuario = valor("@Usuario");
    d.password = valor("@Password");
    m.UsuarioActual = valor("@UsuarioLogeado");
    m.CajaActual = valor("@Caja", QStringLiteral("1"));
    return d;
}

// "#" before the server names an Oracle data source: the database is the source.
void detectaOracle(DatosLinea& d, QString& cadenaConexion)
{
    if (!d.servidor.startsWith(QLatin1Char('#')))
        return;
    d.servidor.remove(0, 1);
    if (cadenaConexion.trimmed().isEmpty())
        cadenaConexion = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + d.baseDatos
                         + QStringLiteral(";User Id=") + d.usuario + QStringLiteral(";Password=") + d.password
                         + QLatin1Char(';');
}

// Only when a database is named: the report string, the lookup object and
// its catalogue, and the configuration.
void preparaReportesYBusquedas(GuardaErrores& g)
{
    EstadoModulo& m = Modulo();
    ConexionDatos& cn = ConexionPrincipal();
    g.paso([&] {
        m.CadenaConexionReporte = QStringLiteral("DSN=") + cn.BaseDatos() + QStringLiteral("; UID=") + cn.Usuario()
                                  + QStringLiteral("; PWD=") + cn.Password();
    });
    g.paso([&] { ObjReporte().setCarpetaPrograma(m.CarpetaPrograma); });
    g.paso([&] { cn.Conexion().setDefaultDatabase(cn.BaseDatos()); });
    g.paso([&] {
        Buscador& b = ObjBuscador();
        b.setConexion(&cn);
        b.setProveedor(cn.Proveedor());
        b.setActivo(true);
    });
    g.paso([&] { PreparaCatalogoBusquedas(m.CarpetaPrograma); });
    g.paso([&] { CargaConfiguracion(m.CarpetaPrograma); });
}

}

bool IniciaConexion(bool UsaIniSiVacia, const QString& LineaComando, QString& CadenaConexion, int ModoConexion)
{
    EstadoModulo& m = Modulo();
    ConexionDatos& cn = ConexionPrincipal();
    GuardaErrores g(politicas::dejaPasar({NumeroError::LlamadaInvalida}, politicas::saleEnSilencio()));
    QString linea;
    DatosLinea d;

    g.paso([&] {
        m.CarpetaPrograma = ObjUtilidades().AgregaBarra(ObjSistema().CarpetaPrograma());
        m.ArchivoAyuda = m.CarpetaPrograma + QStringLiteral("htmlhelp/vesperlinko.chm");
    });
    m.ColorLetraFoco = 0;
    m.ColorFondoFoco = 0xFFFFFF;
    linea = LineaComando.isEmpty() ? lineaDelProceso() : LineaComando;
    g.paso([&] {
        if (linea.trimmed().isEmpty() && UsaIniSiVacia)
            linea = lineaDesdeIni();
    });
    g.paso([&] { fijaClaveEstacion(); });

    if (!g.salio() && !cn.EstaConectado()) {
        d = leeLinea(linea);
        detectaOracle(d, CadenaConexion);
        g.paso([&] {
            cn.setUsuario(d.usuario);
            cn.setBaseDatos(d.baseDatos);
            cn.setPassword(d.password);
            cn.setServidor(ObtieneNombreServidor(d.servidor));
            cn.setTablaExigida(TablaDelSistema);
        });
        g.paso([&] {
            cn.Conecta(d.servidor.trimmed().isEmpty() || d.usuario.trimmed().isEmpty(), ModoConexion,
                       CadenaConexion, true, true);
        });
        if (!cn.EstaConectado())
            return false;
        g.paso([&] { ConectaEstadisticas(); });
        g.paso([&] { m.UsuarioActual = cn.Usuario(); });
        g.paso([&] { cn.Conexion().setCommandTimeout(m.TimeOut); });
        g.paso([&] { cn.Conexion().setIsolationLevel(NivelAislamiento::LecturaSinConfirmar); });
    }

    if (!g.salio() && !cn.BaseDatos().isEmpty())
        preparaReportesYBusquedas(g);
    g.paso([&] { RegistraAccesoModulo(QString()); });
    return cn.EstaConectado();
}

void ConectaEstadisticas()
{
    EstadoModulo& m = Modulo();
    ConexionDatos& principal = ConexionPrincipal();
    ConexionDatos& cv = ConexionEstadisticas();
    GuardaErrores g(politicas::reanudaTodo());

    m.TimeOut = TiempoEsperaPorDefecto;
    g.paso([&] {
        if (cv.EstaConectado())
            cv.Conexion().Close();
    });
    g.paso([&] {
        QString base = NombreEstadisticas, usuario = NombreEstadisticas, password = NombreEstadisticas;
        ConexionDatos* conexion = nullptr;
        CreaUsuarioBase(base, usuario, password, conexion);
    });
    g.paso([&] { cv.setMotor(principal.ObtieneMotor()); });
    g.paso([&] {
        cv.setServidor(principal.Servidor());
        cv.setCarpetaServidor(principal.CarpetaServidor());
    });
    cv.setBaseDatos(NombreEstadisticas);
    cv.setUsuario(NombreEstadisticas);
    cv.setPassword(NombreEstadisticas);
    g.paso([&] { cv.Conecta(false, 3, QString(), true, false); });
    if (cv.EstaConectado()) {
        g.paso([&] { cv.Conexion().setDefaultDatabase(NombreEstadisticas); });
        g.paso([&] { m.TimeOut = CInt(Val(CfgCV(QStringLiteral("TimeOut")))); });
        if (m.TimeOut == 0) {
            g.paso([&] {
                GrabaCfgCV(QStringLiteral("TimeOut"), 0, QString(), false, QStringLiteral("BaseDeDatos"), true);
            });
        }
    }
    // A negative time-out would mean no limit at all on the server.
    if (m.TimeOut <= 0)
        m.TimeOut = TiempoEsperaPorDefecto;
}
