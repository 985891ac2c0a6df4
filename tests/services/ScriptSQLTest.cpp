#include "support/modulo/BaseDePrueba.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/data/ConexionDatos.h"
#include "services/Modulo.h"
#include "services/Objetos.h"
#include "services/ProgresoScript.h"
#include "services/ScriptSQL.h"
#include "support/VariableTemporal.h"

#include <QDir>
#include <QLabel>
#include <QWidget>

namespace {

const QString Estrellas(112, u'*');

class ScriptSQLTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
    }

    // Writes the script (lines joined by CR LF) and runs it in the given mode.
    void corre(const QStringList& lineas, bool ifNotExists = false, const QString& nombre = QStringLiteral("script.sql"),
               const QString& filtro = QString())
    {
        ruta = dir.filePath(nombre);
        EscribeArchivoCompleto(ruta, ACp1252(lineas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        Ejecutar(ruta, nullptr, filtro, autorizado, ifNotExists);
    }

    bool existe(const QString& objeto)
    {
        return cuenta(QStringLiteral("sqlite_master WHERE name = '") + objeto + QStringLiteral("'")) == 1;
    }

    QStringList logs() const
    {
        return QDir(carpetaTemporal).entryList({QStringLiteral("Script*.TXT")}, QDir::Files);
    }

    QString textoLog() const
    {
        EXPECT_EQ(logs().size(), 1);
        return DeCp1252(LeeArchivoCompleto(carpetaTemporal + logs().value(0)));
    }

    QString ruta;
    bool autorizado = false;
};

TEST_F(ScriptSQLTest, ALaterPassRunsOnlyTheBatchesThatFailed)
{
    ejecuta(QStringLiteral("CREATE TABLE T_UNA (A INTEGER)"));
    corre({QStringLiteral("INSERT INTO T_DESPUES (A) VALUES (1)"), QStringLiteral("GO"),
           QStringLiteral("CREATE TABLE T_DESPUES (A INTEGER)"), QStringLiteral(" / "),
           QStringLiteral("INSERT INTO T_UNA (A) VALUES (1)")});

    EXPECT_EQ(cuenta(QStringLiteral("T_DESPUES")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("T_UNA")), 1);
    // A missing object is expected on the way: not logged, not announced.
    EXPECT_TRUE(textoLog().isEmpty());
    EXPECT_TRUE(dialogos->avisos.empty());
}

// SQLite cannot give these server errors: a server that answers each batch
// "FALLA n" with native error n (once, for "FALLA n UNA VEZ") stands in.
TEST_F(ScriptSQLTest, ToleratedServerErrorsAreNotLoggedAndOnlyMissingObjectsRepeat)
{
    QStringList enviados;
    QStringList yaFallaron;
    const EjecutaSentencia servidor = [&](ConexionDatos& c, const QString& sql) {
        const QString texto = sql.trimmed();
        enviados << texto;
        c.Conexion().Errors().Clear();
        const bool unaVez = texto.endsWith(QStringLiteral("UNA VEZ"));
        if (unaVez && yaFallaron.contains(texto))
            return;
        yaFallaron << texto;
        ErrorDatos e;
        e.Number = NumeroError::ErrorDelServidor;
        e.NativeError = texto.section(u' ', 1, 1).toLong();
        e.Description = QStringLiteral("error %1 del servidor").arg(e.NativeError);
        c.Conexion().Errors().Agrega(e);
        throw Err(e.Number, e.Description);
    };
    ruta = dir.filePath(QStringLiteral("tolerados.sql"));
    EscribeArchivoCompleto(ruta, ACp1252(QStringLiteral("FALLA 1779\r\nGO\r\nFALLA 1781\r\nGO\r\nFALLA 1913\r\nGO\r\n"
                                                       "FALLA 2714\r\nGO\r\nFALLA 2729\r\nGO\r\n"
                                                       "FALLA 208 UNA VEZ\r\nGO\r\nFALLA 2627\r\n")));
    dialogos->responde(Resultado::Aceptar);
    Ejecutar(ruta, nullptr, QString(), autorizado, false, servidor);

    // The missing object asks for a second pass, which sends only the
    // batches that failed; the tolerated numbers never reach the log.
    EXPECT_EQ(enviados.count(QStringLiteral("FALLA 208 UNA VEZ")), 2);
    EXPECT_EQ(enviados.count(QStringLiteral("FALLA 1779")), 2);
    const QString log = textoLog();
    EXPECT_EQ(log.count(QStringLiteral("  Error ")), 2);  // 2627, once per pass
    EXPECT_TRUE(log.contains(QStringLiteral("  Error 2627 error 2627 del servidor")));
    for (const char* tolerado : {"1779", "1781", "1913", "2714", "2729", "208"})
        EXPECT_FALSE(log.contains(QStringLiteral("Error ") + QLatin1String(tolerado))) << tolerado;
}

TEST_F(ScriptSQLTest, TheStatisticsFormatRunsOnlyInASecondPass)
{
    corre({QStringLiteral("CREATE TABLE FMT_ESTADISTICAFH (A INTEGER)")});
    EXPECT_FALSE(existe(QStringLiteral("FMT_ESTADISTICAFH")));

    corre({QStringLiteral("INSERT INTO T_LUEGO (A) VALUES (1)"), QStringLiteral("GO"),
           QStringLiteral("CREATE TABLE FMT_ESTADISTICAFH (A INTEGER)"), QStringLiteral("GO"),
           QStringLiteral("CREATE TABLE T_LUEGO (A INTEGER)")});
    EXPECT_TRUE(existe(QStringLiteral("FMT_ESTADISTICAFH")));
    EXPECT_EQ(cuenta(QStringLiteral("T_LUEGO")), 1);
}

TEST_F(ScriptSQLTest, DropsAreNotRepeatedSoObjectsOfTheFirstPassSurvive)
{
    Modulo().ParametroAdicional = QStringLiteral("Automatica");
    corre({QStringLiteral("INSERT INTO T_LUEGO (A) VALUES (1)"), QStringLiteral("GO"),
           QStringLiteral("drop view V_NUEVA"), QStringLiteral("GO"),
           QStringLiteral("CREATE VIEW V_NUEVA AS SELECT 1 AS X"), QStringLiteral("GO"),
           QStringLiteral("CREATE TABLE T_LUEGO (A INTEGER)")});
    EXPECT_EQ(cuenta(QStringLiteral("T_LUEGO")), 1);
    EXPECT_TRUE(existe(QStringLiteral("V_NUEVA")));
}

TEST_F(ScriptSQLTest, LowerCaseGoIsSentAndTheFailureIsLoggedAndOffered)
{
    // Nothing may really be opened while the test runs.
    VariableTemporal sinProgramas("PATH", dir.path().toLocal8Bit());
    corre({QStringLiteral("CREATE TABLE T_A (A INTEGER)"), QStringLiteral("go"),
           QStringLiteral("CREATE TABLA MAL (A)")});

    const QStringList lineas = textoLog().split(QStringLiteral("\r\n"));
    ASSERT_GE(lineas.size(), 9);
    EXPECT_EQ(lineas[0], Estrellas);
    EXPECT_TRUE(lineas[1].contains(QStringLiteral(" - ")));
    EXPECT_TRUE(lineas[2].startsWith(QStringLiteral("  Error "))) << lineas[2].toStdString();
    EXPECT_EQ(lineas[3], Estrellas);
    EXPECT_EQ(lineas.mid(4, 4), (QStringList{QStringLiteral("CREATE TABLE T_A (A INTEGER)"), QStringLiteral("go"),
                                             QStringLiteral("CREATE TABLA MAL (A)"), QString()}));
    EXPECT_EQ(lineas[8], Estrellas);

    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje,
              QStringLiteral("Se detectaron errores, consulte el archivo ") + carpetaTemporal + logs().value(0));
    EXPECT_EQ(dialogos->avisos[0].botones, Botones::SoloAceptar);
}

TEST_F(ScriptSQLTest, AnAutomaticRunLogsWithoutAnnouncing)
{
    Modulo().ParametroAdicional = QStringLiteral("Automatica");
    corre({QStringLiteral("CREATE TABLA MAL (A)")});
    EXPECT_TRUE(textoLog().contains(QStringLiteral("CREATE TABLA MAL (A)")));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ScriptSQLTest, ObjectsThatAlreadyExistAreNotLogged)
{
    ejecuta(QStringLiteral("CREATE TABLE T_EXISTE (A INTEGER)"));
    corre({QStringLiteral("CREATE TABLE T_EXISTE (A INTEGER)")});
    EXPECT_TRUE(textoLog().isEmpty());
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ScriptSQLTest, AWrongAccessCodeStopsTheScriptBeforeAnythingRuns)
{
    ejecuta(QStringLiteral("CREATE TABLE T_VIEJA (A INTEGER)"));
    dialogos->responde(QStringLiteral("krim@"));
    corre({QStringLiteral("CREATE TABLE T_C (A INTEGER)"), QStringLiteral("GO"), QStringLiteral("drop table T_VIEJA")});

    ASSERT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_EQ(dialogos->avisos[0].tipo, QStringLiteral("InputBox"));
    EXPECT_EQ(dialogos->avisos[0].mensaje,
              QStringLiteral("drop table T_VIEJA\r\nIngresa la Clave para permitir ejecutar este comando.."));
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Atencion"));
    EXPECT_EQ(dialogos->avisos[1].mensaje,
              QStringLiteral("SE HA DETECTADO UN COMANDO DE ELIMINACION DE TABLA... NO ESTA PERMITIDO LA EJECUCION "
                             "DE ESTOS COMANDOS...\r\nOPERACION ABORTADA!!!"));
    EXPECT_EQ(dialogos->avisos[1].botones, Botones::IconoCritico);
    EXPECT_EQ(dialogos->avisos[1].titulo, QStringLiteral("ATENCION!"));
    EXPECT_FALSE(existe(QStringLiteral("T_C")));
    EXPECT_TRUE(existe(QStringLiteral("T_VIEJA")));
    EXPECT_FALSE(autorizado);
}

TEST_F(ScriptSQLTest, TheRightCodeAuthorisesTheRestAndTheCaller)
{
    ejecuta(QStringLiteral("CREATE TABLE T_VIEJA (A INTEGER)"));
    ejecuta(QStringLiteral("CREATE TABLE T_OTRA (A INTEGER)"));
    dialogos->responde(QStringLiteral("KRIM@"));
    corre({QStringLiteral("drop table T_VIEJA"), QStringLiteral("GO"), QStringLiteral("drop table T_OTRA")});

    EXPECT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(autorizado);
    EXPECT_FALSE(existe(QStringLiteral("T_VIEJA")));
    EXPECT_FALSE(existe(QStringLiteral("T_OTRA")));
}

TEST_F(ScriptSQLTest, TheGuardIsCaseSensitiveAndOffWhenAuthorised)
{
    ejecuta(QStringLiteral("CREATE TABLE T_VIEJA (A INTEGER)"));
    ejecuta(QStringLiteral("CREATE TABLE T_OTRA (A INTEGER)"));
    corre({QStringLiteral("DROP TABLE T_VIEJA")});
    EXPECT_FALSE(existe(QStringLiteral("T_VIEJA")));

    autorizado = true;
    corre({QStringLiteral("drop table T_OTRA")});
    EXPECT_FALSE(existe(QStringLiteral("T_OTRA")));
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(ScriptSQLTest, CommentLinesAndTheByteOrderMarkAreNeverSent)
{
    ejecuta(QStringLiteral("CREATE TABLE T_VIEJA (A INTEGER)"));
    ruta = dir.filePath(QStringLiteral("bom.sql"));
    EscribeArchivoCompleto(ruta, "\xEF\xBB\xBF" "CREATE TABLE T_BOM (A INTEGER)\r\nGO\r\n"
                                 "   -- drop table T_VIEJA\r\n"
                                 "CREATE TABLE T_COM (A INTEGER) -- comentario\r\n");
    Ejecutar(ruta, nullptr, QString(), autorizado, false);

    EXPECT_TRUE(existe(QStringLiteral("T_BOM")));
    EXPECT_TRUE(existe(QStringLiteral("T_COM")));
    EXPECT_TRUE(existe(QStringLiteral("T_VIEJA")));
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_TRUE(textoLog().isEmpty());
}

TEST_F(ScriptSQLTest, PlaceholdersAreFilledCaseSensitively)
{
    ejecuta(QStringLiteral("CREATE TABLE T_MARCAS (D TEXT, N TEXT, MAS TEXT, MENOS TEXT, BASE TEXT, OTRA TEXT)"));
    corre({QStringLiteral("INSERT INTO T_MARCAS VALUES ('<DATE>', '<NOW>', '<DATE+YEAR>', '<DATE-YEAR>', "
                          "'<DATABASE>', '<date>')")});

    const QDate hoy = QDate::currentDate();
    const auto dia = [](const QDate& d) { return d.toString(QStringLiteral("yyyy-MM-dd")); };
    EXPECT_TRUE(valor(QStringLiteral("SELECT D FROM T_MARCAS")).toString().startsWith(dia(hoy)));
    EXPECT_TRUE(valor(QStringLiteral("SELECT N FROM T_MARCAS")).toString().startsWith(dia(hoy)));
    EXPECT_TRUE(valor(QStringLiteral("SELECT MAS FROM T_MARCAS")).toString().startsWith(dia(hoy.addYears(1))));
    EXPECT_TRUE(valor(QStringLiteral("SELECT MENOS FROM T_MARCAS")).toString().startsWith(dia(hoy.addYears(-1))));
    EXPECT_EQ(valor(QStringLiteral("SELECT BASE FROM T_MARCAS")).toString(), archivoBase.toUpper());
    EXPECT_EQ(valor(QStringLiteral("SELECT OTRA FROM T_MARCAS")).toString(), QStringLiteral("<date>"));
}

TEST_F(ScriptSQLTest, AFilterRunsOnlyTheBatchesThatHoldIt)
{
    corre({QStringLiteral("CREATE TABLE T_SI (A INTEGER)"), QStringLiteral("GO"),
           QStringLiteral("CREATE TABLE T_NO (A INTEGER)"), QStringLiteral("GO"),
           QStringLiteral("CREATE TABLE t_si_no (A INTEGER)")},
          false, QStringLiteral("script.sql"), QStringLiteral("T_SI"));
    EXPECT_TRUE(existe(QStringLiteral("T_SI")));
    EXPECT_FALSE(existe(QStringLiteral("T_NO")));
    EXPECT_FALSE(existe(QStringLiteral("t_si_no")));
}

TEST_F(ScriptSQLTest, TheAccountsViewOfAViewsScriptIsTheSuitesOwn)
{
    const QStringList vista{QStringLiteral("CREATE VIEW dbo.SS_MA_CUENTAS AS SELECT 1 AS X")};
    corre(vista, false, QStringLiteral("otro.sql"));
    EXPECT_EQ(cuenta(QStringLiteral("SS_MA_CUENTAS")), 1);

    ejecuta(QStringLiteral("DROP VIEW SS_MA_CUENTAS"));
    corre(vista, false, QStringLiteral("VISTAS.sql"));
    EXPECT_EQ(cuenta(QStringLiteral("SS_MA_CUENTAS")), cuenta(QStringLiteral("MA_CUENTAS")));
    EXPECT_FALSE(valor(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'SS_MA_CUENTAS'"))
                     .toString()
                     .contains(QStringLiteral("MA_CUENTAS_USUARIOS")));

    ejecuta(QStringLiteral("DROP VIEW SS_MA_CUENTAS"));
    ejecuta(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = 'SI' WHERE Clave = 'SS_CONFIDENCIALIDAD'"));
    corre(vista, false, QStringLiteral("VISTAS.sql"));
    EXPECT_TRUE(valor(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'SS_MA_CUENTAS'"))
                    .toString()
                    .contains(QStringLiteral("MA_CUENTAS_USUARIOS.GrupoUser = TA_USUARIOS.Grupo")));
}

TEST_F(ScriptSQLTest, AMissingScriptGoesToTheErrorRoutine)
{
    dialogos->responde(Resultado::Abortar);
    Ejecutar(dir.filePath(QStringLiteral("no-existe.sql")), nullptr, QString(), autorizado, false);
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.startsWith(QStringLiteral("Ha ocurrido el Siguiente Error (53)")));
    EXPECT_TRUE(dialogos->avisos[0].titulo.endsWith(QStringLiteral(" - Ejecutar Aviso al operador!!! ")));

    dialogos->responde(Resultado::Ignorar);
    Ejecutar(dir.filePath(QStringLiteral("no-existe.sql")), nullptr, QString(), autorizado, false);
    EXPECT_EQ(dialogos->avisos.size(), 2u);
}

TEST_F(ScriptSQLTest, IfNotExistsBlocksAreJoinedByBlanksAndErrorsAsked)
{
    dialogos->responde(Resultado::No);
    corre({QStringLiteral("CREATE TABLE"), QStringLiteral("T_INE (A INTEGER)"), QStringLiteral("go"),
           QStringLiteral("IF NOT EXISTS (SELECT 1 FROM T_INE) INSERT INTO T_FALTA1 VALUES (1)"),
           QStringLiteral("IF NOT EXISTS (SELECT 1 FROM T_INE) INSERT INTO T_FALTA2 VALUES (1)"),
           QStringLiteral("IF NOT EXISTS (SELECT 1 FROM T_INE) INSERT INTO T_FALTA3 VALUES (1)")},
          true);

    EXPECT_TRUE(existe(QStringLiteral("T_INE")));
    ASSERT_EQ(dialogos->avisos.size(), 2u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.startsWith(QStringLiteral("Ocurrio el siguiente error ")));
    EXPECT_TRUE(dialogos->avisos[0].mensaje.endsWith(
        QStringLiteral("\r\n- De continuar los errores, desea seguir visualizandolos?")));
    EXPECT_EQ(dialogos->avisos[0].botones, Botones::SiNo);
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Atencion"));
    // The last block, at the end of the file, is reported in a plain box.
    EXPECT_EQ(dialogos->avisos[1].botones, Botones::SoloAceptar);
    EXPECT_TRUE(dialogos->avisos[1].titulo.isEmpty());
    EXPECT_TRUE(textoLog().isEmpty());
}

TEST_F(ScriptSQLTest, InIfNotExistsModeOnlyLowerCaseGoIsSkipped)
{
    corre({QStringLiteral("CREATE TABLE T_GO (A INTEGER)"), QStringLiteral("  go")}, true);
    EXPECT_TRUE(existe(QStringLiteral("T_GO")));
    EXPECT_TRUE(dialogos->avisos.empty());

    corre({QStringLiteral("CREATE TABLE T_GO2 (A INTEGER)"), QStringLiteral("GO")}, true);
    EXPECT_FALSE(existe(QStringLiteral("T_GO2")));
    EXPECT_EQ(dialogos->avisos.size(), 1u);
}

TEST_F(ScriptSQLTest, AWindowWithAStatusBoxShowsTheProgress)
{
    QWidget ventana;
    auto* estado = new QLabel(&ventana);
    estado->setObjectName(QStringLiteral("picStatus"));
    corre({QStringLiteral("CREATE TABLE T_VENTANA (A INTEGER)")});
    EXPECT_TRUE(dialogos->progreso.empty());

    Ejecutar(ruta, &ventana, QString(), autorizado, false);
    QStringList textos;
    for (const auto& [texto, fraccion] : dialogos->progreso)
        textos << texto.left(texto.lastIndexOf(u' '));
    EXPECT_EQ(textos.join(u'|'), QStringLiteral("Analizando Script 0|Ciclo: 1(0 de 0)"));
}

TEST(DibujaProgreso, RemembersTheLastValueAndHandsTheTextAndShareToTheDialogs)
{
    ConDialogosGuionados dialogos;
    QObject caja;
    DibujaProgreso(&caja, 50, 100, false, QStringLiteral("Ciclo"));
    // -1 repeats the last value given.
    DibujaProgreso(&caja, -1, 200, false, QStringLiteral("Ciclo"));
    DibujaProgreso(&caja, 0, 100, false, QStringLiteral("Ciclo"));
    // Without a box the value is only remembered.
    DibujaProgreso(nullptr, 30, 100, false, QStringLiteral("Ciclo"));
    DibujaProgreso(&caja, -1, 100, true, QStringLiteral("Ciclo"));
    EXPECT_EQ(dialogos->progreso, (std::vector<std::pair<QString, double>>{{QStringLiteral("Ciclo 50%"), 0.5},
                                                                          {QStringLiteral("Ciclo 25%"), 0.25},
                                                                          {QStringLiteral("Ciclo 1%"), 0},
                                                                          {QStringLiteral("Ciclo 30%"), 0.3}}));
}

TEST(DibujaProgreso, TheEndsShowAsOneAndNinetyNineUnlessExact)
{
    EXPECT_EQ(TextoProgreso(QStringLiteral("Ciclo"), 0, false), QStringLiteral("Ciclo 1%"));
    EXPECT_EQ(TextoProgreso(QStringLiteral("Ciclo"), 1, false), QStringLiteral("Ciclo 99%"));
    EXPECT_EQ(TextoProgreso(QStringLiteral("Ciclo"), 0, true), QStringLiteral("Ciclo 0%"));
    EXPECT_EQ(TextoProgreso(QStringLiteral("Ciclo"), 1, true), QStringLiteral("Ciclo 100%"));
    EXPECT_EQ(TextoProgreso(QStringLiteral("Ciclo"), 0.5, false), QStringLiteral("Ciclo 50%"));
    EXPECT_EQ(TextoProgreso(QStringLiteral("Ciclo"), 0.996, false), QStringLiteral("Ciclo 99%"));
    EXPECT_EQ(TextoProgreso(QStringLiteral("Ciclo"), 0.004, false), QStringLiteral("Ciclo 1%"));
}

}
