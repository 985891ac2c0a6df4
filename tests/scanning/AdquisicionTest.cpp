#include "support/escaneo/BaseEscaneo.h"

#include "platform/base/Err.h"
#include "scanning/Escaneo.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFile>
#include <QImage>

class Adquisicion : public BaseEscaneo {
protected:
    void SetUp() override
    {
        BaseEscaneo::SetUp();
        inicia();
    }
};

TEST_F(Adquisicion, UnaPaginaDelDispositivoDePruebaConSuTamanoYSuFila)
{
    const ResultadoEscaneo r = EscaneaDocumento(ConexionPrincipal(), carpetaEscaneo, QStringLiteral("pagina"),
                                                QStringLiteral("1001"), QStringLiteral("FC000100000012A"), 1, 75);
    EXPECT_EQ(r.ruta, carpetaEscaneo + QStringLiteral("pagina.bmp"));
    EXPECT_EQ(r.errorRegistro, QString());
    QImage imagen(r.ruta);
    ASSERT_FALSE(imagen.isNull());
    EXPECT_EQ(imagen.size(), QSize(PixelesDePagina(80, 75), PixelesDePagina(100, 75)));
    EXPECT_EQ(imagen.depth(), 8);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO WHERE Cuenta='1001' AND Cpte='FC  000100000012A' "
                                    "AND NombreArchivo='pagina' AND RutaArchivo='%1' AND Usuario='demo'")
                         .arg(r.ruta)),
              1);
}

TEST_F(Adquisicion, NombresYComprobantesQueNoSirvenNoLleganAlEscaner)
{
    const long antes = cuenta(QStringLiteral("CTROL_ESCANEO"));
    EXPECT_THROW(EscaneaDocumento(ConexionPrincipal(), carpetaEscaneo, QStringLiteral("../fuera"), QString(),
                                  QString(), 1, 75),
                 Err);
    EXPECT_THROW(EscaneaDocumento(ConexionPrincipal(), carpetaEscaneo, QStringLiteral("corto"), QString(),
                                  QStringLiteral("FC12"), 1, 75),
                 Err);
    EXPECT_EQ(cuenta(QStringLiteral("CTROL_ESCANEO")), antes);
    EXPECT_TRUE(QDir(carpetaEscaneo).isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("fuera.bmp"))));
}

TEST(NombresDeEscaneo, NombrePorDefectoYNombreConNul)
{
    EXPECT_EQ(NombreArchivoPorDefecto(QStringLiteral("FC000100000012A"), QStringLiteral("1001"),
                                      QDateTime(QDate(2015, 7, 9), QTime(9, 3, 5))),
              QStringLiteral("FC000100000012A-1001-97201593" "5"));
    EXPECT_EQ(NombreArchivoPorDefecto(QString(), QString(), QDateTime(QDate(2024, 12, 31), QTime(23, 59, 0))),
              QStringLiteral("--3112202423590"));
    EXPECT_FALSE(NombreArchivoValido(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
}
