#include "support/escaneo/BaseEscaneo.h"

#include "platform/base/ArchivoSeguro.h"
#include "scanning/AsignacionImagen.h"
#include "scanning/SeleccionGrilla.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFileInfo>

TEST(SeleccionDeFila, TheVoucherCellSplitsByItsLengthAndTheViewChoosesTheWriter)
{
    const struct {
        const char* celda;
        VistaDeFila vista;
        const char* resTc;
        const char* tipo;
        const char* numero;
        bool venta;
        std::optional<bool> vistaVentas;
    } casos[] = {
        {"FC000100000012A", VistaDeFila::Desconocida, "FC", "FC", "00000012", true, std::nullopt},
        {"NCC000400000211A", VistaDeFila::Desconocida, "NCC", "NCC", "00000211", false, std::nullopt},
        {"TKFC000100000012A", VistaDeFila::Desconocida, "TKFC", "TKFC", "00000012", true, std::nullopt},
        {"FC  000100000012A", VistaDeFila::Desconocida, "FC  ", "FC", "00000012", true, std::nullopt},
        {"fc  000100000012A", VistaDeFila::Desconocida, "fc  ", "fc", "00000012", true, std::nullopt},
        // A sales-side voucher of a type outside the sales list follows its view.
        {"ND  000100000002A", VistaDeFila::Ventas, "ND  ", "ND", "00000002", true, true},
        {"ND  000100000002A", VistaDeFila::Desconocida, "ND  ", "ND", "00000002", false, std::nullopt},
        {"PG  000100000031X", VistaDeFila::Ventas, "PG  ", "PG", "00000031", false, true},
        {"FC  000400000001A", VistaDeFila::Compras, "FC  ", "FC", "00000001", false, false},
        {"", VistaDeFila::Desconocida, "", "", "", false, std::nullopt},
    };
    for (const auto& c : casos) {
        const SeleccionDeFila s = SeleccionaFila(QLatin1String(c.celda), c.vista);
        EXPECT_EQ(s.ResTC, QLatin1String(c.resTc)) << c.celda;
        EXPECT_EQ(s.tipo, QLatin1String(c.tipo)) << c.celda;
        EXPECT_EQ(s.numero, QLatin1String(c.numero)) << c.celda;
        EXPECT_EQ(s.esVenta, c.venta) << c.celda;
        EXPECT_EQ(s.usaVMvCpte, c.vistaVentas) << c.celda;
    }
    const SeleccionDeFila fc = SeleccionaFila(QStringLiteral("FC000100000012A"), VistaDeFila::Desconocida);
    EXPECT_EQ(fc.ResCpte, QStringLiteral("000100000012A"));
    EXPECT_EQ(fc.sucursal, QStringLiteral("0001"));
    EXPECT_EQ(fc.letra, QStringLiteral("A"));
}

TEST(ArchivoElegido, ATypedPathWinsOverTheGridName)
{
    EXPECT_EQ(ArchivoElegido(QStringLiteral("factura.jpg"), QStringLiteral(" /home/u/otra.jpg ")),
              QStringLiteral("/home/u/otra.jpg"));
    EXPECT_EQ(ArchivoElegido(QStringLiteral("factura.jpg"), QStringLiteral("factura.jpg")), QStringLiteral("factura.jpg"));
    EXPECT_EQ(ArchivoElegido(QStringLiteral("/home/u/elegida.jpg"), QStringLiteral("escrito.jpg")),
              QStringLiteral("/home/u/elegida.jpg"));
    EXPECT_EQ(ArchivoElegido(QString(), QStringLiteral(" escrito.jpg ")), QStringLiteral("escrito.jpg"));
    EXPECT_EQ(ArchivoElegido(QString(), QStringLiteral("  ")), QString());
}

class AsignacionImagen : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        inicia();
        afuera = dir.filePath(QStringLiteral("afuera")) + QLatin1Char('/');
        QDir().mkpath(afuera);
    }
    void crea(const QString& ruta, const QByteArray& contenido = "imagen") { EscribeArchivoCompleto(ruta, contenido); }
    ArchivoAsignado trae(const QString& ruta, const QString& carpeta)
    {
        return TraeAlEscaneo(ruta, carpeta, QDateTime(QDate(2026, 1, 5), QTime(10, 7, 45)), 9);
    }

    QString afuera;
};

TEST_F(AsignacionImagen, AFileOutsideIsCopiedInNeverOverAnother)
{
    crea(afuera + QStringLiteral("foto.jpg"), "nueva");
    const ArchivoAsignado libre = trae(afuera + QStringLiteral("foto.jpg"), carpetaEscaneo.chopped(1));
    EXPECT_EQ(libre.rechazo, QString());
    EXPECT_EQ(libre.NombreArchivo, QStringLiteral("foto.jpg"));
    EXPECT_EQ(libre.RutaArchivo, carpetaEscaneo.chopped(1)) << "the folder as configured";
    EXPECT_EQ(LeeArchivoCompleto(carpetaEscaneo + QStringLiteral("foto.jpg")), "nueva");

    // Taken: the time-based name, then numbered while that is taken too.
    const ArchivoAsignado otra = trae(afuera + QStringLiteral("foto.jpg"), carpetaEscaneo);
    EXPECT_EQ(otra.NombreArchivo, QStringLiteral("4579foto.jpg"));
    const ArchivoAsignado tercera = trae(afuera + QStringLiteral("foto.jpg"), carpetaEscaneo);
    EXPECT_EQ(tercera.NombreArchivo, QStringLiteral("4579foto(2).jpg"));
    EXPECT_EQ(QDir(carpetaEscaneo).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(LeeArchivoCompleto(carpetaEscaneo + QStringLiteral("4579foto.jpg")), "nueva");
}

TEST_F(AsignacionImagen, AFileInTheScanFolderStaysWhereItIs)
{
    crea(carpetaEscaneo + QStringLiteral("propia.bmp"));
    for (const QString& configurada : {carpetaEscaneo, carpetaEscaneo.chopped(1), dir.path() + QStringLiteral("/./SCAN")}) {
        const ArchivoAsignado a = trae(carpetaEscaneo + QStringLiteral("propia.bmp"), configurada);
        EXPECT_EQ(a.rechazo, QString());
        EXPECT_EQ(a.NombreArchivo, QStringLiteral("propia.bmp"));
        EXPECT_EQ(a.RutaArchivo, carpetaEscaneo);
    }
    EXPECT_EQ(QDir(carpetaEscaneo).entryList(QDir::Files), QStringList{QStringLiteral("propia.bmp")});
}

TEST_F(AsignacionImagen, ABareNameMustLieInTheScanFolder)
{
    crea(carpetaEscaneo + QStringLiteral("hoja.jpg"));
    const ArchivoAsignado hallada = trae(QStringLiteral("hoja.jpg"), carpetaEscaneo);
    EXPECT_EQ(hallada.rechazo, QString());
    EXPECT_EQ(hallada.RutaArchivo, carpetaEscaneo);
    const ArchivoAsignado falta = trae(QStringLiteral("otra.jpg"), carpetaEscaneo);
    EXPECT_EQ(falta.rechazo,
              QStringLiteral("El archivo otra.jpg no esta en la carpeta de escaneos.\r\nNo se guardaron los cambios."));
}

TEST_F(AsignacionImagen, WithoutAScanFolderNothingIsCopied)
{
    crea(afuera + QStringLiteral("foto.jpg"));
    EXPECT_EQ(trae(afuera + QStringLiteral("foto.jpg"), QStringLiteral(" ")).rechazo,
              QStringLiteral("La carpeta de escaneos no esta asignada. Asignela para poder continuar.\r\n"
                             "No se guardaron los cambios."));
    EXPECT_EQ(trae(afuera + QStringLiteral("foto.jpg"), dir.filePath(QStringLiteral("no-existe"))).rechazo,
              QStringLiteral("La carpeta de escaneos asignada no existe. Creela o asigne una nueva para poder continuar"
                             "\r\nNo se guardaron los cambios."));
    EXPECT_THROW(trae(afuera + QStringLiteral("falta.jpg"), carpetaEscaneo), Err);
    EXPECT_TRUE(QDir(carpetaEscaneo).isEmpty());
}

TEST_F(AsignacionImagen, TheVoucherGetsARowOfItsOwnOnce)
{
    const long antes = cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND Cpte='FC  000100000012A'"));
    const ArchivoAsignado a{QStringLiteral("d'or.jpg"), carpetaEscaneo, QString()};
    bool agregada = false;
    EXPECT_EQ(RegistraAsignacion(ConexionPrincipal(), QStringLiteral("1001"), QStringLiteral("FC  000100000012A"), a,
                                 QStringLiteral("demo"), agregada),
              QString());
    EXPECT_TRUE(agregada);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND Cpte='FC  000100000012A'")), antes + 1);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='factura-0001-00000012.jpg' AND RutaArchivo='SCAN/'")),
              1)
        << "the voucher's other row keeps its file";
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE NombreArchivo='d''or.jpg' AND Usuario='demo' "
                                    "AND ActualizadoPor='demo' AND Fecha=FhActualizado AND Eliminado IS NULL")),
              1);
    RegistraAsignacion(ConexionPrincipal(), QStringLiteral("1001"), QStringLiteral("FC  000100000012A"), a,
                       QStringLiteral("demo"), agregada);
    EXPECT_FALSE(agregada);
    // Once withdrawn, the same file can be assigned again.
    ejecuta(QStringLiteral("UPDATE CTROL_ESCANEO SET Eliminado = 1 WHERE NombreArchivo = 'd''or.jpg'"));
    RegistraAsignacion(ConexionPrincipal(), QStringLiteral("1001"), QStringLiteral("FC  000100000012A"), a,
                       QStringLiteral("demo"), agregada);
    EXPECT_TRUE(agregada);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND Cpte='FC  000100000012A'")), antes + 2);
}
