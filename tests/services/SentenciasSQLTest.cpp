#include "support/NumeroDeError.h"
#include "support/modulo/BaseDePrueba.h"

#include "services/Objetos.h"
#include "services/Provision.h"
#include "services/SentenciasSQL.h"

#include <QFile>
#include <QFileInfo>

namespace {

class SentenciasSQLTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
        ejecuta(QStringLiteral("CREATE TABLE T_PRUEBA (A TEXT, B TEXT, C TEXT)"));
    }

    static QStringList valores()
    {
        QStringList v;
        for (const CampoSQL& c : ListaCampos().value())
            v << c.Valor;
        return v;
    }
};


TEST_F(SentenciasSQLTest, TheListStripsApostrophesFromItsCopyAndWritesNullBare)
{
    QString usuario = QStringLiteral("O'Brien");
    AgregaCampoSQL(QStringLiteral("A"), usuario, QStringLiteral("'"), true);
    AgregaCampoSQL(QStringLiteral("B"), QStringLiteral("nUlL"), QStringLiteral("'"), false);
    AgregaCampoSQL(QStringLiteral("C"), QStringLiteral("PC 1"), QStringLiteral("'"), false);

    EXPECT_EQ(usuario, QStringLiteral("O'Brien"));
    EXPECT_EQ(valores(), (QStringList{QStringLiteral("'OBrien'"), QStringLiteral("Null"), QStringLiteral("'PC 1'")}));

    AgregaCampoSQL(QStringLiteral("A"), QStringLiteral("otra"), QStringLiteral("'"), true);
    EXPECT_EQ(valores(), QStringList{QStringLiteral("'otra'")});
}

TEST_F(SentenciasSQLTest, AListThatDoesNotExistIsSubscriptOutOfRange)
{
    ListaCampos().reset();
    QStringList sentencias{QString()};
    QString condicion, sql;
    EXPECT_EQ(numeroDeError([] { AgregaCampoSQL(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("'"), false); }),
              NumeroError::SubindiceFueraDeRango);
    EXPECT_EQ(numeroDeError([&] {
                  ArmaSentenciaSQL(ListaCampos(), sentencias, QStringLiteral("T"), false, condicion, false);
              }),
              NumeroError::SubindiceFueraDeRango);
    EXPECT_EQ(numeroDeError([&] { ArmaValoresInsert(sql, ListaCampos(), true); }), NumeroError::SubindiceFueraDeRango);
    EXPECT_EQ(sentencias, QStringList{QString()});
}

TEST_F(SentenciasSQLTest, InsertGoesBetweenEmptyEntriesAndRunsOnTheEngine)
{
    QStringList sentencias{QString()};
    QString condicion;
    AgregaCampoSQL(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("'"), true);
    AgregaCampoSQL(QStringLiteral("B"), QStringLiteral("NULL"), QStringLiteral("'"), false);
    ArmaSentenciaSQL(ListaCampos(), sentencias, QStringLiteral("T_PRUEBA"), false, condicion, false);

    ASSERT_EQ(sentencias, (QStringList{QString(), QStringLiteral("INSERT INTO T_PRUEBA (A,B) VALUES ('x',Null)"),
                                       QString()}));
    ConexionPrincipal().Ejecuta(sentencias[1]);
    EXPECT_EQ(cuenta(QStringLiteral("T_PRUEBA WHERE A = 'x' AND B IS NULL")), 1);

    // The list is left with one empty record: continuing it adds an empty column.
    AgregaCampoSQL(QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("'"), false);
    ArmaSentenciaSQL(ListaCampos(), sentencias, QStringLiteral("T_PRUEBA"), false, condicion, false);
    EXPECT_EQ(sentencias.value(3), QStringLiteral("INSERT INTO T_PRUEBA (,A) VALUES (,'y')"));
    EXPECT_EQ(sentencias.size(), 5);
}

TEST_F(SentenciasSQLTest, UpdateGainsTheKeywordOnceAndCanKeepTheList)
{
    ejecuta(QStringLiteral("INSERT INTO T_PRUEBA (A, B, C) VALUES ('x', 'viejo', 'c')"));
    QStringList sentencias{QString()};
    QString condicion = QStringLiteral("A = 'x'");
    AgregaCampoSQL(QStringLiteral("B"), QStringLiteral("nuevo"), QStringLiteral("'"), true);
    AgregaCampoSQL(QStringLiteral("C"), QStringLiteral("Null"), QStringLiteral("'"), false);
    ArmaSentenciaSQL(ListaCampos(), sentencias, QStringLiteral("T_PRUEBA"), true, condicion, true);

    EXPECT_EQ(condicion, QStringLiteral(" WHERE A = 'x'"));
    EXPECT_EQ(sentencias.value(1), QStringLiteral("UPDATE T_PRUEBA SET B = 'nuevo',C = Null  WHERE A = 'x'"));
    EXPECT_EQ(valores().size(), 2);
    ConexionPrincipal().Ejecuta(sentencias[1]);
    EXPECT_EQ(cuenta(QStringLiteral("T_PRUEBA WHERE B = 'nuevo' AND C IS NULL")), 1);

    QString conClave = QStringLiteral("where A = 'z'");
    ArmaSentenciaSQL(ListaCampos(), sentencias, QStringLiteral("T_PRUEBA"), true, conClave, false);
    EXPECT_EQ(conClave, QStringLiteral("where A = 'z'"));
    EXPECT_EQ(sentencias.value(3), QStringLiteral("UPDATE T_PRUEBA SET B = 'nuevo',C = Null where A = 'z'"));
}

TEST_F(SentenciasSQLTest, ValuesFollowTheCallersPrefixAndMayClearTheList)
{
    AgregaCampoSQL(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("'"), true);
    AgregaCampoSQL(QStringLiteral("B"), QStringLiteral("2"), QStringLiteral("'"), false);
    QString sql = QStringLiteral("INSERT INTO T_PRUEBA ");
    ArmaValoresInsert(sql, ListaCampos(), false);
    EXPECT_EQ(sql, QStringLiteral("INSERT INTO T_PRUEBA (A,B) VALUES ('1','2')"));
    EXPECT_TRUE(ListaCampos().has_value());

    QString otra = QStringLiteral("INSERT INTO T_PRUEBA ");
    ArmaValoresInsert(otra, ListaCampos(), true);
    EXPECT_FALSE(ListaCampos().has_value());
    ConexionPrincipal().Ejecuta(otra);
    EXPECT_EQ(cuenta(QStringLiteral("T_PRUEBA WHERE A = '1' AND B = '2'")), 1);
}

TEST_F(SentenciasSQLTest, OtherEnginesGetTheTextUnchanged)
{
    for (const QString& sql : {QStringLiteral("SELECT top 10 * FROM T"), QStringLiteral("len"),
                               QStringLiteral("Select TOP 1 * from Control_Acceso  with(nolock) ")})
        EXPECT_EQ(AdaptaSQLMotor(sql), sql);
}

QString driverSqlite()
{
    for (const char* ruta : {"/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so",
                             "/usr/lib/aarch64-linux-gnu/odbc/libsqlite3odbc.so", "/usr/lib/odbc/libsqlite3odbc.so"})
        if (QFileInfo::exists(QString::fromLatin1(ruta)))
            return QString::fromLatin1(ruta);
    return QStringLiteral("SQLite3");
}

// The main connection opened with the suite's Oracle string, through a data
// source that SQLite's ODBC driver serves, so the provider reads "oracle".
// The driver manager keeps the first data-source file it reads for the whole
// process, so one test holds every case.
class SentenciasOracleTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        const QString ini = dir.filePath(QStringLiteral("odbc.ini"));
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[PRUEBAORA]\nDriver=%1\nDatabase=%2\n").arg(driverSqlite(), archivoBase).toUtf8());
        f.close();
        odbcIniAnterior_ = qgetenv("ODBCINI");
        qputenv("ODBCINI", ini.toLocal8Bit());

        ConexionDatos& cn = ConexionPrincipal();
        cn.setServidor(QStringLiteral("ORCL"));
        cn.Conecta(false, 3, QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=PRUEBAORA;User Id=u;Password=p;"),
                   true, true);
        ASSERT_TRUE(cn.EstaConectado());
        ASSERT_TRUE(cn.Proveedor().contains(QStringLiteral("oracle"), Qt::CaseInsensitive));
    }
    void TearDown() override
    {
        qputenv("ODBCINI", odbcIniAnterior_);
        BaseDePrueba::TearDown();
    }

private:
    QByteArray odbcIniAnterior_;
};

TEST_F(SentenciasOracleTest, TopBecomesRownumLenBecomesLengthAndLoginsAreOracleUsers)
{
    EXPECT_EQ(AdaptaSQLMotor(QStringLiteral("SELECT top 10 * FROM T")),
              QStringLiteral("SELECT  *  FROM T WHERE ROWNUM <=  10 "));
    EXPECT_EQ(AdaptaSQLMotor(QStringLiteral("Select TOP 1 * from Control_Acceso  with(nolock) ")),
              QStringLiteral("Select  *  from Control_Acceso  with(nolock)  WHERE ROWNUM <=  1 "));
    EXPECT_EQ(AdaptaSQLMotor(QStringLiteral("SELECT a FROM b")), QStringLiteral("SELECT a FROM b"));
    EXPECT_EQ(numeroDeError([] { AdaptaSQLMotor(QStringLiteral("SELECT TOP 5 a FROM b")); }),
              NumeroError::LlamadaInvalida);

    // Only the single word len, in any case, becomes LENGTH.
    EXPECT_EQ(AdaptaSQLMotor(QStringLiteral("len")), QStringLiteral("LENGTH"));
    EXPECT_EQ(AdaptaSQLMotor(QStringLiteral("Len")), QStringLiteral("LENGTH"));
    EXPECT_EQ(AdaptaSQLMotor(QStringLiteral("LENX")), QStringLiteral("LENX"));

    // Provisioning a login on this connection sends the one Oracle text, not
    // the SQL Server procedures.
    QStringList enviadas;
    QString base = QStringLiteral("QX_PRESIDIUMBAR"), usuario = QStringLiteral("OPERADOR"),
            password = QStringLiteral("clave7");
    ConexionDatos* conexion = nullptr;
    CreaUsuarioBase(base, usuario, password, conexion,
                    [&enviadas](ConexionDatos&, const QString& sql) { enviadas << sql; });
    ASSERT_EQ(enviadas.size(), 1);
    EXPECT_TRUE(enviadas[0].startsWith(QStringLiteral("CREATE USER OPERADOR IDENTIFIED BY \"clave7\"\r\n")))
        << enviadas[0].toStdString();
}

}
