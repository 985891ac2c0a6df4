#include "support/modulo/BaseDePrueba.h"

#include "services/Arranque.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class Arranque : public BaseDePrueba {
protected:
    QString timeOutGuardado()
    {
        return valor(QStringLiteral("SELECT Valor FROM TA_CONFIGURACION WHERE Clave = 'TIMEOUT'"),
                     archivoEstadisticas())
            .toString();
    }
};

}

TEST_F(Arranque, ConnectsAndSetsUpTheRunAsTheDatabaseUser)
{
    ASSERT_TRUE(inicia());
    const EstadoModulo& m = Modulo();
    EXPECT_EQ(m.UsuarioActual, "demo") << "the logged user JUAN gives way to the login";
    EXPECT_EQ(m.ParametroAdicional, "Opcion:1001,FC  000100000012A,2|");
    EXPECT_EQ(m.MenuActual, "ESC01");
    EXPECT_EQ(m.CajaActual, "1");
    EXPECT_EQ(m.CadenaConexionReporte, "DSN=" + archivoBase + "; UID=demo; PWD=clave");
    EXPECT_EQ(m.ArchivoAyuda, m.CarpetaPrograma + "htmlhelp/vesperlinko.chm");
    EXPECT_EQ(ObjReporte().CarpetaPrograma(), m.CarpetaPrograma);
    const QString estacion = (ObjSistema().NombreMaquina() + "|" + ObjSistema().UsuarioWindows()).toUpper();
    EXPECT_EQ(m.ClaveEstacionSesion, estacion.left(50));

    EXPECT_TRUE(ObjBuscador().Activo());
    EXPECT_TRUE(ObjBuscador().ArchivoCatalogo().endsWith("/consultas.kzr"));
    EXPECT_TRUE(QFileInfo(ObjBuscador().ArchivoCatalogo()).isFile());
    EXPECT_EQ(ConexionPrincipal().Conexion().IsolationLevel(), 256);
    EXPECT_EQ(ConexionPrincipal().Conexion().CommandTimeout(), 360);
    EXPECT_TRUE(ConexionEstadisticas().EstaConectado());

    EXPECT_EQ(m.TituloClientes, "Clientes");
    EXPECT_EQ(cuenta("Control_Acceso WHERE NombreUsuario = 'demo' AND Formulario = 'SERVICES_TESTS'"), 1);
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(Arranque, MissingTimeOutIsStoredAsZeroAndCountsAs360)
{
    ASSERT_TRUE(inicia());
    EXPECT_EQ(Modulo().TimeOut, 360);
    EXPECT_EQ(timeOutGuardado(), "0");
}

TEST_F(Arranque, StoredTimeOutIsUsedOnlyWhenItIsAPositiveInteger)
{
    ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave) VALUES ('BaseDeDatos', 'TIMEOUT')"),
            archivoEstadisticas());
    const std::pair<const char*, int> casos[] = {{"600", 600}, {"-5", 360}, {"70000", 360}};
    for (const auto& [guardado, usado] : casos) {
        ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1'").arg(QLatin1String(guardado)),
                archivoEstadisticas());
        ReiniciaModulo();
        ASSERT_TRUE(inicia());
        EXPECT_EQ(Modulo().TimeOut, usado) << guardado;
        EXPECT_EQ(ConexionPrincipal().Conexion().CommandTimeout(), usado) << guardado;
        EXPECT_EQ(timeOutGuardado(), guardado) << "left as stored";
    }
}

TEST_F(Arranque, MissingStatisticsDatabaseAsksForTheCreationScriptAndGoesOn)
{
    QFile::remove(archivoEstadisticas());
    ASSERT_TRUE(inicia());
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.startsWith("No se encuentra el archivo "));
    EXPECT_TRUE(dialogos->avisos[0].mensaje.contains("completocve.sql"));
    EXPECT_FALSE(ConexionEstadisticas().EstaConectado());
    EXPECT_EQ(Modulo().TimeOut, 360);
    EXPECT_TRUE(Modulo().ConfiguracionCargada);
    EXPECT_EQ(cuenta("Control_Acceso"), 2);
}

TEST_F(Arranque, NoConnectionEndsTheStartUpSilently)
{
    QFile::remove(archivoBase);
    EXPECT_FALSE(inicia());
    EXPECT_FALSE(ConexionPrincipal().EstaConectado());
    EXPECT_FALSE(Modulo().ConfiguracionCargada);
    EXPECT_FALSE(QFileInfo::exists(archivoBase)) << "a missing database is never created";
    EXPECT_TRUE(dialogos->avisos.empty());

    QString cadena;
    EXPECT_FALSE(IniciaConexion(false, QStringLiteral("   "), cadena, 3)) << "blank line, fallback off";
}

TEST_F(Arranque, BlankLineUsesTheWorkstationIniWhenAllowed)
{
    const Utilidades& u = ObjUtilidades();
    const QString ini = ObjSistema().CarpetaPrograma() + "/TQ484hz.INI";
    const QString seccion =
        ObjSistema().NombreMaquina().toUpper() + "|" + ObjSistema().UsuarioWindows().toUpper() + "BaseDeDatos";
    ObjLectorIni().EscribeValor(QStringLiteral("TQ484hz.INI"), seccion, "Servidor", "sqlite");
    ObjLectorIni().EscribeValor(QStringLiteral("TQ484hz.INI"), seccion, "DbName", archivoBase);
    ObjLectorIni().EscribeValor(QStringLiteral("TQ484hz.INI"), seccion, "Usuario", u.Codifica("demo"));
    ObjLectorIni().EscribeValor(QStringLiteral("TQ484hz.INI"), seccion, "UserPassWord", u.Codifica("cla|ve"));

    QString cadena;
    const bool conectado = IniciaConexion(true, QStringLiteral("  "), cadena, 3);
    QFile::remove(ini);
    ASSERT_TRUE(conectado);
    EXPECT_EQ(ConexionPrincipal().Usuario(), "demo");
    EXPECT_EQ(ConexionPrincipal().Password(), "clave");
    EXPECT_EQ(Modulo().CajaActual, "1");
    EXPECT_EQ(Modulo().ParametroAdicional, "");
}

TEST_F(Arranque, SecondCallKeepsTheConnectionAndLogsAnotherAccess)
{
    ASSERT_TRUE(inicia());
    QString cadena;
    ASSERT_TRUE(IniciaConexion(false, QStringLiteral("@Caja=7;@Server=otro;@Usuario=otro;"), cadena, 3));
    EXPECT_EQ(Modulo().CajaActual, "1");
    EXPECT_EQ(ConexionPrincipal().Usuario(), "demo");
    EXPECT_EQ(cuenta("Control_Acceso WHERE Formulario = 'SERVICES_TESTS'"), 2);
}

TEST_F(Arranque, HashServerBuildsTheOracleConnectionString)
{
    QString cadena;
    EXPECT_FALSE(IniciaConexion(
        false, QStringLiteral("@Server=#ORCL;@DbName=XE;@Usuario=operador;@Password=clave7;"), cadena, 3));
    EXPECT_EQ(cadena, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=operador;Password=clave7;");
    EXPECT_EQ(ConexionPrincipal().Servidor(), "ORCL");

    ReiniciaModulo();
    QString propia = QStringLiteral("DSN=propio;");
    EXPECT_FALSE(IniciaConexion(false, QStringLiteral("@Server=#ORCL;@DbName=XE;@Usuario=operador;"), propia, 3));
    EXPECT_EQ(propia, "DSN=propio;");
}

TEST_F(Arranque, WhileAnotherProgramHoldsTheDatabaseTheStartShowsItWaitsAndWhyItGaveUp)
{
    ejecuta(QStringLiteral("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('BaseDeDatos', 'TIMEOUT', '2')"),
            archivoEstadisticas());
    ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    ejecuta(QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('ZZ', 'otro programa')"));
    ASSERT_TRUE(inicia()) << "the start goes on without what it could not write";
    ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));

    const auto& espera = dialogos->espera;
    const auto veces = [&](const QString& e) { return std::count(espera.begin(), espera.end(), e); };
    EXPECT_GT(veces(QStringLiteral("Muestra:Esperando la base de datos...")), 0);
    EXPECT_EQ(veces(QStringLiteral("Muestra:Esperando la base de datos...")), veces(QStringLiteral("Cierra")));
    const QStringList mensajes = dialogos->mensajes();
    ASSERT_FALSE(mensajes.isEmpty());
    EXPECT_TRUE(mensajes.first().contains(archivoBase + QStringLiteral(": otro programa la tiene bloqueada")))
        << mensajes.first().toStdString();
    EXPECT_TRUE(mensajes.last().contains(QStringLiteral("bloqueada"))) << "the failed access row says why";
    EXPECT_EQ(cuenta("Control_Acceso"), 1) << "only the demo's row";
}

// Programs started together on a fresh database, its statistics database
// missing: every one connects to both, and the one statistics file they
// build between them is whole.
TEST_F(Arranque, FourProgramsStartingTogetherOnAFreshDatabaseAllConnect)
{
    for (int ronda = 0; ronda < 3; ++ronda) {
        BaseDemo fresca;
        ASSERT_TRUE(QFile::remove(fresca.archivoEstadisticas()));
        const QString linea =
            QStringLiteral("@Server=sqlite;@DbName=%1;@Usuario=demo;@Password=clave;").arg(fresca.archivoBase);
        std::vector<std::unique_ptr<QProcess>> programas;
        for (int i = 0; i < 4; ++i) {
            programas.push_back(std::make_unique<QProcess>());
            programas.back()->start(QStringLiteral(ESCANEO_BINARY_DIR "/arranque_aparte"), {linea});
        }
        for (auto& p : programas) {
            ASSERT_TRUE(p->waitForFinished(60000));
            const QString salida = QString::fromUtf8(p->readAllStandardOutput());
            EXPECT_EQ(p->exitCode(), 0) << "round " << ronda << ": " << salida.toStdString();
            EXPECT_FALSE(salida.contains(QStringLiteral("aviso:"))) << salida.toStdString();
        }
        EXPECT_EQ(fresca.valor(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION WHERE Clave = 'TIMEOUT'"),
                               fresca.archivoEstadisticas())
                      .toInt(),
                  1);
        EXPECT_EQ(fresca.cuenta(QStringLiteral("Control_Acceso")), 1 + 4);
        const QStringList restos =
            QDir(fresca.dir.path()).entryList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(restos.isEmpty()) << restos.join(u' ').toStdString();
    }
}
