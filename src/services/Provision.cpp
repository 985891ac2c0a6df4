#include "services/Provision.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/GuardaErrores.h"
#include "platform/data/ConexionDatos.h"
#include "platform/data/NumeroNativo.h"
#include "platform/dialogs/Dialogos.h"
#include "platform/objects/Sistema.h"
#include "services/LineaComando.h"
#include "services/Modulo.h"
#include "services/MuestraError.h"
#include "services/Objetos.h"
#include "services/ScriptSQL.h"
#include "services/ServiciosArchivo.h"

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString NombreEstadisticas = QStringLiteral("QX_PRESIDIUMBAR");

// setupadmin carries one more blank, as the suite has always sent it.
const QStringList RolesServidor{QStringLiteral("sysadmin"),     QStringLiteral("securityadmin"),
                                QStringLiteral("serveradmin"),  QStringLiteral(" setupadmin"),
                                QStringLiteral("processadmin"), QStringLiteral("diskadmin"),
                                QStringLiteral("dbcreator")};
const QStringList RolesBase{QStringLiteral("db_accessadmin"), QStringLiteral("db_backupoperator"),
                            QStringLiteral("db_datareader"),  QStringLiteral("db_datawriter"),
                            QStringLiteral("db_ddladmin"),    QStringLiteral("db_owner"),
                            QStringLiteral("db_securityadmin")};

const QStringList RolesOracle{
    QStringLiteral("DBA"), QStringLiteral("CTXAPP"), QStringLiteral("WKUSER"), QStringLiteral("\"CONNECT\""),
    QStringLiteral("OLAP_DBA"), QStringLiteral("\"RESOURCE\""), QStringLiteral("XDBADMIN"),
    QStringLiteral("EJBCLIENT"), QStringLiteral("MGMT_USER"), QStringLiteral("OLAP_USER"),
    QStringLiteral("JAVAIDPRIV"), QStringLiteral("JAVA_ADMIN"), QStringLiteral("DMUSER_ROLE"),
    QStringLiteral("JAVASYSPRIV"), QStringLiteral("JAVA_DEPLOY"), QStringLiteral("OEM_MONITOR"),
    QStringLiteral("AQ_USER_ROLE"), QStringLiteral("JAVAUSERPRIV"), QStringLiteral("HS_ADMIN_ROLE"),
    QStringLiteral("JAVADEBUGPRIV"), QStringLiteral("WM_ADMIN_ROLE"), QStringLiteral("DM_CATALOG_ROLE"),
    QStringLiteral("SCHEDULER_ADMIN"), QStringLiteral("AUTHENTICATEDUSER"), QStringLiteral("EXP_FULL_DATABASE"),
    QStringLiteral("IMP_FULL_DATABASE"), QStringLiteral("DELETE_CATALOG_ROLE"),
    QStringLiteral("SELECT_CATALOG_ROLE"), QStringLiteral("EXECUTE_CATALOG_ROLE"),
    QStringLiteral("AQ_ADMINISTRATOR_ROLE"), QStringLiteral("LOGSTDBY_ADMINISTRATOR"),
    QStringLiteral("RECOVERY_CATALOG_OWNER"), QStringLiteral("GATHER_SYSTEM_STATISTICS")};

const QStringList ProcedimientosOracle{
    QStringLiteral("CTXSYS.CTX_VALIDATE"), QStringLiteral("CTXSYS.DRI_MOVE_CTXSYS"),
    QStringLiteral("EXFSYS.EXF$CHECK_PRIVILEGE"), QStringLiteral("EXFSYS.EXF$EXPCORRCHKOCI"),
    QStringLiteral("EXFSYS.EXF$EXPFUNCLISTCHK"), QStringLiteral("EXFSYS.EXF$XPDUMPTAGSINFO"),
    QStringLiteral("EXFSYS.GETDUMMYTAGS"), QStringLiteral("EXFSYS.GETTAGSARROCI"), QStringLiteral("WKSYS.MOVE_WK"),
    QStringLiteral("OUTLN.ORA$GRANT_SYS_SELECT"), QStringLiteral("SYSTEM.ORA$_SYS_REP_AUTH"),
    QStringLiteral("WMSYS.OWM_VALIDATE"), QStringLiteral("SYSMAN.SETEMUSERCONTEXT"),
    QStringLiteral("SYSMAN.SETEMVIEWUSERCONTEXT"), QStringLiteral("XDB.SETMODFLG"),
    QStringLiteral("ORDSYS.SI_APPENDCLRHSTGR"), QStringLiteral("ORDSYS.SI_CHGCONTENT"),
    QStringLiteral("ORDSYS.SI_CONVERTFORMAT"), QStringLiteral("ORDSYS.SI_SETAVGCLRFTR"),
    QStringLiteral("ORDSYS.SI_SETCLRHSTGRFTR"), QStringLiteral("ORDSYS.SI_SETPSTNLCLRFTR"),
    QStringLiteral("ORDSYS.SI_SETTEXTUREFTR"), QStringLiteral("CTXSYS.SYNCRN"),
    QStringLiteral("WKSYS.UPDATE_ACL_CACHE_SIZE"), QStringLiteral("DMSYS.VALIDATE_ODM"),
    QStringLiteral("ORDSYS.VALIDATE_ORDIM"), QStringLiteral("ORDSYS.VALIDATE_ORDIM_WITH_DETAILS"),
    QStringLiteral("MDSYS.VALIDATE_SDO"), QStringLiteral("WKSYS.WK$POST_OPTIMIZE_INDEX"),
    QStringLiteral("WKSYS.WK$PRE_OPTIMIZE_INDEX"), QStringLiteral("WKSYS.WK$UPD_INST"),
    QStringLiteral("XDB.XDB$INITXDBSCHEMA"), QStringLiteral("XDB.XDB$PATCHUPDELETESCHEMA"),
    QStringLiteral("XDB.XDB$PATCHUPSCHEMA"), QStringLiteral("XDB.XDB_DATASTORE_PROC")};

QString Literal(const ConexionDatos& conexion, const QString& valor)
{
    return conexion.FormatoLiteral(QVariant(valor), QStringLiteral("'"));
}

QString AltaRolServidor(const ConexionDatos& c, const QString& usuario, const QString& rol)
{
    return QStringLiteral("EXEC sp_addsrvrolemember N") + Literal(c, usuario) + QStringLiteral(", ") + rol;
}

QString AccesoBase(const ConexionDatos& c, const QString& usuario)
{
    return QStringLiteral("EXEC sp_grantdbaccess @loginame = ") + Literal(c, usuario) +
           QStringLiteral(" , @name_in_db =") + Literal(c, usuario);
}

QString AltaRolBase(const ConexionDatos& c, const QString& usuario, const QString& rol)
{
    return QStringLiteral("EXEC sp_addrolemember N'") + rol + QStringLiteral("', N") + Literal(c, usuario);
}

// The statements one after another, each after one blank.
QString Seguidas(const QStringList& sentencias)
{
    QString texto;
    for (const QString& s : sentencias)
        texto += QStringLiteral(" ") + s;
    return texto;
}

QString TextoUsuarioOracle(const QString& u, const QString& p)
{
    QStringList lineas{QStringLiteral("CREATE USER ") + u + QStringLiteral(" IDENTIFIED BY \"") + p +
                           QStringLiteral("\""),
                       QStringLiteral(" DEFAULT TABLESPACE USERS"), QStringLiteral(" TEMPORARY TABLESPACE TEMP"),
                       QStringLiteral(" PROFILE Default"), QStringLiteral(" ACCOUNT UNLOCK")};
    for (const QString& rol : RolesOracle)
        lineas << QStringLiteral(" GRANT ") + rol + QStringLiteral(" TO ") + u + QStringLiteral(" WITH ADMIN OPTION");
    lineas << QStringLiteral(" ALTER USER ") + u + QStringLiteral(" DEFAULT ROLE DBA,\"CONNECT\"");
    lineas << QStringLiteral(" GRANT UNLIMITED TABLESPACE TO ") + u + QStringLiteral(" WITH ADMIN OPTION");
    for (const QString& objeto : ProcedimientosOracle)
        lineas << QStringLiteral(" GRANT EXECUTE ON ") + objeto + QStringLiteral(" TO ") + u +
                      QStringLiteral(" WITH GRANT OPTION");
    return lineas.join(CRLF) + CRLF;
}

QString TextoCDB7(const ConexionDatos& c, const QString& n)
{
    const QString cr = QStringLiteral("\r");
    QStringList lineas{QStringLiteral("Create Database ") + n + QStringLiteral(" COLLATE Latin1_General_CI_AI ") + cr,
                       QStringLiteral("GO") + cr, QStringLiteral("USE ") + n + cr,
                       QStringLiteral("EXEC  sp_addlogin N") + Literal(c, n) + QStringLiteral(", ") + Literal(c, n) +
                           QStringLiteral(", ") + Literal(c, n)};
    for (const QString& rol : RolesServidor)
        lineas << AltaRolServidor(c, n, rol);
    lineas << AccesoBase(c, n);
    for (const QString& rol : RolesBase)
        lineas << AltaRolBase(c, n, rol);
    return lineas.join(CRLF) + CRLF;
}

Politica DialogoSinRutina()
{
    return politicas::dialogo([](const Err& e) { return MuestraError(e); });
}

}

void CreaUsuarioBase(QString& baseDatos, QString& usuario, QString& password, ConexionDatos*& conexion)
{
    CreaUsuarioBase(baseDatos, usuario, password, conexion,
                    [](ConexionDatos& c, const QString& sql) { c.Ejecuta(sql); });
}

void CreaUsuarioBase(QString& baseDatos, QString& usuario, QString& password, ConexionDatos*& conexion,
                     const EjecutaSentencia& ejecuta)
{
    if (!conexion)
        conexion = &ConexionPrincipal();
    ConexionDatos& c = *conexion;
    // Server errors are judged from the error collection, not by the trap.
    const Politica dialogo = DialogoSinRutina();
    GuardaErrores g([&c, dialogo](const Err& e) {
        if (e.Number == NumeroError::ErrorDelServidor || c.Conexion().Errors().Count() > 0)
            return Respuesta::Siguiente;
        return dialogo(e);
    });

    ConexionDatos& principal = ConexionPrincipal();
    // An open connection tells its kind by its provider; the engine text is
    // only set by hand on a connection object.
    if ((principal.Motor() + QLatin1Char(' ') + principal.Proveedor())
            .contains(QStringLiteral("ORACLE"), Qt::CaseInsensitive)) {
        g.paso([&] { ejecuta(principal, TextoUsuarioOracle(usuario, password)); });
        return;
    }

    g.paso([&] {
        ejecuta(c, QStringLiteral("EXEC  sp_addlogin N") + Literal(c, usuario) + QStringLiteral(", ") +
                       Literal(c, password) + QStringLiteral(", ") + Literal(c, baseDatos) +
                       QStringLiteral(",'Spanish'"));
    });
    if (g.salio())
        return;
    ErroresDatos& errores = c.Conexion().Errors();
    if (errores.Count() > 0) {
        const ErrorDatos primero = errores.Item(0);
        switch (primero.NativeError) {
        case NumeroNativo::ContrasenaRechazada:
            dialogos().MsgBox(primero.Description + CRLF + QStringLiteral("Debe cambiar la contraseña del Usuario ") +
                              usuario + QStringLiteral(" para que cumpla con las directivas de Windows."));
            break;
        case NumeroNativo::BaseDelLoginInexistente: {
            QString base = NombreEstadisticas;
            g.paso([&] { CreaBaseDatos(principal.Servidor(), base); });
            break;
        }
        case NumeroNativo::LoginExistente:
            return;
        default:
            break;
        }
    }

    QStringList rolesServidor, rolesBase;
    for (const QString& rol : RolesServidor)
        rolesServidor << AltaRolServidor(c, usuario, rol);
    for (const QString& rol : RolesBase)
        rolesBase << AltaRolBase(c, usuario, rol);
    g.paso([&] { ejecuta(c, Seguidas(rolesServidor)); });
    g.paso([&] { ejecuta(c, Seguidas({AccesoBase(c, usuario)})); });
    g.paso([&] { ejecuta(c, Seguidas(rolesBase)); });
}

void CreaBaseDatos(const QString& servidor, QString& baseDatos)
{
    GuardaErrores g(politicas::dejaPasar({NumeroError::ObjetoCerrado}, DialogoSinRutina()));

    QString completo;
    g.paso([&] { completo = CarpetaDelPrograma() + QStringLiteral("completocve.sql"); });
    if (!ExisteArchivo(completo)) {
        dialogos().MsgBox(QStringLiteral("No se encuentra el archivo ") + completo +
                          QStringLiteral(", Por favor, ingrese la ruta donde se encuentra! "));
        return;
    }

    baseDatos = baseDatos.trimmed();
    ConexionDatos& principal = ConexionPrincipal();
    QString cdb7;
    g.paso([&] { cdb7 = CarpetaTemporalSistema() + QStringLiteral("CDB7.SQL"); });
    g.paso([&] { EscribeArchivoCompleto(cdb7, ACp1252(TextoCDB7(principal, baseDatos))); });
    bool autorizado = false;
    g.paso([&] { Ejecutar(cdb7, nullptr, QString(), autorizado, false); });

    ConexionDatos& cv = ConexionEstadisticas();
    g.paso([&] { cv.Conexion().Close(); });
    g.paso([&] { cv.setEstaConectado(false); });
    g.paso([&] {
        cv.setUsuario(baseDatos);
        cv.setBaseDatos(baseDatos);
        cv.setPassword(baseDatos);
        cv.setServidor(ObtieneNombreServidor(servidor));
        cv.setCarpetaServidor(principal.CarpetaServidor());
    });
    g.paso([&] { cv.Conecta(false, 3, QString(), false, true); });
    if (g.salio() || !cv.EstaConectado())
        return;
    g.paso([&] { cv.Conexion().setDefaultDatabase(baseDatos); });
    g.paso([&] { Ejecutar(completo, nullptr, QString(), autorizado, false); });
}
