#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "support/DialogosGuionados.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

// Another program (the sqlite3 shell) holds a new database locked while this
// one connects: the connection waits, showing that it does, instead of
// failing on its first statement.
TEST(EsperaSqlite, ANewConnectionWaitsForTheLockOfAnotherProgram)
{
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("nueva.db"));
    const QString script = dir.filePath(QStringLiteral("esquema.sql"));
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("CREATE TABLE CUENTAS (Codigo TEXT PRIMARY KEY, Saldo REAL);\nINSERT INTO CUENTAS VALUES ('1001', 10);\n");
    f.close();
    CreaBaseSqlite(archivo, {script});

    QProcess otro;
    otro.start(QStringLiteral("sqlite3"), {archivo});
    ASSERT_TRUE(otro.waitForStarted()) << "sqlite3 (Debian package sqlite3) must be installed";
    otro.write("BEGIN EXCLUSIVE;\nSELECT 'bloqueada';\n.shell sleep 2\nCOMMIT;\n");
    otro.closeWriteChannel();
    ASSERT_TRUE(otro.waitForReadyRead(10000));
    ASSERT_TRUE(otro.readAllStandardOutput().contains("bloqueada"));

    ConDialogosGuionados dialogos;
    ConexionDatos db;
    db.setServidor(QStringLiteral("sqlite"));
    db.setBaseDatos(archivo);
    db.Conecta(false, 3, QString(), false, false);
    ASSERT_TRUE(db.EstaConectado()) << db.ErrorConexion().toStdString();
    EXPECT_EQ(db.BuscaValor(QStringLiteral("CUENTAS"), QStringLiteral("1001"), QStringLiteral("Saldo"),
                            QStringLiteral("Codigo"))
                  .toDouble(),
              10);
    const auto& espera = dialogos->espera;
    ASSERT_FALSE(espera.empty());
    EXPECT_EQ(espera.front(), QStringLiteral("Muestra:Esperando la base de datos..."));
    EXPECT_TRUE(std::any_of(espera.begin(), espera.end(),
                            [](const QString& e) { return e.startsWith(QStringLiteral("Actualiza:")); }));
    EXPECT_EQ(espera.back(), QStringLiteral("Cierra"));
    EXPECT_TRUE(dialogos->avisos.empty());
    otro.waitForFinished();
}
