#include "platform/data/sql/AdaptadorSql.h"

#include <gtest/gtest.h>

namespace {

std::string adapta(const char* sql)
{
    return AdaptaSentencia(QString::fromUtf8(sql)).toStdString();
}

std::vector<SentenciaAdaptada::Clase> clases(const QString& lote)
{
    std::vector<SentenciaAdaptada::Clase> c;
    for (const auto& s : AdaptaLote(lote))
        c.push_back(s.clase);
    return c;
}

QStringList textos(const QString& lote)
{
    QStringList t;
    for (const auto& s : AdaptaLote(lote))
        t << s.sql.trimmed();
    return t;
}

using S = SentenciaAdaptada;

}  // namespace

TEST(Tokeniza, JoiningTheTokensGivesTheTextBack)
{
    const QString sql = QStringLiteral("SELECT [a b], \"c\", N'x''y' -- nota\r\n/* c */ FROM t WHERE v>=1.5e3");
    EXPECT_EQ(Une(Tokeniza(sql)), sql);
    const Tokens t = Tokeniza(QStringLiteral("'it''s' + x"));
    ASSERT_EQ(t.size(), 5);
    EXPECT_EQ(t[0].tipo, Token::Cadena);
    EXPECT_EQ(t[0].texto, QStringLiteral("'it''s'"));
}

TEST(ReglaSugerencias, DropsNolockInAnyCaseAndSpacing)
{
    EXPECT_EQ(adapta("SELECT * FROM T with(nolock) WHERE a=1"), "SELECT * FROM T   WHERE a=1");
    EXPECT_EQ(adapta("SELECT * FROM T WITH (NOLOCK)"), "SELECT * FROM T  ");
    EXPECT_EQ(adapta("SELECT * FROM T With ( NoLock , RowLock )"), "SELECT * FROM T  ");
    EXPECT_EQ(adapta("SELECT * FROM T (nolock)"), "SELECT * FROM T  ");
}

TEST(ReglaSugerencias, LeavesLiteralsAndOtherWithsAlone)
{
    EXPECT_EQ(adapta("SELECT 'with(nolock)' AS x FROM T"), "SELECT 'with(nolock)' AS x FROM T");
    EXPECT_EQ(adapta("WITH c AS (SELECT 1) SELECT * FROM c"), "WITH c AS (SELECT 1) SELECT * FROM c");
}

TEST(ReglaEsquema, DropsDboPrefixes)
{
    EXPECT_EQ(adapta("CREATE VIEW dbo.SS_MA_CUENTAS AS SELECT * FROM [dbo].MA_CUENTAS"),
              "CREATE VIEW SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS");
    EXPECT_EQ(adapta("SELECT 'dbo.x' FROM dbox.t"), "SELECT 'dbo.x' FROM dbox.t");
}

TEST(ReglaNoCount, SetOptionsDoNothing)
{
    EXPECT_EQ(clases("SET NOCOUNT ON"), std::vector<S::Clase>{S::Nada});
    EXPECT_EQ(clases("SET NOCOUNT ON SELECT 1"), (std::vector<S::Clase>{S::Nada, S::Normal}));
    EXPECT_EQ(clases("UPDATE T SET a = 1"), std::vector<S::Clase>{S::Normal});
    EXPECT_EQ(textos("INSERT INTO T (a) VALUES ('SET NOCOUNT ON')"),
              QStringList{"INSERT INTO T (a) VALUES ('SET NOCOUNT ON')"});
}

TEST(ReglaTop, BecomesLimitAtTheEndOfItsQuery)
{
    EXPECT_EQ(adapta("select  top 1 * from AUX_ERR  with(nolock) "), "select    * from AUX_ERR LIMIT 1    ");
    EXPECT_EQ(adapta("SELECT TOP 10 a FROM T ORDER BY a DESC"), "SELECT   a FROM T ORDER BY a DESC LIMIT 10");
    EXPECT_EQ(adapta("SELECT DISTINCT TOP (2) a FROM T"), "SELECT DISTINCT   a FROM T LIMIT 2");
    EXPECT_EQ(adapta("SELECT * FROM T WHERE a IN (SELECT TOP 1 b FROM U) AND c = 1"),
              "SELECT * FROM T WHERE a IN (SELECT   b FROM U LIMIT 1) AND c = 1");
    // A trailing comment must not swallow the limit.
    EXPECT_EQ(adapta("SELECT TOP 1 * FROM T -- nota"), "SELECT   * FROM T LIMIT 1 -- nota");
}

TEST(ReglaTop, LiteralsThatContainTheWordsStayUntouched)
{
    EXPECT_EQ(adapta("SELECT * FROM T WHERE a = 'TOP 5 with(nolock) dbo.x'"),
              "SELECT * FROM T WHERE a = 'TOP 5 with(nolock) dbo.x'");
    EXPECT_EQ(adapta("SELECT [top] FROM T"), "SELECT [top] FROM T");
}

TEST(ReglaDelete, GainsFrom)
{
    EXPECT_EQ(adapta("DELETE AUX_MV_CPTE WHERE USUARIO = 'x'"), "DELETE FROM AUX_MV_CPTE WHERE USUARIO = 'x'");
    EXPECT_EQ(adapta("delete from T where a=1"), "delete from T where a=1");
    EXPECT_EQ(adapta("SELECT 'DELETE T WHERE' FROM U"), "SELECT 'DELETE T WHERE' FROM U");
}

TEST(ReglaSuma, TextOperandsConcatenate)
{
    EXPECT_EQ(adapta("SELECT 'a' + Nombre + 'b' FROM T"), "SELECT ('a' || Nombre || 'b') COLLATE SQLSRV FROM T");
    EXPECT_EQ(adapta("SELECT RTRIM(a)+b FROM T"), "SELECT (RTRIM(a) COLLATE SQLSRV||b) COLLATE SQLSRV FROM T");
    EXPECT_EQ(adapta("SELECT CAST(n AS varchar(10)) + '%' FROM T"),
              "SELECT (CAST(n AS varchar(10)) || '%') COLLATE SQLSRV FROM T");
    // || binds tighter than * on this engine: a product keeps its parentheses.
    EXPECT_EQ(adapta("SELECT a * 2 + 'x' FROM T"), "SELECT ((a * 2) || 'x') COLLATE SQLSRV FROM T");
    EXPECT_EQ(adapta("UPDATE T SET c = 'x' + (d + 'y') WHERE k = 'a' + 'b'"),
              "UPDATE T SET c = ('x' || ((d || 'y') COLLATE SQLSRV)) COLLATE SQLSRV WHERE k = ('a' || 'b') COLLATE SQLSRV");
}

TEST(ReglaSuma, NumbersStillAddAndColumnsDecideByValue)
{
    EXPECT_EQ(adapta("SELECT 1 + 2, -3 + 4.5 FROM T"), "SELECT 1 + 2, -3 + 4.5 FROM T");
    // A column sum may be a concatenation: it compares as text would.
    EXPECT_EQ(adapta("UPDATE T SET n = n + 1"), "UPDATE T SET n = sqlsrv_suma(n, 1) COLLATE SQLSRV");
    EXPECT_EQ(adapta("SELECT a + b + c AS x FROM T"),
              "SELECT sqlsrv_suma(sqlsrv_suma(a, b), c) COLLATE SQLSRV AS x FROM T");
    EXPECT_EQ(adapta("SELECT CASE WHEN a = 1 THEN b + c ELSE 'z' END FROM T"),
              "SELECT CASE WHEN a = 1 THEN sqlsrv_suma(b, c) COLLATE SQLSRV ELSE 'z' END FROM T");
    EXPECT_EQ(adapta("SELECT 'a+b' FROM T WHERE x = '+'"), "SELECT 'a+b' FROM T WHERE x = '+'");
}

TEST(ReglaFunciones, ReservedNamesAreRenamed)
{
    EXPECT_EQ(adapta("SELECT RIGHT(CPTE,1) AS r, left (a, 2) AS l, ISNULL(b, 0) AS n FROM T"),
              "SELECT sqlsrv_right(CPTE,1) COLLATE SQLSRV AS r, sqlsrv_left (a, 2) COLLATE SQLSRV AS l, "
              "sqlsrv_isnull(b, 0) COLLATE SQLSRV AS n FROM T");
    EXPECT_EQ(adapta("SELECT * FROM A LEFT JOIN B ON A.x = B.x"), "SELECT * FROM A LEFT JOIN B ON A.x = B.x");
    EXPECT_EQ(adapta("SELECT * FROM U Where (U.Nombre = SYSTEM_USER)"),
              "SELECT * FROM U Where (U.Nombre = sqlsrv_system_user())");
    EXPECT_EQ(adapta("SELECT 'right(x)', CURRENT_TIMESTAMP"), "SELECT 'right(x)', getdate()");
}

TEST(ReglaColacion, TextFunctionResultsTakeTheServerCollation)
{
    EXPECT_EQ(adapta("SELECT * FROM E WHERE SUBSTRING(CPTE,1,4)='fc  '"),
              "SELECT * FROM E WHERE SUBSTRING(CPTE,1,4) COLLATE SQLSRV='fc  '");
    EXPECT_EQ(adapta("SELECT * FROM E WHERE RIGHT(IDCOMPROBANTE,1)='a'"),
              "SELECT * FROM E WHERE sqlsrv_right(IDCOMPROBANTE,1) COLLATE SQLSRV='a'");
    EXPECT_EQ(adapta("SELECT upper(ltrim(rtrim(a))), Lower(b), replace(c, 'x', 'y') FROM T"),
              "SELECT upper(ltrim(rtrim(a) COLLATE SQLSRV) COLLATE SQLSRV) COLLATE SQLSRV, Lower(b) COLLATE SQLSRV, "
              "replace(c, 'x', 'y') COLLATE SQLSRV FROM T");
    EXPECT_EQ(adapta("SELECT * FROM T WHERE ISNULL(Obs, '') = '' ORDER BY LEFT(a, 2)"),
              "SELECT * FROM T WHERE sqlsrv_isnull(Obs, '') COLLATE SQLSRV = '' ORDER BY sqlsrv_left(a, 2) COLLATE SQLSRV");
    EXPECT_EQ(adapta("SELECT * FROM T WHERE COALESCE(a, TRIM(b)) = 'x'"),
              "SELECT * FROM T WHERE COALESCE(a, TRIM(b) COLLATE SQLSRV) COLLATE SQLSRV = 'x'");
}

TEST(ReglaColacion, AGivenCollationAndOtherUsesOfTheWordsStay)
{
    EXPECT_EQ(adapta("SELECT UPPER(a) COLLATE NOCASE FROM T"), "SELECT UPPER(a) COLLATE NOCASE FROM T");
    EXPECT_EQ(adapta("SELECT T.Upper, Replace FROM T LEFT JOIN U ON T.Left = U.Right"),
              "SELECT T.Upper, Replace FROM T LEFT JOIN U ON T.Left = U.Right");
    EXPECT_EQ(adapta("SELECT len(a) FROM T"), "SELECT len(a) FROM T");
}

TEST(ReglaColacion, LiteralsThatContainTheWordsStayUntouched)
{
    EXPECT_EQ(adapta("SELECT 'SUBSTRING(CPTE,1,4)' AS a, 'upper(x) + lower(y)' FROM T WHERE b = 'RIGHT(x,1)'"),
              "SELECT 'SUBSTRING(CPTE,1,4)' AS a, 'upper(x) + lower(y)' FROM T WHERE b = 'RIGHT(x,1)'");
    EXPECT_EQ(adapta("SELECT [rtrim], \"ltrim\" FROM T -- replace(a, b, c)"),
              "SELECT [rtrim], \"ltrim\" FROM T -- replace(a, b, c)");
}

TEST(ReglaPrefijoNacional, DropsTheN)
{
    EXPECT_EQ(adapta("SELECT N'Año', n'b', 'N''x'"), "SELECT 'Año', 'b', 'N''x'");
}

TEST(Lote, StatementsWithoutSeparatorsAreSplit)
{
    const QString lote = QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO T (a) VALUES ('x')\r"
                                        "UPDATE T SET a = 'SELECT' WHERE a = 'x'\rDELETE T WHERE a = 'y'\r");
    EXPECT_EQ(clases(lote), (std::vector<S::Clase>{S::IniciaTransaccion, S::Normal, S::Normal, S::Normal}));
    EXPECT_EQ(textos(lote).at(3), QStringLiteral("DELETE FROM T WHERE a = 'y'"));
    EXPECT_EQ(clases(QStringLiteral("COMMIT TRANSACTION")), std::vector<S::Clase>{S::ConfirmaTransaccion});
    EXPECT_EQ(clases(QStringLiteral("ROLLBACK TRAN")), std::vector<S::Clase>{S::DeshaceTransaccion});
}

TEST(Lote, SelectsThatBelongToTheirStatementStay)
{
    EXPECT_EQ(textos(QStringLiteral("INSERT INTO T SELECT a FROM U UNION SELECT b FROM V")).size(), 1);
    EXPECT_EQ(textos(QStringLiteral("CREATE VIEW v AS SELECT a FROM U")).size(), 1);
    EXPECT_EQ(textos(QStringLiteral("INSERT INTO T VALUES (1) SELECT * FROM T")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("SELECT a FROM T SELECT b FROM U")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("CREATE TABLE a (x INT REFERENCES b ON DELETE CASCADE) DROP TABLE c")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("DROP TABLE IF EXISTS a; SELECT 1")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("ALTER TABLE a DROP COLUMN b")).size(), 1);
}

TEST(Lote, LoneGoSeparatesButAColumnCalledGoDoesNot)
{
    EXPECT_EQ(textos(QStringLiteral("CREATE TABLE a (x INT)\r\nGO\r\nCREATE TABLE b (y INT)")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("SELECT go FROM t")).size(), 1);
}

TEST(Lote, ProvisioningStatements)
{
    const auto l = AdaptaLote(QStringLiteral("USE QX\r\r\nEXEC  sp_addlogin N'QX', 'QX', 'QX'\r\n"
                                             "EXEC sp_addsrvrolemember N'QX', sysadmin\r\n"
                                             "EXEC sp_grantdbaccess @loginame = 'QX' , @name_in_db ='QX'"));
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0].clase, S::Nada);
    EXPECT_EQ(l[1].clase, S::AgregaLogin);
    EXPECT_EQ(l[1].argumentos, (QStringList{"QX", "QX", "QX"}));
    EXPECT_EQ(l[2].clase, S::Nada);
    EXPECT_EQ(l[3].clase, S::Nada);
    const auto c = AdaptaLote(QStringLiteral("Create Database QX_PRESIDIUMBAR COLLATE Latin1_General_CI_AI \r\r\n"));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].clase, S::CreaBase);
    EXPECT_EQ(c[0].argumentos, QStringList{"QX_PRESIDIUMBAR"});
}

TEST(Lote, IfExistsBecomesACondition)
{
    const auto l = AdaptaLote(QStringLiteral("IF NOT EXISTS (SELECT * FROM dbo.T WHERE a = 'x') "
                                             "INSERT INTO T (a) VALUES ('x')"));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].clase, S::SiExiste);
    EXPECT_EQ(l[0].sql, QStringLiteral("SELECT NOT EXISTS (SELECT * FROM T WHERE a = 'x')"));
    EXPECT_EQ(clases(QStringLiteral("IF EXISTS (SELECT 1) BEGIN DELETE T END ELSE SELECT 2")),
              (std::vector<S::Clase>{S::SiExiste, S::InicioBloque, S::Normal, S::FinBloque, S::OtroCaso, S::Normal}));
    EXPECT_EQ(clases(QStringLiteral("SELECT CASE WHEN a = 1 THEN 2 ELSE 3 END FROM T")), std::vector<S::Clase>{S::Normal});
}

TEST(TablaDeConsulta, FindsTheSingleTableAfterFrom)
{
    EXPECT_EQ(TablaDeConsulta(QStringLiteral("SELECT * FROM Clientes")), QStringLiteral("Clientes"));
    EXPECT_EQ(TablaDeConsulta(QStringLiteral("select a from dbo.V_MV_Cpte with(nolock) where TC = 'FROM x, y'")),
              QStringLiteral("dbo.V_MV_Cpte"));
    EXPECT_EQ(TablaDeConsulta(QStringLiteral("SELECT TOP 1 * FROM [Mi Tabla] AS t WITH (NOLOCK, INDEX(1)) ORDER BY 1")),
              QStringLiteral("[Mi Tabla]"));
    EXPECT_EQ(TablaDeConsulta(QStringLiteral("SELECT (SELECT MAX(x) FROM otra) AS m -- FROM comentada\nFROM base..T t")),
              QStringLiteral("base..T"));
    EXPECT_EQ(TablaDeConsulta(QStringLiteral("SELECT * FROM T (nolock) WHERE a = 1")), QStringLiteral("T"));
}

TEST(TablaDeConsulta, NoTableWhenSeveralOrDerived)
{
    EXPECT_TRUE(TablaDeConsulta(QStringLiteral("SELECT * FROM a, b")).isEmpty());
    EXPECT_TRUE(TablaDeConsulta(QStringLiteral("SELECT * FROM a x WITH (NOLOCK) INNER JOIN b ON 1=1")).isEmpty());
    EXPECT_TRUE(TablaDeConsulta(QStringLiteral("SELECT * FROM a LEFT JOIN b ON 1=1")).isEmpty());
    EXPECT_TRUE(TablaDeConsulta(QStringLiteral("SELECT * FROM (SELECT 1 AS x) d")).isEmpty());
    EXPECT_TRUE(TablaDeConsulta(QStringLiteral("SELECT 'FROM t'")).isEmpty());
}

TEST(TablaDeConsulta, NameParts)
{
    EXPECT_EQ(PartesDeNombre(QStringLiteral("T")), QStringList({"", "", "T"}));
    EXPECT_EQ(PartesDeNombre(QStringLiteral("dbo.[Mi]]Tabla]")), QStringList({"", "dbo", "Mi]Tabla"}));
    EXPECT_EQ(PartesDeNombre(QStringLiteral("base..T")), QStringList({"base", "", "T"}));
}

TEST(TablaDeConsulta, AdaptedQueriesAndUnions)
{
    EXPECT_EQ(TablaDeConsulta(QStringLiteral("SELECT * FROM AUX_ERR   LIMIT 1")), QStringLiteral("AUX_ERR"));
    EXPECT_EQ(TablaDeConsulta(QStringLiteral("SELECT * FROM [TA CONF] c WHERE c.x = 1")), QStringLiteral("[TA CONF]"));
    EXPECT_TRUE(TablaDeConsulta(QStringLiteral("SELECT a FROM T UNION SELECT a FROM U")).isEmpty());
}

TEST(AgregaColumnaInicial, GoesFirstAfterDistinct)
{
    EXPECT_EQ(AgregaColumnaInicial(QStringLiteral("SELECT DISTINCT * FROM A"), QStringLiteral("rowid")),
              QStringLiteral("SELECT DISTINCT rowid, * FROM A"));
}
