#include "support/modulo/BaseDePrueba.h"

#include "platform/objects/Sistema.h"
#include "services/LoteSQL.h"

#include <QDateTime>

namespace {

const QString CR = QStringLiteral("\r");

class LoteSQLTest : public BaseDePrueba {
protected:
    void SetUp() override
    {
        BaseDePrueba::SetUp();
        conectaPrincipal();
        ejecuta(QStringLiteral("CREATE TABLE T_LOTE (A INTEGER PRIMARY KEY, B TEXT CHECK (B <> 'malo'))"));
    }

    static QString inserta(int a, const QString& b)
    {
        return QStringLiteral("INSERT INTO T_LOTE (A, B) VALUES (%1, '%2')").arg(a).arg(b);
    }

    // Runs the batch with every flag as given; the outputs land in the members.
    void corre(const QStringList& sentencias, bool silencio2627 = false, bool silencio547 = false,
               bool mostrar = true)
    {
        GActualizarDatoScript(sentencias, hayError, numero, silencio2627, silencio547, textoLote, mensaje, mostrar);
    }

    QVariant errorRegistrado(const QString& columna) { return valor(QStringLiteral("SELECT ") + columna + QStringLiteral(" FROM AUX_ERR")); }

    bool hayError = true;
    int32_t numero = 99;
    QString textoLote = QStringLiteral("previo");
    QString mensaje;
};

TEST_F(LoteSQLTest, ACleanBatchCommitsAndLeavesNoErrorRow)
{
    corre({QString(), inserta(1, QStringLiteral("a")), QStringLiteral("  "), inserta(2, QStringLiteral("b"))});

    EXPECT_FALSE(hayError);
    EXPECT_EQ(numero, 0);
    EXPECT_EQ(textoLote, QStringLiteral("BEGIN TRANSACTION ") + CR + CR + CR + inserta(1, QStringLiteral("a")) + CR +
                             inserta(2, QStringLiteral("b")) + CR);
    EXPECT_EQ(cuenta(QStringLiteral("T_LOTE")), 2);  // seen from another connection: committed
    EXPECT_EQ(cuenta(QStringLiteral("AUX_ERR")), 0);
    EXPECT_TRUE(dialogos->avisos.empty());
}

TEST_F(LoteSQLTest, OnlyBlankEntriesSendNothing)
{
    corre({QString(), QStringLiteral("   ")});
    EXPECT_FALSE(hayError);
    EXPECT_EQ(numero, 99);
    EXPECT_EQ(textoLote, QStringLiteral("previo"));
    EXPECT_EQ(cuenta(QStringLiteral("AUX_ERR")), 0);
}

TEST_F(LoteSQLTest, ADuplicateKeyRollsBackTheWholeBatchAndIsReported)
{
    ejecuta(inserta(1, QStringLiteral("a")));
    const QDateTime antes = QDateTime::currentDateTime().addSecs(-60);
    corre({inserta(2, QStringLiteral("b")), inserta(1, QStringLiteral("otra"))});

    EXPECT_TRUE(hayError);
    EXPECT_EQ(numero, 2627);
    EXPECT_TRUE(mensaje.startsWith(QStringLiteral("2627 : "))) << mensaje.toStdString();
    EXPECT_TRUE(mensaje.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(mensaje.count(QStringLiteral("\r\n")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("T_LOTE")), 1);

    ASSERT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(dialogos->avisos[0].mensaje, mensaje);
    EXPECT_EQ(dialogos->avisos[0].botones, 16);
    EXPECT_EQ(dialogos->avisos[0].titulo, QStringLiteral("Aviso al Operador!"));

    ASSERT_EQ(cuenta(QStringLiteral("AUX_ERR")), 1);
    EXPECT_EQ(errorRegistrado(QStringLiteral("Proceso")).toString(), Sistema().NombreEjecutable());
    EXPECT_EQ(errorRegistrado(QStringLiteral("Error")).toInt(), 2627);
    const QString descripcion = errorRegistrado(QStringLiteral("Descripcion")).toString();
    EXPECT_EQ(descripcion.size(), 250);
    EXPECT_EQ(descripcion.trimmed(), mensaje.trimmed());
    EXPECT_EQ(errorRegistrado(QStringLiteral("SQL")).toString(), textoLote);
    EXPECT_EQ(errorRegistrado(QStringLiteral("PC")).toString(), Sistema().NombreMaquina());
    EXPECT_EQ(errorRegistrado(QStringLiteral("Usuario")).toString(), QStringLiteral("demo"));
    const QDateTime fecha = errorRegistrado(QStringLiteral("Fecha")).toDateTime();
    EXPECT_GE(fecha, antes);
    EXPECT_LE(fecha, QDateTime::currentDateTime());

    // Nothing stays open on the connection: the next batch commits on its own.
    corre({inserta(3, QStringLiteral("c"))});
    EXPECT_FALSE(hayError);
    EXPECT_EQ(cuenta(QStringLiteral("T_LOTE")), 2);
}

TEST_F(LoteSQLTest, QuietDuplicateKeyKeepsOnlyTheDescriptionAndShowsNothing)
{
    ejecuta(inserta(1, QStringLiteral("a")));
    corre({inserta(2, QStringLiteral("b")), inserta(1, QStringLiteral("otra"))}, true, false);

    EXPECT_TRUE(hayError);
    EXPECT_EQ(numero, 2627);
    EXPECT_FALSE(mensaje.isEmpty());
    EXPECT_FALSE(mensaje.contains(QStringLiteral("2627 : ")));
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_EQ(cuenta(QStringLiteral("T_LOTE")), 1);
    EXPECT_EQ(cuenta(QStringLiteral("AUX_ERR")), 1);
    EXPECT_TRUE(errorRegistrado(QStringLiteral("Descripcion")).toString().trimmed().isEmpty());
}

TEST_F(LoteSQLTest, AConstraintConflictIsQuietOnlyWithItsOwnFlag)
{
    corre({inserta(1, QStringLiteral("malo"))}, true, false);
    EXPECT_EQ(numero, 547);
    EXPECT_EQ(dialogos->avisos.size(), 1u);

    corre({inserta(1, QStringLiteral("malo"))}, false, true);
    EXPECT_TRUE(hayError);
    EXPECT_EQ(numero, 547);
    EXPECT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_FALSE(mensaje.startsWith(QStringLiteral("547 : ")));
    EXPECT_EQ(cuenta(QStringLiteral("AUX_ERR")), 2);
}

TEST_F(LoteSQLTest, WithoutShowFlagTheFailureIsStillLogged)
{
    corre({inserta(1, QStringLiteral("malo"))}, false, false, false);
    EXPECT_TRUE(hayError);
    EXPECT_TRUE(mensaje.startsWith(QStringLiteral("547 : ")));
    EXPECT_TRUE(dialogos->avisos.empty());
    EXPECT_EQ(cuenta(QStringLiteral("AUX_ERR")), 1);
}

TEST_F(LoteSQLTest, AFailingCommitIsAFailureNeverASuccess)
{
    // The batch ends its own transaction, so the routine's COMMIT has none.
    dialogos->responde(Resultado::Reintentar).responde(Resultado::Ignorar);
    corre({inserta(5, QStringLiteral("e")), QStringLiteral("COMMIT TRANSACTION")});

    EXPECT_TRUE(hayError);
    EXPECT_NE(numero, 0);
    ASSERT_EQ(dialogos->avisos.size(), 3u);
    EXPECT_TRUE(dialogos->avisos[0].titulo.endsWith(QStringLiteral(" - GActualizarDatoScript Aviso al operador!!! ")));
    EXPECT_EQ(dialogos->avisos[0].botones, 18);
    EXPECT_EQ(dialogos->avisos[1].titulo, dialogos->avisos[0].titulo);
    EXPECT_EQ(dialogos->avisos[2].titulo, QStringLiteral("Aviso al Operador!"));
    EXPECT_EQ(dialogos->avisos[2].mensaje, mensaje);
    EXPECT_EQ(cuenta(QStringLiteral("AUX_ERR")), 1);
    EXPECT_EQ(errorRegistrado(QStringLiteral("Error")).toInt(), numero);
}

TEST_F(LoteSQLTest, AbortOnAFailingCommitStillReportsTheFailure)
{
    dialogos->responde(Resultado::Abortar);
    corre({inserta(6, QStringLiteral("f")), QStringLiteral("COMMIT TRANSACTION")}, false, false, false);
    EXPECT_TRUE(hayError);
    EXPECT_NE(numero, 99);
    EXPECT_EQ(dialogos->avisos.size(), 1u);
    EXPECT_EQ(cuenta(QStringLiteral("AUX_ERR")), 1);
}

ErrorDatos errorDe(long nativo, const QString& descripcion)
{
    return ErrorDatos{NumeroError::ErrorDelServidor, nativo, descripcion, QString()};
}

TEST(TextoErroresServidor, ReportsEveryErrorButTheServersClosingNotice)
{
    EXPECT_EQ(TextoErroresServidor({}), QString());
    EXPECT_EQ(TextoErroresServidor({errorDe(2627, QStringLiteral("clave duplicada"))}),
              QStringLiteral("2627 : clave duplicada\r\n"));
    EXPECT_EQ(TextoErroresServidor({errorDe(2627, QStringLiteral("clave duplicada")),
                                    errorDe(3621, QStringLiteral("Se terminó la instrucción."))}),
              QStringLiteral("2627 : clave duplicada\r\n"));
    EXPECT_EQ(TextoErroresServidor({errorDe(547, QStringLiteral("a")), errorDe(2627, QStringLiteral("b")),
                                    errorDe(3621, QStringLiteral("c"))}),
              QStringLiteral("547 : a\r\n2627 : b\r\n"));
}

}
