#include "BaseDePrueba.h"
#include "support/NumeroDeError.h"

#include "support/DialogosGuionados.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

const QString esquema = QStringLiteral(
    "CREATE TABLE CLIENTES (Codigo TEXT COLLATE SQLSRV PRIMARY KEY, Nombre TEXT COLLATE SQLSRV, Baja BIT);\n"
    "INSERT INTO CLIENTES VALUES ('1', 'O''Brien', 0), ('2', 'Pérez', 1);\n");


}  // namespace

TEST(FormatoLiteral, QuotesTextAndWritesEveryKindUnambiguously)
{
    ConexionDatos db;
    db.setServidor(QStringLiteral("sqlite"));
    EXPECT_EQ(db.FormatoLiteral(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    EXPECT_EQ(db.FormatoLiteral(QStringLiteral("x' OR '1'='1"), QStringLiteral("'")),
              QStringLiteral("'x'' OR ''1''=''1'"));
    EXPECT_EQ(db.FormatoLiteral(QVariant()), QStringLiteral("NULL"));
    EXPECT_EQ(db.FormatoLiteral(true), QStringLiteral("1"));
    EXPECT_EQ(db.FormatoLiteral(2.5, QStringLiteral("@")), QStringLiteral("2.5"));
    EXPECT_EQ(db.FormatoLiteral(12, QStringLiteral("'")), QStringLiteral("'12'"));
    EXPECT_EQ(db.FormatoLiteral(QStringLiteral(" 3,75 "), QStringLiteral("@")), QStringLiteral("3.75"));
    EXPECT_EQ(db.FormatoLiteral(QString(), QStringLiteral("@")), QStringLiteral("0"));
    EXPECT_EQ(numeroDeError([&] { db.FormatoLiteral(QStringLiteral("1; DROP TABLE x"), QStringLiteral("@")); }),
              NumeroError::TiposNoCoinciden);
    EXPECT_EQ(db.FormatoLiteral(QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5))), QStringLiteral("'2025-01-02 03:04:05'"));
    ConexionDatos servidor;
    servidor.setServidor(QStringLiteral("SRV01"));
    EXPECT_EQ(servidor.LiteralFecha(QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5))), QStringLiteral("'20250102 03:04:05'"));
}

TEST(ConexionDatos, PropertiesAreKeptAndTheClosedConnectionRefusesWork)
{
    ConexionDatos db;
    db.setServidor(QStringLiteral("sqlite"));
    db.setUsuario(QStringLiteral("QX"));
    db.setPassword(QStringLiteral("secreta"));
    db.setMotor(QStringLiteral("SQLSERVER"));
    EXPECT_EQ(db.Usuario(), QStringLiteral("QX"));
    EXPECT_EQ(db.Password(), QStringLiteral("secreta"));
    EXPECT_EQ(db.ObtieneMotor(), QStringLiteral("SQLSERVER"));
    EXPECT_FALSE(db.EstaConectado());
    EXPECT_EQ(numeroDeError([&] { db.Conexion().Close(); }), 3704);
    EXPECT_EQ(numeroDeError([&] { db.Conexion().setDefaultDatabase(QStringLiteral("X")); }), 3704);
    EXPECT_EQ(numeroDeError([&] { db.AbreRecordset(QStringLiteral("SELECT 1")); }), 3704);
    db.Conexion().setCommandTimeout(360);
    EXPECT_EQ(db.Conexion().CommandTimeout(), 360);
}

TEST(ConexionDatos, ClosingDropsTheConnection)
{
    BaseDePrueba b(esquema);
    EXPECT_EQ(b.db.ObtieneMotor(), QStringLiteral("sqlite"));
    EXPECT_EQ(b.db.Proveedor(), QStringLiteral("SQLite"));
    b.db.Conexion().setDefaultDatabase(QStringLiteral("QX_PRESIDIUMBAR"));
    EXPECT_EQ(b.db.Conexion().DefaultDatabase(), QStringLiteral("QX_PRESIDIUMBAR"));
    auto rs = b.db.AbreRecordset(QStringLiteral("SELECT * FROM CLIENTES"), 2, 3);
    EXPECT_NE(b.nativo(QStringLiteral("SELECT * FROM NO_EXISTE")), 0);
    // Callers that judge by the collection get the server's error there, not raised.
    EXPECT_NO_THROW(b.db.EjecutaDejandoErrores(QStringLiteral("DELETE FROM NO_EXISTE")));
    EXPECT_EQ(b.db.Conexion().Errors().Item(0).NativeError, 208);
    b.db.Conexion().Close();
    EXPECT_FALSE(b.db.EstaConectado());
    // A statement on the closed connection leaves no older error behind.
    EXPECT_EQ(numeroDeError([&] { b.db.Ejecuta(QStringLiteral("DELETE FROM CLIENTES")); }), 3704);
    EXPECT_EQ(b.db.Conexion().Errors().Count(), 0);
    EXPECT_EQ(numeroDeError([&] { b.db.EjecutaDejandoErrores(QStringLiteral("DELETE FROM CLIENTES")); }), 3704);
    // A recordset that outlived its connection finds it closed.
    rs->MoveFirst();
    rs->AsignaCampo(QStringLiteral("Nombre"), QStringLiteral("x"));
    EXPECT_EQ(numeroDeError([&] { rs->Update(); }), 3704);
    b.db.setEstaConectado(true);
    EXPECT_TRUE(b.db.EstaConectado());
    b.db.setEstaConectado(false);
    EXPECT_FALSE(b.db.EstaConectado());
}

TEST(ConexionDatos, LookupsQuoteTheirValues)
{
    BaseDePrueba b(esquema);
    EXPECT_EQ(b.db.BuscaValor(QStringLiteral("CLIENTES"), QStringLiteral("o'brien"), QStringLiteral("Codigo"),
                              QStringLiteral("Nombre")),
              QVariant(QStringLiteral("1")));
    EXPECT_TRUE(b.db.BuscaValor(QStringLiteral("CLIENTES"), QStringLiteral("9"), QStringLiteral("Nombre"),
                                QStringLiteral("Codigo"))
                    .isNull());
    EXPECT_TRUE(b.db.Existe(QStringLiteral("CLIENTES"), QStringLiteral("PÉREZ "), QStringLiteral("Nombre")));
    EXPECT_FALSE(b.db.Existe(QStringLiteral("CLIENTES"), QStringLiteral("Pérez"), QStringLiteral("Nombre"),
                             QStringLiteral("Baja = 0")));
    EXPECT_FALSE(b.db.Existe(QStringLiteral("CLIENTES"), QStringLiteral("x' OR '1'='1"), QStringLiteral("Nombre")));
    EXPECT_EQ(b.cuenta(QStringLiteral("CLIENTES")), 2);
}

TEST(ConexionDatos, ARowLookupCanLeaveTheRowForTheCaller)
{
    BaseDePrueba b(esquema);
    std::unique_ptr<Recordset> fila;
    ASSERT_TRUE(b.db.Existe(QStringLiteral("CLIENTES"), QStringLiteral("PÉREZ"), QStringLiteral("Nombre"), QString(),
                            &fila));
    ASSERT_TRUE(fila);
    EXPECT_EQ(fila->Campo(QStringLiteral("codigo")).toString(), QStringLiteral("2"));
    EXPECT_EQ(fila->Campo(QStringLiteral("Baja")).toInt(), 1);
    EXPECT_FALSE(b.db.Existe(QStringLiteral("CLIENTES"), QStringLiteral("nadie"), QStringLiteral("Nombre"), QString(),
                             &fila));
    ASSERT_TRUE(fila);
    EXPECT_TRUE(fila->BOF());
}

TEST(Recordset, FieldsAreFoundByNameWhateverTheCaseOfTheirLetters)
{
    const QStringList columnas = {QStringLiteral("Codigo"), QStringLiteral("AÑO"), QStringLiteral("A@"),
                                  QStringLiteral("Dto[1]"), QStringLiteral("IMPORTE_S_IVA")};
    const struct {
        const char16_t* nombre;
        int indice;  // -1: no such column
    } casos[] = {{u"Codigo", 0},       {u"CODIGO", 0},  {u"año", 1},    {u"a@", 2},
                 {u"A`", -1},          {u"DTO[1]", 3},  {u"Dto{1}", -1}, {u"importe_s_iva", 4},
                 {u"importe_s_iv", -1}, {u"Codig0", -1}};
    for (const auto& caso : casos) {
        const QString nombre = QString::fromUtf16(caso.nombre);
        if (caso.indice < 0)
            EXPECT_EQ(numeroDeError([&] { IndiceDeCampo(columnas, nombre); }), NumeroError::ElementoNoEncontrado)
                << qPrintable(nombre);
        else
            EXPECT_EQ(IndiceDeCampo(columnas, nombre), caso.indice) << qPrintable(nombre);
    }

    // Row after row, in the order the columns come or not, in any case.
    Recordset rs({QStringLiteral("Codigo"), QStringLiteral("Nombre")},
                 {{1, QStringLiteral("uno")}, {2, QStringLiteral("dos")}});
    for (int fila = 1; fila <= 2; ++fila) {
        EXPECT_EQ(rs.Campo(QStringLiteral("NOMBRE")).toString(),
                  fila == 1 ? QStringLiteral("uno") : QStringLiteral("dos"));
        EXPECT_EQ(rs.Campo(QStringLiteral("codigo")).toInt(), fila);
        rs.MoveNext();
    }
    // Names that differ only in case give the first of them, as they always did.
    Recordset doble({QStringLiteral("Importe"), QStringLiteral("IMPORTE")}, {{1, 2}});
    EXPECT_EQ(doble.Campo(QStringLiteral("Importe")).toInt(), 1);
    EXPECT_EQ(doble.Campo(QStringLiteral("importe")).toInt(), 1);
}

TEST(Recordset, CursorAndFieldsBehaveAsTheCallersTestThem)
{
    BaseDePrueba b(esquema);
    auto vacio = b.db.AbreRecordset(QStringLiteral("SELECT * FROM CLIENTES WHERE Codigo = '9'"));
    EXPECT_TRUE(vacio->BOF());
    EXPECT_TRUE(vacio->EOF());
    EXPECT_EQ(numeroDeError([&] { vacio->Campo(QStringLiteral("Nombre")); }), NumeroError::SinRegistroActual);
    auto rs = b.db.AbreRecordset(QStringLiteral("SELECT Codigo, Nombre, Baja FROM CLIENTES ORDER BY Codigo"));
    EXPECT_FALSE(rs->BOF());
    EXPECT_EQ(rs->Campo(QStringLiteral("NOMBRE")).toString(), QStringLiteral("O'Brien"));
    EXPECT_EQ(rs->Campo(QStringLiteral("Baja")), QVariant(false));
    EXPECT_EQ(numeroDeError([&] { rs->Campo(QStringLiteral("Falta")); }), NumeroError::ElementoNoEncontrado);
    rs->MoveNext();
    rs->MoveNext();
    EXPECT_TRUE(rs->EOF());
    EXPECT_EQ(numeroDeError([&] { rs->MoveNext(); }), NumeroError::SinRegistroActual);
    rs->MoveFirst();
    EXPECT_EQ(rs->Campo(0).toString(), QStringLiteral("1"));
    EXPECT_EQ(numeroDeError([&] { rs->AsignaCampo(QStringLiteral("Nombre"), 1); }), 3251);
    b.db.CierraRecordset(rs);
    EXPECT_FALSE(rs);
    vacio->Close();
    EXPECT_EQ(numeroDeError([&] { vacio->EOF(); }), 3704);
}

TEST(ErroresDatos, AnItemOutOfRangeIsSubscriptError)
{
    ErroresDatos errores;
    errores.Agrega(ErrorDatos{NumeroError::ErrorDelServidor, 2627, QStringLiteral("duplicada"), QStringLiteral("23000")});
    EXPECT_EQ(errores.Item(0).NativeError, 2627);
    EXPECT_EQ(numeroDeError([&] { errores.Item(1); }), NumeroError::SubindiceFueraDeRango);
    EXPECT_EQ(numeroDeError([&] { errores.Item(-1); }), NumeroError::SubindiceFueraDeRango);
}

TEST(ConexionDatos, ErrorDialogIsTheSharedOne)
{
    QTemporaryDir dir;
    qputenv("TEMP", dir.path().toUtf8());
    ConDialogosGuionados d;
    d->responde(5);
    ConexionDatos db;
    EXPECT_EQ(db.MuestraErrorDatos(Err(2627, QStringLiteral("clave duplicada")), 18, QStringLiteral("Grabar")), 5);
    ASSERT_EQ(d->avisos.size(), 1u);
    EXPECT_TRUE(d->avisos[0].mensaje.contains(QStringLiteral("clave duplicada")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("CVERR.LOG"))));
    qunsetenv("TEMP");
}
