#include "BaseDePrueba.h"
#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <ctime>

namespace {

// Each row: the stored literal and the kind the recordset hands out.
struct Clase {
    const char* nombre;
    const char* tipoColumna;
    const char* literal;
    int tipoValor;
};

const Clase clases[] = {
    {"text", "TEXT COLLATE SQLSRV", "'O''Brien'", QMetaType::QString},
    {"empty text", "TEXT COLLATE SQLSRV", "''", QMetaType::QString},
    {"integer", "INTEGER", "42", QMetaType::LongLong},
    {"real", "REAL", "2.5", QMetaType::Double},
    {"bit", "BIT", "1", QMetaType::Bool},
    {"binary", "BLOB", "x'00ff'", QMetaType::QByteArray},
    {"date and time", "DATETIME", "'2024-02-29 23:59:59'", QMetaType::QDateTime},
    {"date alone", "DATETIME", "'2024-03-01'", QMetaType::QDateTime},
    {"date with fraction", "DATETIME", "'2024-03-01 10:00:00.25'", QMetaType::QDateTime},
    {"text in a date column", "DATETIME", "'mañana'", QMetaType::QString},
    {"expression like getdate", "", "'2024-05-06 07:08:09'", QMetaType::QDateTime},
};

std::vector<std::vector<QVariant>> filas(Recordset& rs)
{
    std::vector<std::vector<QVariant>> leidas;
    for (; !rs.EOF(); rs.MoveNext()) {
        leidas.emplace_back();
        for (int c = 0; c < rs.ContarCampos(); ++c)
            leidas.back().push_back(rs.Campo(c));
    }
    return leidas;
}

// TZ for the life of the object, then as it was.
class Zona {
public:
    explicit Zona(const char* zona) : tenia_(qEnvironmentVariableIsSet("TZ")), antes_(qgetenv("TZ"))
    {
        qputenv("TZ", zona);
        tzset();
    }
    ~Zona()
    {
        if (tenia_)
            qputenv("TZ", antes_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool tenia_;
    QByteArray antes_;
};

}  // namespace

TEST(LecturaFilas, AForwardOnlyRecordsetGivesTheRowsAnUpdatableOneHolds)
{
    for (const Clase& clase : clases) {
        SCOPED_TRACE(clase.nombre);
        const bool expresion = *clase.tipoColumna == '\0';
        BaseDePrueba b(QStringLiteral("CREATE TABLE T (Orden INTEGER, Valor %1);\n"
                                      "INSERT INTO T VALUES (1, %2), (2, NULL), (3, %2);\n")
                           .arg(QLatin1String(expresion ? "TEXT" : clase.tipoColumna), QLatin1String(clase.literal)));
        const QString sql = expresion ? QStringLiteral("SELECT Orden, Valor || '' AS Valor FROM T ORDER BY Orden")
                                      : QStringLiteral("SELECT Orden, Valor FROM T ORDER BY Orden");
        auto entera = b.db.AbreRecordset(sql, 2, 3);
        auto flujo = b.db.AbreRecordset(sql);
        EXPECT_EQ(flujo->BOF(), entera->BOF());
        const auto esperadas = filas(*entera);
        EXPECT_EQ(filas(*flujo), esperadas);
        ASSERT_EQ(esperadas.size(), 3u);
        EXPECT_EQ(esperadas[0][1].typeId(), clase.tipoValor);
        EXPECT_FALSE(esperadas[1][1].isValid());
        EXPECT_EQ(flujo->ContarFilas(), 3);
        flujo->MoveFirst();
        EXPECT_EQ(filas(*flujo), esperadas);
    }
}

TEST(LecturaFilas, TextsOfEveryLengthAndByteReadAsUtf8WhileTheCallerKeepsTheRowsBefore)
{
    // Row after row into the same cell: longer, shorter, empty, accented
    // letters only in the last bytes, wider characters, a leading BOM and
    // bytes that are no UTF-8.
    const QByteArray textos[] = {
        "una descripcion bastante larga del articulo",
        "corta",
        "",
        "a\xc3\xb1o",
        "total en \xe2\x82\xac",
        "\xc3\xb1" "and\xc3\xba \xe2\x82\xac 100",
        "\xef\xbb\xbf" "con BOM",
        "\xf0\x9f\x93\x84 factura",
        "suelta \x80 y cortada \xe2\x82",
        "larga: sobrelarga \xc0\xaf, sustituto \xed\xa0\x80, fuera de rango \xf4\x90\x80\x80",
        "x",
    };
    QString guion = QStringLiteral("CREATE TABLE T (Orden INTEGER, Texto TEXT COLLATE SQLSRV);\n");
    for (size_t i = 0; i < std::size(textos); ++i)
        guion += QStringLiteral("INSERT INTO T VALUES (%1, CAST(x'%2' AS TEXT));\n")
                     .arg(i)
                     .arg(QString::fromLatin1(textos[i].toHex()));
    BaseDePrueba b(guion);
    const QString sql = QStringLiteral("SELECT Texto FROM T ORDER BY Orden");
    for (const bool flujo : {true, false}) {
        for (const bool guardaFilas : {false, true}) {
            SCOPED_TRACE(std::string(flujo ? "forward-only" : "updatable") + (guardaFilas ? ", rows kept" : ""));
            auto rs = flujo ? b.db.AbreRecordset(sql) : b.db.AbreRecordset(sql, 2, 3);
            // What the caller keeps of a row must not change with the rows after it.
            std::vector<QVariant> copias;
            std::vector<QString> textosGuardados;
            for (size_t i = 0; !rs->EOF(); ++i, rs->MoveNext()) {
                ASSERT_LT(i, std::size(textos));
                const QVariant esperado(QString::fromUtf8(textos[i]));
                EXPECT_EQ(rs->Campo(0), esperado) << i;
                EXPECT_EQ(rs->Campo(0).isNull(), esperado.isNull()) << i;
                if (guardaFilas) {
                    copias.push_back(rs->Campo(0));
                    textosGuardados.push_back(rs->Campo(0).toString());
                }
            }
            for (size_t i = 0; i < copias.size(); ++i) {
                EXPECT_EQ(copias[i], QVariant(QString::fromUtf8(textos[i]))) << i;
                EXPECT_EQ(textosGuardados[i], QString::fromUtf8(textos[i])) << i;
            }
            EXPECT_EQ(copias.size(), guardaFilas ? std::size(textos) : 0u);
        }
    }
}

TEST(LecturaFilas, DatesReadBackAtTheEdgesOfDaysMonthsLeapDaysAndClockChanges)
{
    struct Caso {
        const char* zona;
        const char* texto;
        QDate dia;  // invalid: the text is no local time there and stays text
        QTime hora;
    };
    const char* madrid = "Europe/Madrid";
    const char* buenosAires = "America/Argentina/Buenos_Aires";
    const Caso casos[] = {
        {madrid, "2024-12-31 23:59:59", {2024, 12, 31}, {23, 59, 59}},
        {madrid, "2025-01-01 00:00:00", {2025, 1, 1}, {0, 0}},
        {madrid, "2024-02-29 00:00:00", {2024, 2, 29}, {0, 0}},
        {madrid, "2024-03-01", {2024, 3, 1}, {0, 0}},
        {madrid, "2024-04-30 23:59:59.999", {2024, 4, 30}, {23, 59, 59, 999}},
        {madrid, "2024-03-31 01:59:59", {2024, 3, 31}, {1, 59, 59}},
        {madrid, "2024-03-31 02:30:00", {}, {}},
        {madrid, "2024-03-31 03:00:00", {2024, 3, 31}, {3, 0}},
        {madrid, "2024-10-27 02:30:00", {2024, 10, 27}, {2, 30}},
        {madrid, "2024-06-01 12:00:00", {2024, 6, 1}, {12, 0}},
        // Here the clocks changed at midnight: a day alone starts when its first hour does.
        {buenosAires, "2007-12-29 23:59:59", {2007, 12, 29}, {23, 59, 59}},
        {buenosAires, "2007-12-30 00:30:00", {}, {}},
        {buenosAires, "2007-12-30", {2007, 12, 30}, {1, 0}},
        {buenosAires, "2008-03-15 23:30:00", {2008, 3, 15}, {23, 30}},
        {buenosAires, "2008-03-16 00:00:00", {2008, 3, 16}, {0, 0}},
        {buenosAires, "2024-06-01 12:00:00", {2024, 6, 1}, {12, 0}},
    };
    BaseDePrueba b(QStringLiteral("CREATE TABLE T (Orden INTEGER, Cuando DATETIME);\n"));
    for (const char* nombreZona : {madrid, buenosAires}) {
        const Zona zona(nombreZona);
        std::vector<const Caso*> deLaZona;
        b.db.Ejecuta(QStringLiteral("DELETE FROM T"));
        // Every value twice, the second time after the others.
        for (const Caso& caso : casos) {
            if (qstrcmp(caso.zona, nombreZona) != 0)
                continue;
            deLaZona.push_back(&caso);
            b.db.Ejecuta(QStringLiteral("INSERT INTO T VALUES (%1, '%2'), (%1 + 100, '%2')")
                             .arg(deLaZona.size())
                             .arg(QLatin1String(caso.texto)));
        }
        auto rs = b.db.AbreRecordset(QStringLiteral("SELECT Cuando FROM T ORDER BY Orden"));
        for (size_t fila = 0; fila < 2 * deLaZona.size(); ++fila, rs->MoveNext()) {
            const Caso& caso = *deLaZona[fila % deLaZona.size()];
            SCOPED_TRACE(std::string(caso.zona) + " " + caso.texto);
            const QVariant leido = rs->Campo(QStringLiteral("Cuando"));
            if (!caso.dia.isValid()) {
                EXPECT_EQ(leido, QVariant(QString::fromLatin1(caso.texto)));
                continue;
            }
            ASSERT_EQ(leido.typeId(), QMetaType::QDateTime);
            const QDateTime fecha = leido.toDateTime();
            EXPECT_EQ(fecha.timeSpec(), Qt::LocalTime);
            EXPECT_EQ(fecha.date(), caso.dia);
            EXPECT_EQ(fecha.time(), caso.hora);
            EXPECT_EQ(fecha.toMSecsSinceEpoch(), QDateTime(caso.dia, caso.hora).toMSecsSinceEpoch());
        }
        EXPECT_TRUE(rs->EOF());
    }
}

TEST(LecturaFilas, OtherStatementsRunAsIfTheReaderHadReadEveryRowWhenItOpened)
{
    // Rows in key order come straight from the table as the cursor moves.
    BaseDePrueba b(QStringLiteral("CREATE TABLE T (Orden INTEGER PRIMARY KEY, Nombre TEXT COLLATE SQLSRV);\n"
                                  "INSERT INTO T VALUES (1, 'uno'), (2, 'dos'), (3, 'tres');\n"));
    ConexionDatos vecina;
    vecina.setServidor(QStringLiteral("sqlite"));
    vecina.setBaseDatos(b.archivo);
    vecina.Conecta(false, 3, QString(), false, false);
    ASSERT_TRUE(vecina.EstaConectado());
    const auto nombre = [](ConexionDatos& db, int orden) {
        return db.BuscaValor(QStringLiteral("T"), orden, QStringLiteral("Nombre"), QStringLiteral("Orden")).toString();
    };
    const QString sql = QStringLiteral("SELECT Orden, Nombre FROM T ORDER BY Orden");
    auto rs = b.db.AbreRecordset(sql);
    rs->MoveNext();
    vecina.Ejecuta(QStringLiteral("UPDATE T SET Nombre = 'de la vecina' WHERE Orden = 3"));
    EXPECT_EQ(nombre(b.db, 3), QStringLiteral("de la vecina"));
    b.db.Ejecuta(QStringLiteral("UPDATE T SET Nombre = 'cambiado' WHERE Orden < 3"));
    EXPECT_EQ(nombre(vecina, 2), QStringLiteral("cambiado"));
    EXPECT_EQ(rs->ContarFilas(), 3);
    EXPECT_EQ(rs->Campo(QStringLiteral("Nombre")), QVariant(QStringLiteral("dos")));
    rs->MoveNext();
    EXPECT_EQ(rs->Campo(QStringLiteral("Nombre")), QVariant(QStringLiteral("tres")));
    // The first row is gone: going back runs the statement again.
    rs->MoveFirst();
    EXPECT_EQ(rs->Campo(QStringLiteral("Nombre")), QVariant(QStringLiteral("cambiado")));
    // Two readers of the same text at once each read every row.
    auto exterior = b.db.AbreRecordset(sql);
    auto interior = b.db.AbreRecordset(sql);
    EXPECT_EQ(filas(*interior).size(), 3u);
    EXPECT_EQ(filas(*exterior).size(), 3u);
}

TEST(LecturaFilas, ARowTheServerCannotGiveFailsWhenTheCursorReachesIt)
{
    for (const bool otraSentencia : {false, true}) {
        SCOPED_TRACE(otraSentencia ? "after another statement ran" : "moving on");
        // In key order each row is worked out as it is read.
        BaseDePrueba b(QStringLiteral("CREATE TABLE T (Orden INTEGER PRIMARY KEY, Nombre TEXT COLLATE SQLSRV, "
                                      "Largo INTEGER);\n"
                                      "INSERT INTO T VALUES (1, 'uno', 2), (2, 'dos', -1);\n"));
        auto rs = b.db.AbreRecordset(QStringLiteral("SELECT LEFT(Nombre, Largo) AS Corto FROM T ORDER BY Orden"));
        EXPECT_EQ(rs->Campo(QStringLiteral("Corto")), QVariant(QStringLiteral("un")));
        if (otraSentencia)
            b.db.Ejecuta(QStringLiteral("UPDATE T SET Largo = 1"));
        EXPECT_EQ(numeroDeError([&] { rs->MoveNext(); }), NumeroError::ErrorDelServidor);
        ASSERT_EQ(b.db.Conexion().Errors().Count(), 1);
        EXPECT_TRUE(b.db.Conexion().Errors().Item(0).Description.contains(QLatin1String("left")));
        EXPECT_TRUE(rs->EOF());
    }
}

TEST(LecturaFilas, AReaderClosedMidwayOrOutlivingItsConnectionFailsAsTheCallersExpect)
{
    BaseDePrueba b(QStringLiteral("CREATE TABLE T (Orden INTEGER);\nINSERT INTO T VALUES (1), (2), (3);\n"));
    const QString sql = QStringLiteral("SELECT Orden FROM T ORDER BY Orden");
    auto cerrado = b.db.AbreRecordset(sql);
    cerrado->Close();
    EXPECT_EQ(numeroDeError([&] { cerrado->EOF(); }), 3704);
    EXPECT_EQ(numeroDeError([&] { cerrado->MoveNext(); }), 3704);
    EXPECT_EQ(numeroDeError([&] { cerrado->Campo(0); }), 3704);
    // Closed, its statement serves the next reader from the start.
    auto rs = b.db.AbreRecordset(sql);
    EXPECT_EQ(rs->Campo(0).toLongLong(), 1);
    rs->MoveNext();
    b.db.Conexion().Close();
    // The rows left stay readable; going back needs the connection.
    EXPECT_EQ(rs->Campo(0).toLongLong(), 2);
    rs->MoveNext();
    EXPECT_EQ(rs->Campo(0).toLongLong(), 3);
    rs->MoveNext();
    EXPECT_TRUE(rs->EOF());
    EXPECT_EQ(numeroDeError([&] { rs->MoveFirst(); }), 3704);
    EXPECT_EQ(numeroDeError([&] { rs->AddNew(); }), 3251);
}
