#include "Adapta.h"

#include <gtest/gtest.h>

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
