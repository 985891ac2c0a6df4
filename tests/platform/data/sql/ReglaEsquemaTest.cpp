#include "Adapta.h"

#include <gtest/gtest.h>

TEST(ReglaEsquema, DropsDboPrefixes)
{
    EXPECT_EQ(adapta("CREATE VIEW dbo.SS_MA_CUENTAS AS SELECT * FROM [dbo].MA_CUENTAS"),
              "CREATE VIEW SS_MA_CUENTAS AS SELECT * FROM MA_CUENTAS");
    EXPECT_EQ(adapta("SELECT 'dbo.x' FROM dbox.t"), "SELECT 'dbo.x' FROM dbox.t");
}
