#include "Adapta.h"

#include <gtest/gtest.h>

TEST(ReglaPrefijoNacional, DropsTheN)
{
    EXPECT_EQ(adapta("SELECT N'Año', n'b', 'N''x'"), "SELECT 'Año', 'b', 'N''x'");
}
