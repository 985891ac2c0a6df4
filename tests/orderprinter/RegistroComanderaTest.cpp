#include "BaseComandera.h"

#include <QFile>

namespace {

using RegistroComanderaTest = BaseComandera;

TEST_F(RegistroComanderaTest, FieldsSitAtTheirOffsetsInWindows1252)
{
    RegistroComandera r = registro(QStringLiteral("Cocina"), QStringLiteral("COM2"));
    r.ImprimeEncabezado1 = QStringLiteral("S");
    r.Encabezado1 = QStringLiteral("Peña");
    r.ImprimeEncabezado2 = QStringLiteral("s");
    r.ImprimeNumero = QStringLiteral("S");
    r.ImprimeCliente = QStringLiteral("N");
    r.ImprimePie = QStringLiteral("S");
    r.Pie = QStringLiteral("Gracias");
    r.DosLineas = QStringLiteral("S");
    const QByteArray bytes = r.aBytes();
    ASSERT_EQ(bytes.size(), RegistroComandera::Largo);
    const struct {
        int desde, ancho;
        QByteArray valor;
    } campos[] = {
        {0, 254, estacion().toLatin1()}, {254, 150, "Cocina"}, {404, 5, "COM2"}, {411, 1, "S"},
        {412, 150, "Pe\xf1" "a"}, {562, 1, "s"}, {713, 1, "S"}, {714, 1, "N"}, {715, 1, "S"},
        {716, 150, "Gracias"}, {907, 1, "S"},
    };
    for (const auto& c : campos)
        EXPECT_EQ(bytes.mid(c.desde, c.ancho), c.valor.leftJustified(c.ancho, ' ')) << c.desde;
    EXPECT_EQ(RegistroComandera::desdeBytes(bytes).aBytes(), bytes);
    EXPECT_TRUE(Activo(r.ImprimeEncabezado2));
    EXPECT_FALSE(Activo(r.ImprimeCliente));
}

TEST_F(RegistroComanderaTest, TheFirstRecordOfThisStationForThePrinterWins)
{
    RegistroComandera otra = registro(QStringLiteral("BARRA"));
    otra.Estacion = QStringLiteral("OTRA-PC|alguien");
    RegistroComandera sinNombre = registro(QString());
    RegistroComandera cocina = registro(QStringLiteral("Cocina"), QStringLiteral("COM5"));
    cocina.Estacion = estacion().toLower();
    RegistroComandera barra = registro(QStringLiteral("BARRA"), QStringLiteral("COM6"));
    barra.Estacion = estacion().toUpper();
    escribe({otra, sinNombre, cocina, barra});

    const struct {
        QString buscada;
        bool encuentra;
        QString puerto;
    } casos[] = {
        {QStringLiteral("Barra"), true, QStringLiteral("COM6")},
        {QString(), true, QStringLiteral("COM5")},
        {QStringLiteral("cocina"), true, QStringLiteral("COM5")},
        {QStringLiteral("Salon"), false, QString()},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(ExisteComandera(c.buscada), c.encuentra) << c.buscada.toStdString();
        if (c.encuentra) {
            EXPECT_EQ(TextoDeRegistro(RegistroActualComandera().Puerto), c.puerto);
        }
    }
    // A failed search leaves the last record found, never a stale one of the file.
    EXPECT_EQ(TextoDeRegistro(RegistroActualComandera().ImpresoraComandera), "Cocina");
}

TEST_F(RegistroComanderaTest, MissingFilesPartialRecordsAndNulFieldsFindNothing)
{
    EXPECT_FALSE(ExisteComandera(QString()));
    EXPECT_FALSE(QFile::exists(ArchivoComanderas()));

    // One whole record and a partial second one: only the first is read.
    QByteArray bytes = registro(QStringLiteral("Cocina")).aBytes();
    bytes += registro(QStringLiteral("Barra")).aBytes().left(RegistroComandera::Largo - 1);
    // A printer field never written holds NULs: that record is passed over.
    QByteArray nulos = registro(QStringLiteral("x")).aBytes();
    nulos.replace(254, 150, QByteArray(150, '\0'));
    QFile archivo(ArchivoComanderas());
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(nulos + bytes);
    archivo.close();

    EXPECT_TRUE(ExisteComandera(QString()));
    EXPECT_EQ(TextoDeRegistro(RegistroActualComandera().ImpresoraComandera), "Cocina");
    EXPECT_FALSE(ExisteComandera(QStringLiteral("Barra")));
    EXPECT_EQ(archivo.size(), 3 * RegistroComandera::Largo - 1);
}

}
