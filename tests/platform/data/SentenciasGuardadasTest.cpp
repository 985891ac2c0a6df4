#include "BaseDePrueba.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

const QString esquema = QStringLiteral(
    "CREATE TABLE CUENTAS (Codigo TEXT COLLATE SQLSRV PRIMARY KEY, Nombre TEXT COLLATE SQLSRV, Saldo REAL);\n"
    "CREATE TABLE MOVIMIENTOS (Id INTEGER PRIMARY KEY, Cuenta TEXT COLLATE SQLSRV, Importe REAL);\n"
    "CREATE VIEW V_CUENTAS AS SELECT Codigo, Nombre FROM CUENTAS;\n"
    "INSERT INTO CUENTAS VALUES ('1001', 'Ferretería', 10);\n");

// Every statement is run often enough to be kept compiled and adapted.
constexpr int veces = 4;

class SentenciasGuardadas : public ::testing::Test {
protected:
    QVariant valor(const QString& sql)
    {
        auto rs = db.AbreRecordset(sql);
        const QVariant v = rs->EOF() ? QVariant() : rs->Campo(0);
        db.CierraRecordset(rs);
        return v;
    }

    // The recordset's field names, joined.
    std::string columnas(const QString& sql)
    {
        auto rs = db.AbreRecordset(sql);
        QStringList c;
        for (int i = 0; i < rs->ContarCampos(); ++i)
            c << rs->NombreCampo(i);
        db.CierraRecordset(rs);
        return c.join(QStringLiteral(", ")).toStdString();
    }

    BaseDePrueba b{esquema};
    ConexionDatos& db = b.db;
};

}  // namespace

TEST_F(SentenciasGuardadas, TheSameTextRunAgainRunsAgain)
{
    struct Caso {
        const char* sentencia;
        const char* consulta;  // what the sentence changed, read after each run
        QVariantList esperado;
    };
    const Caso casos[] = {
        {"INSERT INTO MOVIMIENTOS (Cuenta, Importe) VALUES ('1001', 5)", "SELECT COUNT(*) FROM dbo.MOVIMIENTOS",
         {1, 2, 3, 4}},
        {"UPDATE CUENTAS SET Saldo = Saldo + 1 WHERE Codigo = '1001'",
         "SELECT TOP 1 Saldo FROM CUENTAS with(nolock) WHERE Codigo = '1001'", {11.0, 12.0, 13.0, 14.0}},
        {"IF NOT EXISTS (SELECT * FROM CUENTAS WHERE Codigo = '7') INSERT INTO CUENTAS (Codigo) VALUES ('7') "
         "ELSE UPDATE CUENTAS SET Saldo = ISNULL(Saldo, 0) + 1 WHERE Codigo = '7'",
         "SELECT ISNULL(Saldo, 0) FROM CUENTAS WHERE Codigo = '7'", {0, 1.0, 2.0, 3.0}},
        {"DELETE MOVIMIENTOS WHERE Id = (SELECT MIN(Id) FROM MOVIMIENTOS)", "SELECT COUNT(*) FROM MOVIMIENTOS",
         {3, 2, 1, 0}},
    };
    for (const Caso& caso : casos) {
        QVariantList leidos;
        for (int i = 0; i < veces; ++i) {
            db.Ejecuta(QString::fromUtf8(caso.sentencia));
            leidos << valor(QString::fromUtf8(caso.consulta));
        }
        EXPECT_EQ(leidos, caso.esperado) << caso.sentencia;
    }
}

TEST_F(SentenciasGuardadas, AnUpdatableRecordsetOpenedAgainWritesAgain)
{
    const QString sql = QStringLiteral("SELECT * FROM CUENTAS WHERE Codigo = '1001'");
    for (int i = 0; i < veces; ++i) {
        auto rs = db.AbreRecordset(sql, 2, 3);
        ASSERT_FALSE(rs->EOF());
        EXPECT_EQ(rs->ContarCampos(), 3);
        rs->AsignaCampo(QStringLiteral("Saldo"), rs->Campo(QStringLiteral("Saldo")).toDouble() * 2);
        rs->Update();
        db.CierraRecordset(rs);
        // The same text read-only has no hidden key column.
        EXPECT_EQ(columnas(sql), "Codigo, Nombre, Saldo");
    }
    EXPECT_EQ(valor(QStringLiteral("SELECT Saldo FROM CUENTAS")).toDouble(), 160.0);
}

TEST_F(SentenciasGuardadas, AStatementKeptBeforeASchemaChangeReadsTheNewSchema)
{
    const QString todas = QStringLiteral("SELECT * FROM CUENTAS");
    const QString vista = QStringLiteral("SELECT * FROM V_CUENTAS");
    for (int i = 0; i < veces; ++i) {
        EXPECT_EQ(columnas(todas), "Codigo, Nombre, Saldo");
        EXPECT_EQ(columnas(vista), "Codigo, Nombre");
    }
    db.Ejecuta(QStringLiteral("ALTER TABLE CUENTAS ADD COLUMN Zona TEXT"));
    EXPECT_EQ(columnas(todas), "Codigo, Nombre, Saldo, Zona");
    db.Ejecuta(QStringLiteral("DROP VIEW V_CUENTAS; CREATE VIEW V_CUENTAS AS SELECT Codigo, Saldo, Zona FROM CUENTAS"));
    EXPECT_EQ(columnas(vista), "Codigo, Saldo, Zona");

    // A rolled-back change takes its columns with it.
    db.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    db.Ejecuta(QStringLiteral("ALTER TABLE CUENTAS ADD COLUMN Nota TEXT"));
    EXPECT_EQ(columnas(todas), "Codigo, Nombre, Saldo, Zona, Nota");
    db.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(columnas(todas), "Codigo, Nombre, Saldo, Zona");

    // A table that is gone is reported, not read from a statement of before;
    // made again, it is read again.
    db.Ejecuta(QStringLiteral("DROP VIEW V_CUENTAS"));
    EXPECT_EQ(b.nativo(vista), 208);
    db.Ejecuta(QStringLiteral("CREATE TABLE V_CUENTAS (Codigo TEXT, Nombre TEXT)"));
    EXPECT_EQ(columnas(vista), "Codigo, Nombre");
}

TEST_F(SentenciasGuardadas, ATableReplacedByAViewIsWrittenThroughTheView)
{
    const QString sql = QStringLiteral("SELECT * FROM MOVS WHERE Id = 1");
    db.Ejecuta(QStringLiteral("CREATE TABLE MOVS (Id INTEGER, Nota TEXT); INSERT INTO MOVS VALUES (1, 'a')"));
    for (int i = 0; i < veces; ++i) {
        auto rs = db.AbreRecordset(sql, 2, 3);
        rs->AsignaCampo(QStringLiteral("Nota"), QStringLiteral("tabla"));
        rs->Update();
    }
    db.Ejecuta(QStringLiteral("ALTER TABLE MOVS RENAME TO MOVS_BASE; CREATE VIEW MOVS AS SELECT * FROM MOVS_BASE; "
                              "CREATE TRIGGER MOVS_UPD INSTEAD OF UPDATE ON MOVS BEGIN "
                              "UPDATE MOVS_BASE SET Nota = NEW.Nota WHERE Id = OLD.Id; END"));
    auto rs = db.AbreRecordset(sql, 2, 3);
    EXPECT_EQ(rs->ContarCampos(), 2);
    rs->AsignaCampo(QStringLiteral("Nota"), QStringLiteral("vista"));
    rs->Update();
    EXPECT_EQ(valor(QStringLiteral("SELECT Nota FROM MOVS_BASE")).toString(), QStringLiteral("vista"));
}

TEST_F(SentenciasGuardadas, TextsThatAdaptAlikeKeepTheirOwnResults)
{
    struct Par {
        const char* texto[2];
        const char* esperado[2];
    };
    const Par pares[] = {
        {{"SELECT 'a' AS v", "SELECT 'A' AS v"}, {"a", "A"}},
        {{"SELECT 'x ' AS v", "SELECT 'x' AS v"}, {"x ", "x"}},
        {{"SELECT N'ñ' + 'o' AS v", "SELECT 'ñ' + 'O' AS v"}, {"ño", "ñO"}},
        {{"SELECT TOP 1 Nombre AS v FROM dbo.CUENTAS with(nolock)", "SELECT Nombre || '.' AS v FROM CUENTAS LIMIT 1"},
         {"Ferretería", "Ferretería."}},
    };
    for (const Par& par : pares) {
        for (int i = 0; i < 2 * veces; ++i) {
            EXPECT_EQ(valor(QString::fromUtf8(par.texto[i % 2])).toString(), QString::fromUtf8(par.esperado[i % 2]))
                << par.texto[i % 2];
        }
    }
}

TEST_F(SentenciasGuardadas, ClosingTheConnectionLetsGoOfTheFile)
{
    for (int i = 0; i < veces; ++i) {
        valor(QStringLiteral("SELECT Nombre FROM CUENTAS"));
        db.Ejecuta(QStringLiteral("INSERT INTO MOVIMIENTOS (Cuenta) VALUES ('1001')"));
    }
    EXPECT_TRUE(QFileInfo::exists(b.archivo + QStringLiteral("-wal")));
    db.Conexion().Close();
    // The last connection to close folds its log into the file and deletes
    // it, which it cannot while a statement of it is still compiled.
    EXPECT_FALSE(QFileInfo::exists(b.archivo + QStringLiteral("-wal")));
}
