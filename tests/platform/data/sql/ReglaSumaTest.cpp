#include "Adapta.h"

#include <gtest/gtest.h>

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
