#include "support/escaneo/BaseEscaneo.h"

#include "platform/base/Err.h"
#include "scanning/RegistroEscaneos.h"
#include "services/Objetos.h"

class RegistroEscaneos : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        inicia();
    }
    ConexionDatos& cn() { return ConexionPrincipal(); }
};

TEST(ClaveComprobante, TypeFittedToFourThenTheThirteenCharacters)
{
    EXPECT_EQ(ClaveComprobante(QStringLiteral("FC"), QStringLiteral("000100000012A")), QStringLiteral("FC  000100000012A"));
    EXPECT_EQ(ClaveComprobante(QStringLiteral("TKFC"), QStringLiteral("000100000012A")), QStringLiteral("TKFC000100000012A"));
    EXPECT_EQ(ClaveComprobante(QStringLiteral(" NC "), QStringLiteral("000100000012A")), QStringLiteral("NC  000100000012A"));
    EXPECT_EQ(ClaveComprobante(QString(), QString()), QStringLiteral("    "));
}

TEST(DivideComprobante, TypeAndNumberOfAVoucher)
{
    QString tc, id;
    EXPECT_TRUE(DivideComprobante(QStringLiteral("FC000100000012A"), tc, id));
    EXPECT_EQ(tc, QStringLiteral("FC"));
    EXPECT_EQ(id, QStringLiteral("000100000012A"));
    EXPECT_TRUE(DivideComprobante(QString(), tc, id));
    EXPECT_TRUE(tc.isEmpty());
    EXPECT_TRUE(id.isEmpty());
    EXPECT_FALSE(DivideComprobante(QStringLiteral("FC0001"), tc, id));
    EXPECT_FALSE(DivideComprobante(QStringLiteral("000100000012"), tc, id));
}

TEST(CodificaRutaArch, FolderAndNameAtTheLastSeparator)
{
    QString nombre, carpeta;
    CodificaRutaArch(QStringLiteral("/home/u/Imagenes/foto.jpg"), nombre, carpeta);
    EXPECT_EQ(carpeta, QStringLiteral("/home/u/Imagenes/"));
    EXPECT_EQ(nombre, QStringLiteral("foto.jpg"));
    CodificaRutaArch(QStringLiteral("foto.jpg"), nombre, carpeta);
    EXPECT_EQ(carpeta, QString());
    EXPECT_EQ(nombre, QStringLiteral("foto.jpg"));
    CodificaRutaArch(QStringLiteral("a/b\\c.bmp"), nombre, carpeta);
    EXPECT_EQ(carpeta, QStringLiteral("a/b\\"));
    EXPECT_EQ(nombre, QStringLiteral("c.bmp"));
}

TEST_F(RegistroEscaneos, InsertingARowWithAllItsColumns)
{
    FilaEscaneo fila{QStringLiteral("O'Brien"), ClaveComprobante(QStringLiteral("FC"), QStringLiteral("000100000099B")),
                     QDate(2025, 7, 9), QStringLiteral("demo"), QStringLiteral("/scan/d'or.bmp"), QStringLiteral("d'or"), QString()};
    EXPECT_EQ(EjecutaEnRegistro(cn(), SentenciaAltaEscaneo(cn(), fila)), QString());
    EXPECT_EQ(valor(QStringLiteral("SELECT Cpte FROM CTROL_ESCANEO WHERE NombreArchivo='d''or'")).toString(),
              QStringLiteral("FC  000100000099B"));
    EXPECT_EQ(valor(QStringLiteral("SELECT Cuenta FROM CTROL_ESCANEO WHERE NombreArchivo='d''or'")).toString(),
              QStringLiteral("O'Brien"));
    EXPECT_EQ(valor(QStringLiteral("SELECT RutaArchivo FROM CTROL_ESCANEO WHERE NombreArchivo='d''or'")).toString(),
              QStringLiteral("/scan/d'or.bmp"));
    EXPECT_EQ(valor(QStringLiteral("SELECT Fecha FROM CTROL_ESCANEO WHERE NombreArchivo='d''or'")).toDateTime().date(),
              QDate(2025, 7, 9));
    EXPECT_TRUE(valor(QStringLiteral("SELECT Eliminado FROM CTROL_ESCANEO WHERE NombreArchivo='d''or'")).isNull());
}

TEST_F(RegistroEscaneos, ExisteEscaneoCountsWithdrawnRowsToo)
{
    QString nombre = QStringLiteral("x"), ruta = QStringLiteral("y");
    EXPECT_TRUE(ExisteEscaneo(cn(), QStringLiteral("1001"), QStringLiteral("FC"), QStringLiteral("000100000012A"), nombre, ruta));
    EXPECT_EQ(nombre, QStringLiteral("factura-0001-00000012.jpg"));
    EXPECT_EQ(ruta, QStringLiteral("SCAN/"));
    // The demo's debit note was withdrawn; it still counts.
    EXPECT_TRUE(ExisteEscaneo(cn(), QStringLiteral("1002"), QStringLiteral("ND"), QStringLiteral("000100000002A"), nombre, ruta));
    EXPECT_EQ(nombre, QStringLiteral("nota-debito-0002.jpg"));
    EXPECT_FALSE(ExisteEscaneo(cn(), QStringLiteral("1002"), QStringLiteral("FC"), QStringLiteral("000100000012A"), nombre, ruta));
    EXPECT_EQ(nombre, QString());
    EXPECT_EQ(ruta, QString());
}

TEST_F(RegistroEscaneos, ExisteEscaneoReadsNullsAsEmptyText)
{
    ejecuta(QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta, Cpte) VALUES ('3001', 'RM  000200000005X')"));
    QString nombre = QStringLiteral("x"), ruta = QStringLiteral("y");
    EXPECT_TRUE(ExisteEscaneo(cn(), QStringLiteral("3001"), QStringLiteral("RM"), QStringLiteral("000200000005X"), nombre, ruta));
    EXPECT_EQ(nombre, QString());
    EXPECT_EQ(ruta, QString());
}

TEST_F(RegistroEscaneos, ExisteEscaneoWithAnApostropheDoesNotBreakTheQuery)
{
    QString nombre, ruta;
    EXPECT_FALSE(ExisteEscaneo(cn(), QStringLiteral("1001' OR '1'='1"), QStringLiteral("FC"),
                               QStringLiteral("000100000012A"), nombre, ruta));
}

TEST_F(RegistroEscaneos, TheWithdrawalMarksOnlyTheRowsOfTheChosenVoucher)
{
    ejecuta(QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, NombreArchivo) VALUES "
                           "('1001', 'FC  000100000012A', 'comun.bmp'), ('1001', 'FC  000100000012A', 'otro.bmp'), "
                           "('2001', 'FCC 000400001520A', 'comun.bmp')"));
    const QString sql = SentenciaRetiroEscaneo(cn(), QStringLiteral("demo"), QStringLiteral("comun.bmp"),
                                               QStringLiteral("1001"), QStringLiteral("FC  000100000012A"));
    EXPECT_EQ(EjecutaEnRegistro(cn(), sql), QString());
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='comun.bmp' AND Eliminado=1 "
                                    "AND EliminadoPor='demo' AND Cuenta='1001'")),
              1);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='2001' AND Eliminado IS NULL")), 2);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='otro.bmp' AND Eliminado IS NULL")), 1);
}

TEST_F(RegistroEscaneos, TheServersErrorIsReturnedAndOtherFailuresRaise)
{
    const QString error = EjecutaEnRegistro(cn(), QStringLiteral("INSERT INTO CTROL_ESCANEO_NO (Cuenta) VALUES ('1')"));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(error, cn().Conexion().Errors().Item(0).Description);
    cn().setEstaConectado(false);
    EXPECT_THROW(EjecutaEnRegistro(cn(), QStringLiteral("UPDATE CTROL_ESCANEO SET Eliminado=0")), Err);
}
