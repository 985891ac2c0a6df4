#include "Adapta.h"

#include <gtest/gtest.h>

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
