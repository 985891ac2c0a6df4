#include "platform/data/sql/TablaDeConsulta.h"

#include <gtest/gtest.h>

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
