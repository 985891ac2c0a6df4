#include "support/modulo/BaseDePrueba.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "services/Provision.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace {

const QString QX = QStringLiteral("QX_PRESIDIUMBAR");

QString altaLogin(const QString& u, const QString& p, const QString& b)
{
    return QStringLiteral("EXEC  sp_addlogin N'%1', '%2', '%3','Spanish'").arg(u, p, b);
}

// The three statements that grant the rights, as the server receives them.
QStringList derechos(const QString& u)
{
    return {QStringLiteral(" EXEC sp_addsrvrolemember N'%1', sysadmin EXEC sp_addsrvrolemember N'%1', securityadmin"
                           " EXEC sp_addsrvrolemember N'%1', serveradmin EXEC sp_addsrvrolemember N'%1',  setupadmin"
                           " EXEC sp_addsrvrolemember N'%1', processadmin EXEC sp_addsrvrolemember N'%1', diskadmin"
                           " EXEC sp_addsrvrolemember N'%1', dbcreator")
                .arg(u),
            QStringLiteral(" EXEC sp_grantdbaccess @loginame = '%1' , @name_in_db ='%1'").arg(u),
            QStringLiteral(" EXEC sp_addrolemember N'db_accessadmin', N'%1' EXEC sp_addrolemember N'db_backupoperator', "
                           "N'%1' EXEC sp_addrolemember N'db_datareader', N'%1' EXEC sp_addrolemember N'db_datawriter', "
                           "N'%1' EXEC sp_addrolemember N'db_ddladmin', N'%1' EXEC sp_addrolemember N'db_owner', N'%1'"
                           " EXEC sp_addrolemember N'db_securityadmin', N'%1'")
                .arg(u)};
}

class ProvisionTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
        programa = dir.filePath(QStringLiteral("programa")) + QStringLiteral("/");
        QDir().mkpath(programa);
        Modulo().CarpetaPrograma = programa;
    }

    // Every statement is recorded and run on the real connection, except that
    // a chosen login answer stands in for what only SQL Server reports.
    EjecutaSentencia registrador()
    {
        return [this](ConexionDatos& c, const QString& sql) {
            enviadas << sql;
            if (simulado && sql.contains(QStringLiteral("sp_addlogin"))) {
                c.Conexion().Errors().Clear();
                c.Conexion().Errors().Agrega(*simulado);
                throw Err(NumeroError::ErrorDelServidor, simulado->Description);
            }
            if (!fallaUnaVez.isEmpty() && sql.contains(fallaUnaVez)) {
                fallaUnaVez.clear();
                c.Conexion().Errors().Clear();
                throw Err(NumeroError::LlamadaInvalida, QStringLiteral("Argumento no válido"));
            }
            c.Ejecuta(sql);
        };
    }

    void provisiona(QString usuario = QX, QString password = QX)
    {
        QString base = QX;
        conexion = nullptr;
        CreaUsuarioBase(base, usuario, password, conexion, registrador());
    }

    void conScriptCompleto() { EscribeArchivoCompleto(programa + QStringLiteral("completocve.sql"), "CREATE TABLE T_COMPLETO (A INTEGER)\r\n"); }
    // The fixture builds the statistics database; these tests start without it.
    void sinEstadisticas() { ASSERT_TRUE(QFile::remove(archivoEstadisticas())); }
    QString cdb7() const { return carpetaTemporal + QStringLiteral("CDB7.SQL"); }

    QString programa;
    QStringList enviadas;
    std::optional<ErrorDatos> simulado;
    QString fallaUnaVez;
    ConexionDatos* conexion = nullptr;
};

TEST_F(ProvisionTest, AMissingStatisticsDatabaseIsCreatedFromItsScripts)
{
    sinEstadisticas();
    conScriptCompleto();
    provisiona();

    EXPECT_TRUE(QFile::exists(archivoEstadisticas()));
    EXPECT_EQ(conexion, &ConexionPrincipal());
    EXPECT_EQ(enviadas, QStringList{altaLogin(QX, QX, QX)} + derechos(QX));

    const QString cr = QStringLiteral("\r");
    QStringList lineas{QStringLiteral("Create Database QX_PRESIDIUMBAR COLLATE Latin1_General_CI_AI ") + cr,
                       QStringLiteral("GO") + cr, QStringLiteral("USE QX_PRESIDIUMBAR") + cr,
                       QStringLiteral("EXEC  sp_addlogin N'QX_PRESIDIUMBAR', 'QX_PRESIDIUMBAR', 'QX_PRESIDIUMBAR'")};
    for (const char* rol : {", sysadmin", ", securityadmin", ", serveradmin", ",  setupadmin", ", processadmin",
                            ", diskadmin", ", dbcreator"})
        lineas << QStringLiteral("EXEC sp_addsrvrolemember N'QX_PRESIDIUMBAR'") + QLatin1String(rol);
    lineas << QStringLiteral("EXEC sp_grantdbaccess @loginame = 'QX_PRESIDIUMBAR' , @name_in_db ='QX_PRESIDIUMBAR'");
    for (const char* rol : {"db_accessadmin", "db_backupoperator", "db_datareader", "db_datawriter", "db_ddladmin",
                            "db_owner", "db_securityadmin"})
        lineas << QStringLiteral("EXEC sp_addrolemember N'%1', N'QX_PRESIDIUMBAR'").arg(QLatin1String(rol));
    EXPECT_EQ(DeCp1252(LeeArchivoCompleto(cdb7())), lineas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

    ConexionDatos& cv = ConexionEstadisticas();
    ASSERT_TRUE(cv.EstaConectado());
    EXPECT_EQ(cv.BaseDatos(), QX);
    EXPECT_EQ(cv.Usuario(), QX);
    EXPECT_EQ(cv.Password(), QX);
    EXPECT_EQ(cv.Conexion().DefaultDatabase(), QX);
    EXPECT_TRUE(cv.AbreRecordset(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION"))->Campo(0).isValid());
    // The full script runs on the main connection.
    EXPECT_EQ(cuenta(QStringLiteral("sqlite_master WHERE name = 'T_COMPLETO'")), 1);
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ProvisionTest, AnExistingDatabaseOnlyGetsTheRightsAgain)
{
    conScriptCompleto();
    provisiona();
    EXPECT_EQ(enviadas, QStringList{altaLogin(QX, QX, QX)} + derechos(QX));
    EXPECT_FALSE(QFile::exists(cdb7()));
    EXPECT_EQ(cuenta(QStringLiteral("sqlite_master WHERE name = 'T_COMPLETO'")), 0);
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ProvisionTest, WithoutTheFullScriptNothingIsCreated)
{
    sinEstadisticas();
    provisiona();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, QStringLiteral("No se encuentra el archivo ") + programa +
                                                QStringLiteral("completocve.sql, Por favor, ingrese la ruta donde se "
                                                               "encuentra! "));
    EXPECT_EQ(dialogos->avisos[0].botones, Botones::SoloAceptar);
    EXPECT_TRUE(dialogos->avisos[0].titulo.isEmpty());
    EXPECT_FALSE(QFile::exists(archivoEstadisticas()));
    EXPECT_FALSE(QFile::exists(cdb7()));
    EXPECT_EQ(enviadas.size(), 4);
}

TEST_F(ProvisionTest, ALoginThatExistsKeepsItsRights)
{
    simulado = ErrorDatos{NumeroError::ErrorDelServidor, 15025, QStringLiteral("El inicio de sesión ya existe."), QString()};
    provisiona();
    EXPECT_EQ(enviadas, QStringList{altaLogin(QX, QX, QX)});
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ProvisionTest, ARejectedPasswordIsExplainedAndTheRightsStillGranted)
{
    simulado = ErrorDatos{NumeroError::ErrorDelServidor, 15116, QStringLiteral("La contraseña es demasiado corta."),
                          QString()};
    provisiona();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje,
              QStringLiteral("La contraseña es demasiado corta.\r\nDebe cambiar la contraseña del Usuario "
                             "QX_PRESIDIUMBAR para que cumpla con las directivas de Windows."));
    EXPECT_TRUE(dialogos->avisos[0].titulo.isEmpty());
    EXPECT_EQ(enviadas.mid(1), derechos(QX));
}

TEST_F(ProvisionTest, ApostrophesInTheLoginAreDoubled)
{
    provisiona(QStringLiteral("O'Neil"), QStringLiteral("cla've"));
    EXPECT_EQ(enviadas, QStringList{altaLogin(QStringLiteral("O''Neil"), QStringLiteral("cla''ve"), QX)} +
                            derechos(QStringLiteral("O''Neil")));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ProvisionTest, ARunTimeErrorAsksWithoutRoutineAndRetryRunsItAgain)
{
    fallaUnaVez = QStringLiteral("sp_grantdbaccess");
    dialogos->responde(Resultado::Reintentar);
    provisiona();
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("escaneo Aviso al operador!!! "));
    EXPECT_EQ(enviadas.size(), 5);
    EXPECT_EQ(enviadas[2], enviadas[3]);
}

TEST_F(ProvisionTest, OracleGetsOneCreateUserTextOnTheMainConnection)
{
    ConexionPrincipal().setMotor(QStringLiteral("OraOLEDB.Oracle.1"));
    ConexionDatos otra;
    QString base = QX, usuario = QStringLiteral("OPERADOR"), password = QStringLiteral("clave7");
    conexion = &otra;
    CreaUsuarioBase(base, usuario, password, conexion,
                    [this](ConexionDatos& c, const QString& sql) {
                        EXPECT_EQ(&c, &ConexionPrincipal());
                        registrador()(c, sql);
                    });

    ASSERT_EQ(enviadas.size(), 1);
    EXPECT_TRUE(dialogos->avisos.empty());  // the engine's refusal is passed over
    const QString texto = enviadas[0];
    ASSERT_TRUE(texto.endsWith(QStringLiteral("\r\n")));
    const QStringList lineas = texto.left(texto.size() - 2).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lineas.size(), 75);
    EXPECT_EQ(lineas.mid(0, 5),
              (QStringList{QStringLiteral("CREATE USER OPERADOR IDENTIFIED BY \"clave7\""),
                           QStringLiteral(" DEFAULT TABLESPACE USERS"), QStringLiteral(" TEMPORARY TABLESPACE TEMP"),
                           QStringLiteral(" PROFILE Default"), QStringLiteral(" ACCOUNT UNLOCK")}));
    EXPECT_EQ(lineas[5], QStringLiteral(" GRANT DBA TO OPERADOR WITH ADMIN OPTION"));
    EXPECT_EQ(lineas[8], QStringLiteral(" GRANT \"CONNECT\" TO OPERADOR WITH ADMIN OPTION"));
    EXPECT_EQ(lineas[10], QStringLiteral(" GRANT \"RESOURCE\" TO OPERADOR WITH ADMIN OPTION"));
    EXPECT_EQ(lineas[37], QStringLiteral(" GRANT GATHER_SYSTEM_STATISTICS TO OPERADOR WITH ADMIN OPTION"));
    EXPECT_EQ(lineas[38], QStringLiteral(" ALTER USER OPERADOR DEFAULT ROLE DBA,\"CONNECT\""));
    EXPECT_EQ(lineas[39], QStringLiteral(" GRANT UNLIMITED TABLESPACE TO OPERADOR WITH ADMIN OPTION"));
    EXPECT_EQ(lineas[40], QStringLiteral(" GRANT EXECUTE ON CTXSYS.CTX_VALIDATE TO OPERADOR WITH GRANT OPTION"));
    EXPECT_EQ(lineas[74], QStringLiteral(" GRANT EXECUTE ON XDB.XDB_DATASTORE_PROC TO OPERADOR WITH GRANT OPTION"));
    EXPECT_EQ(texto.count(QStringLiteral(" WITH ADMIN OPTION")), 34);
    EXPECT_EQ(texto.count(QStringLiteral(" WITH GRANT OPTION")), 35);
    EXPECT_EQ(conexion, &otra);
}

TEST_F(ProvisionTest, CreatingTheDatabaseTrimsTheNameAndReducesTheServer)
{
    sinEstadisticas();
    conScriptCompleto();
    QString nombre = QStringLiteral("  QX_PRESIDIUMBAR  ");
    CreaBaseDatos(QStringLiteral("tcp/sqlite:1433"), nombre);
    EXPECT_EQ(nombre, QX);
    EXPECT_TRUE(QFile::exists(archivoEstadisticas()));
    EXPECT_EQ(ConexionEstadisticas().Servidor(), QStringLiteral("sqlite"));
    EXPECT_TRUE(ConexionEstadisticas().EstaConectado());
}

}
