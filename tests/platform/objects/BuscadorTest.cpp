#include "platform/objects/Buscador.h"

#include "platform/data/ConexionDatos.h"
#include "support/DialogosGuionados.h"
#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sqlite3.h>

namespace {

class Busqueda : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QByteArray archivo = dir.filePath("contactos.db").toUtf8();
        sqlite3* base = nullptr;
        ASSERT_EQ(sqlite3_open(archivo.constData(), &base), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(base,
                               "CREATE TABLE vt_e_mail (razonsocial TEXT, email TEXT, saldo REAL, telefono TEXT);"
                               "INSERT INTO vt_e_mail VALUES ('Acme SA', 'ventas@acme.test', 1234.5, NULL),"
                               " ('Beta SRL', 'beta@beta.test', 0, '555'), ('Gama', 'gama@gama.test', -1, '');",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(base);
        conexion.setServidor("sqlite");
        conexion.setBaseDatos(QString::fromUtf8(archivo));
        conexion.Conecta(false, 3, QString(), true, true);
        ASSERT_TRUE(conexion.EstaConectado());
        buscador.setConexion(&conexion);
    }

    static QVariant filas(std::initializer_list<int> elegidas) { return QVariant::fromValue(QList<int>(elegidas)); }

    const QString consulta = QStringLiteral("Select * from vt_e_mail order by razonsocial");
    QTemporaryDir dir;
    ConexionDatos conexion;
    Buscador buscador;
    ConDialogosGuionados d;
};

}

TEST_F(Busqueda, ShowsEveryRowAsTextAndReturnsTheChosenRowsColumn)
{
    EXPECT_FALSE(buscador.Seleccion().has_value());
    buscador.setCampoRetorno("email");
    d->responde(filas({1}));
    buscador.Busca(consulta, "Contactos");

    ASSERT_EQ(d->avisos.size(), 1u);
    EXPECT_EQ(d->avisos[0].titulo, "Contactos");
    EXPECT_EQ(d->avisos[0].botones, 0);  // single choice
    EXPECT_EQ(d->avisos[0].columnas, QStringList({"razonsocial", "email", "saldo", "telefono"}));
    ASSERT_EQ(d->avisos[0].filas.size(), 3);
    EXPECT_EQ(d->avisos[0].filas[0], QStringList({"Acme SA", "ventas@acme.test", "1234.5", ""}));
    EXPECT_EQ(buscador.Seleccion(), QStringList{"beta@beta.test"});
}

TEST_F(Busqueda, SeveralRowsInRowOrderNoneWhenCancelledFirstColumnByDefault)
{
    buscador.setSeleccionMultiple(true);
    buscador.setCampoRetorno("EMAIL");
    d->responde(filas({0, 2})).responde(filas({})).responde(filas({0}));
    buscador.Busca(consulta);
    EXPECT_EQ(d->avisos[0].botones, 1);  // multiple choice
    EXPECT_EQ(buscador.Seleccion(), QStringList({"ventas@acme.test", "gama@gama.test"}));
    buscador.Busca(consulta);
    EXPECT_EQ(buscador.Seleccion(), QStringList());
    buscador.setCampoRetorno("");
    buscador.Busca(consulta);
    EXPECT_EQ(buscador.Seleccion(), QStringList{"Acme SA"});
}

TEST_F(Busqueda, FailuresRaiseBeforeAnyDialogAndClearTheLastSelection)
{
    d->responde(filas({0}));
    buscador.Busca(consulta);
    EXPECT_NE(numeroDeError([&] { buscador.Busca("Select * from no_existe"); }), 0);
    EXPECT_FALSE(buscador.Seleccion().has_value());
    buscador.setCampoRetorno("correo");
    EXPECT_EQ(numeroDeError([&] { buscador.Busca(consulta); }), NumeroError::ElementoNoEncontrado);
    EXPECT_EQ(d->avisos.size(), 1u);
    EXPECT_EQ(numeroDeError([&] { Buscador().Busca(consulta); }), 91);
}
