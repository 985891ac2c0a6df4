#include "Adapta.h"

#include <gtest/gtest.h>

TEST(ReglaDelete, GainsFrom)
{
    EXPECT_EQ(adapta("DELETE AUX_MV_CPTE WHERE USUARIO = 'x'"), "DELETE FROM AUX_MV_CPTE WHERE USUARIO = 'x'");
    EXPECT_EQ(adapta("delete from T where a=1"), "delete from T where a=1");
    EXPECT_EQ(adapta("SELECT 'DELETE T WHERE' FROM U"), "SELECT 'DELETE T WHERE' FROM U");
}
