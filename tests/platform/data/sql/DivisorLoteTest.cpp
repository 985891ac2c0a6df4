#include "Adapta.h"

#include <gtest/gtest.h>

TEST(Lote, StatementsWithoutSeparatorsAreSplit)
{
    const QString lote = QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT INTO T (a) VALUES ('x')\r"
                                        "UPDATE T SET a = 'SELECT' WHERE a = 'x'\rDELETE T WHERE a = 'y'\r");
    EXPECT_EQ(clases(lote), (std::vector<S::Clase>{S::IniciaTransaccion, S::Normal, S::Normal, S::Normal}));
    EXPECT_EQ(textos(lote).at(3), QStringLiteral("DELETE FROM T WHERE a = 'y'"));
    EXPECT_EQ(clases(QStringLiteral("COMMIT TRANSACTION")), std::vector<S::Clase>{S::ConfirmaTransaccion});
    EXPECT_EQ(clases(QStringLiteral("ROLLBACK TRAN")), std::vector<S::Clase>{S::DeshaceTransaccion});
}

TEST(Lote, SelectsThatBelongToTheirStatementStay)
{
    EXPECT_EQ(textos(QStringLiteral("INSERT INTO T SELECT a FROM U UNION SELECT b FROM V")).size(), 1);
    EXPECT_EQ(textos(QStringLiteral("CREATE VIEW v AS SELECT a FROM U")).size(), 1);
    EXPECT_EQ(textos(QStringLiteral("INSERT INTO T VALUES (1) SELECT * FROM T")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("SELECT a FROM T SELECT b FROM U")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("CREATE TABLE a (x INT REFERENCES b ON DELETE CASCADE) DROP TABLE c")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("DROP TABLE IF EXISTS a; SELECT 1")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("ALTER TABLE a DROP COLUMN b")).size(), 1);
}

TEST(Lote, LoneGoSeparatesButAColumnCalledGoDoesNot)
{
    EXPECT_EQ(textos(QStringLiteral("CREATE TABLE a (x INT)\r\nGO\r\nCREATE TABLE b (y INT)")).size(), 2);
    EXPECT_EQ(textos(QStringLiteral("SELECT go FROM t")).size(), 1);
}
