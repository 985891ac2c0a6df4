#include "Adapta.h"

#include <gtest/gtest.h>

TEST(ReglaNoCount, SetOptionsDoNothing)
{
    EXPECT_EQ(clases("SET NOCOUNT ON"), std::vector<S::Clase>{S::Nada});
    EXPECT_EQ(clases("SET NOCOUNT ON SELECT 1"), (std::vector<S::Clase>{S::Nada, S::Normal}));
    EXPECT_EQ(clases("UPDATE T SET a = 1"), std::vector<S::Clase>{S::Normal});
    EXPECT_EQ(textos("INSERT INTO T (a) VALUES ('SET NOCOUNT ON')"),
              QStringList{"INSERT INTO T (a) VALUES ('SET NOCOUNT ON')"});
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
