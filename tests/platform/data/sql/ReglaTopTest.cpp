#include "Adapta.h"

#include <gtest/gtest.h>

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
