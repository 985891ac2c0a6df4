#include "Adapta.h"

#include <gtest/gtest.h>

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
