#include "BaseDePrueba.h"

#include "platform/data/sqlite/MotorSqlite.h"
#include "support/DialogosGuionados.h"
#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString esquema = QStringLiteral("CREATE TABLE CUENTAS (Codigo TEXT PRIMARY KEY, Saldo REAL);\n"
                                       "INSERT INTO CUENTAS VALUES ('1001', 10);\n");

long veces(const std::vector<QString>& espera, const QString& comienzo)
{
    return std::count_if(espera.begin(), espera.end(), [&](const QString& e) { return e.startsWith(comienzo); });
}

}  // namespace

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
    f.write(esquema.toUtf8());
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
    ASSERT_FALSE(dialogos->espera.empty());
    EXPECT_EQ(dialogos->espera.front(), QStringLiteral("Muestra:Esperando la base de datos..."));
    EXPECT_GT(veces(dialogos->espera, QStringLiteral("Actualiza:")), 0);
    EXPECT_EQ(dialogos->espera.back(), QStringLiteral("Cierra"));
    EXPECT_TRUE(dialogos->avisos.empty());
    otro.waitForFinished();
}

// A write lock held past the command time-out: the operator is told why the
// statement fails, and the error names the lock.
TEST(EsperaSqlite, GivingUpSaysThatAnotherProgramHoldsTheDatabase)
{
    BaseDePrueba b(esquema);
    ConexionDatos otro;
    otro.setServidor(QStringLiteral("sqlite"));
    otro.setBaseDatos(b.archivo);
    otro.Conecta(false, 3, QString(), false, false);
    ASSERT_TRUE(otro.EstaConectado());
    otro.Ejecuta(QStringLiteral("BEGIN TRANSACTION"));
    otro.Ejecuta(QStringLiteral("UPDATE CUENTAS SET Saldo = 20"));

    ConDialogosGuionados dialogos;
    b.db.Conexion().setCommandTimeout(2);
    EXPECT_EQ(numeroDeError([&] { b.db.Ejecuta(QStringLiteral("UPDATE CUENTAS SET Saldo = 30")); }),
              NumeroError::ErrorDelServidor);
    ASSERT_EQ(b.db.Conexion().Errors().Count(), 1);
    EXPECT_EQ(b.db.Conexion().Errors().Item(0).NativeError, 1222);
    EXPECT_TRUE(b.db.Conexion().Errors().Item(0).Description.contains(QStringLiteral("bloqueada")));
    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(b.archivo));
    EXPECT_TRUE(dialogos->avisos[0].mensaje.contains(QStringLiteral("otro programa la tiene bloqueada")));
    EXPECT_EQ(veces(dialogos->espera, QStringLiteral("Muestra:")), 1);
    EXPECT_EQ(dialogos->espera.back(), QStringLiteral("Cierra")) << "closed before the message";

    otro.Ejecuta(QStringLiteral("ROLLBACK TRANSACTION"));
    dialogos->espera.clear();
    b.db.Ejecuta(QStringLiteral("UPDATE CUENTAS SET Saldo = 30"));
    EXPECT_EQ(b.cuenta(QStringLiteral("CUENTAS WHERE Saldo = 30")), 1);
    EXPECT_TRUE(dialogos->espera.empty()) << "no lock, no window";
}
