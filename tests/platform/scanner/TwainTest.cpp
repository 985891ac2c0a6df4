#include "platform/scanner/Twain.h"

#include "platform/base/Ajustes.h"
#include "platform/base/Err.h"
#include "platform/scanner/DispositivoSane.h"
#include "support/DialogosGuionados.h"
#include "support/SaneDePrueba.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>

namespace {

const QString ClaveDispositivo = QStringLiteral("scanner/device");

// An environment variable changed for one test and put back afterwards.
class VariableDePrueba {
public:
    explicit VariableDePrueba(const char* nombre)
        : nombre_(nombre), estaba_(qEnvironmentVariableIsSet(nombre)), valor_(qgetenv(nombre))
    {
    }
    ~VariableDePrueba() { estaba_ ? void(qputenv(nombre_, valor_)) : void(qunsetenv(nombre_)); }
    void fija(const QString& valor) { qputenv(nombre_, valor.toLocal8Bit()); }
    void quita() { qunsetenv(nombre_); }

private:
    const char* nombre_;
    bool estaba_;
    QByteArray valor_;
};

// A little-endian field of the file's first 54 bytes.
std::uint32_t campo(const QString& ruta, int desde, int bytes = 4)
{
    QFile f(ruta);
    const QByteArray b = f.open(QIODevice::ReadOnly) ? f.read(54) : QByteArray();
    if (b.size() < 54 || !b.startsWith("BM"))
        return 0;
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | std::uint8_t(b[desde + i]);
    return v;
}

bool dispositivoLibre(const QString& nombre)
{
    try {
        DispositivoSane d(nombre);
        return true;
    } catch (const Err&) {
        return false;
    }
}

}

class Twain : public ::testing::Test {
protected:
    void SetUp() override
    {
        EXIGE_SANE_DE_PRUEBA();
        // The chosen device is saved in a settings file of our own.
        xdg.fija(configuracion.path());
        escaner.quita();
    }

    QString ruta(const QString& nombre) const { return carpeta.filePath(nombre); }

    VariableDePrueba xdg{"XDG_CONFIG_HOME"};
    VariableDePrueba escaner{"ESCANEO_SCANNER"};
    QTemporaryDir configuracion;
    QTemporaryDir carpeta;
};

TEST_F(Twain, ChoosingASourceRemembersItAndOpensIt)
{
    ConDialogosGuionados d;
    d->responde(QVariant::fromValue(QList<int>{1}));
    EXPECT_EQ(TWAIN_SelectImageSource(0), 1);

    ASSERT_EQ(d->avisos.size(), 1u);
    EXPECT_EQ(d->avisos[0].tipo, QStringLiteral("EligeFilas"));
    EXPECT_EQ(d->avisos[0].columnas, QStringList({"Dispositivo", "Fabricante", "Modelo"}));
    EXPECT_EQ(d->avisos[0].botones, 0) << "one device only";
    ASSERT_EQ(d->avisos[0].filas.size(), 3);
    EXPECT_EQ(d->avisos[0].filas[1][0], QStringLiteral("test:1"));
    EXPECT_EQ(Ajustes::valor(ClaveDispositivo, nullptr), QStringLiteral("test:1"));

    EXPECT_EQ(TWAIN_OpenDefaultSource(), 1);
    EXPECT_EQ(TWAIN_OpenDefaultSource(), 1) << "opening again keeps the open device";
    EXPECT_FALSE(dispositivoLibre(QStringLiteral("test:1")));

    // Another choice lets the previous device go; a cancelled one changes nothing.
    d->responde(QVariant::fromValue(QList<int>{0}));
    EXPECT_EQ(TWAIN_SelectImageSource(0), 1);
    EXPECT_TRUE(dispositivoLibre(QStringLiteral("test:1")));
    d->responde(QVariant::fromValue(QList<int>{}));
    EXPECT_EQ(TWAIN_SelectImageSource(0), 0);
    EXPECT_EQ(Ajustes::valor(ClaveDispositivo, nullptr), QStringLiteral("test:0"));
}

TEST_F(Twain, MissingDeviceFailsAndLeavesNothing)
{
    escaner.fija(QStringLiteral("test:9"));
    EXPECT_EQ(TWAIN_OpenDefaultSource(), 0);
    const QString archivo = ruta(QStringLiteral("pagina.bmp"));
    EXPECT_EQ(TWAIN_AcquireToFilename(0, archivo), -1);
    EXPECT_FALSE(QFile::exists(archivo));

    escaner.quita();
    EXPECT_EQ(TWAIN_AcquireToFilename(0, archivo), 0) << "the first device serves when none is chosen";
}

class TwainTipoPixel : public Twain, public ::testing::WithParamInterface<int> {};

TEST_P(TwainTipoPixel, AcquiresABmpOfThePageAtTheResolutionSet)
{
    const int tipo = GetParam();
    const std::uint32_t bits = tipo == 0 ? 1 : tipo == 1 ? 8 : 24;
    constexpr double Ppp = 290;  // an odd width, so every row is padded
    const int ancho = PixelesDePagina(80, Ppp), alto = PixelesDePagina(100, Ppp);

    EXPECT_EQ(TWAIN_OpenDefaultSource(), 1);
    TWAIN_SetHideUI(1);
    EXPECT_EQ(TWAIN_SetBitDepth(32), 1);
    EXPECT_EQ(TWAIN_SetCurrentResolution(Ppp), 1);
    EXPECT_EQ(TWAIN_SetCurrentPixelType(tipo), 1);
    const QString archivo = ruta(QStringLiteral("remito.bmp"));
    ASSERT_EQ(TWAIN_AcquireToFilename(0, archivo), 0);

    EXPECT_EQ(campo(archivo, 28, 2), bits);
    EXPECT_EQ(campo(archivo, 18), std::uint32_t(ancho));
    EXPECT_EQ(campo(archivo, 22), std::uint32_t(alto));
    EXPECT_EQ(campo(archivo, 38), std::uint32_t(std::lround(Ppp / 0.0254)));
    const qint64 fila = (ancho * qint64(bits) + 31) / 32 * 4;
    EXPECT_EQ(QFileInfo(archivo).size(), campo(archivo, 10) + fila * alto);

    const QImage leida(archivo);
    ASSERT_EQ(leida.size(), QSize(ancho, alto));
    // The device's page is solid black unless told otherwise.
    for (const QPoint& p : {QPoint(0, 0), QPoint(ancho - 1, alto - 1), QPoint(ancho / 2, alto / 2)})
        EXPECT_EQ(leida.pixel(p), qRgb(0, 0, 0));
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files), QStringList({QStringLiteral("remito.bmp")}));

    // The device stays open and scans again.
    ASSERT_EQ(TWAIN_AcquireToFilename(0, ruta(QStringLiteral("remito(2).bmp"))), 0);
    EXPECT_EQ(campo(ruta(QStringLiteral("remito(2).bmp")), 28, 2), bits);
}

INSTANTIATE_TEST_SUITE_P(BlancoYNegroGrisesColores, TwainTipoPixel, ::testing::Values(0, 1, 2));

TEST_F(Twain, ResolutionIsBroughtIntoTheDeviceRange)
{
    EXPECT_EQ(TWAIN_SetCurrentPixelType(3), 0);
    EXPECT_EQ(TWAIN_SetCurrentPixelType(1), 1);
    EXPECT_EQ(TWAIN_SetCurrentResolution(0.4), 1);
    const QString archivo = ruta(QStringLiteral("minima.bmp"));
    ASSERT_EQ(TWAIN_AcquireToFilename(0, archivo), 0);
    EXPECT_EQ(campo(archivo, 18), std::uint32_t(PixelesDePagina(80, 1)));
    EXPECT_EQ(campo(archivo, 38), 39u);  // 1 dpi
}

TEST_F(Twain, PathInAMissingFolderFailsAndLeavesNothing)
{
    EXPECT_EQ(TWAIN_SetCurrentResolution(50), 1);
    const QString faltante = ruta(QStringLiteral("falta"));
    EXPECT_EQ(TWAIN_AcquireToFilename(0, faltante + QStringLiteral("/pagina.bmp")), -2);
    EXPECT_FALSE(QFile::exists(faltante));
    EXPECT_EQ(TWAIN_AcquireToFilename(0, ruta(QStringLiteral("pagina.bmp"))), 0);
}
