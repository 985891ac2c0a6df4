#include "platform/scanner/AdquisicionSane.h"

#include "platform/base/Err.h"
#include "support/SaneDePrueba.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

namespace {

constexpr double Ppp = 50;

QImage comoImagen(const std::vector<CuadroSane>& cuadros)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("pagina.bmp"));
    EscribeBmp(ruta, ComponeImagen(cuadros, Ppp));
    return QImage(ruta).convertToFormat(QImage::Format_RGB32);
}

CuadroSane cuadro(SANE_Frame formato, int profundidad, int pixeles, int lineas, const QByteArray& datos)
{
    CuadroSane c;
    const int muestras = formato == SANE_FRAME_RGB ? 3 : 1;
    c.parametros = {formato, SANE_TRUE, (pixeles * muestras * profundidad + 7) / 8, pixeles, lineas, profundidad};
    c.datos = datos;
    return c;
}

}

class AdquisicionSane : public ::testing::Test {
protected:
    void SetUp() override
    {
        EXIGE_SANE_DE_PRUEBA();
        // test:2 is left to these tests; the scanner calls use the others.
        dispositivo = std::make_unique<DispositivoSane>(QStringLiteral("test:2"));
        // The backend keeps a device's options from one opening to the next.
        dispositivo->fijaBooleano("hand-scanner", false);
        dispositivo->fijaTexto("mode", QStringLiteral("Color"));
        dispositivo->fijaBooleano("three-pass", false);
        dispositivo->fijaTexto("mode", QStringLiteral("Gray"));
        dispositivo->fijaNumero("depth", 8);
        dispositivo->fijaNumero("resolution", Ppp);
        dispositivo->fijaTexto("source", QStringLiteral("Flatbed"));
        dispositivo->fijaTexto("test-picture", QStringLiteral("Grid"));
        dispositivo->fijaNumero("br-x", 80);
        dispositivo->fijaNumero("br-y", 100);
    }

    QString ruta(const QString& nombre) const { return carpeta.filePath(nombre); }

    QTemporaryDir carpeta;
    std::unique_ptr<DispositivoSane> dispositivo;
};

TEST_F(AdquisicionSane, ThreePassColourMatchesSinglePassWhateverTheFrameOrder)
{
    dispositivo->fijaTexto("mode", QStringLiteral("Color"));
    dispositivo->fijaTexto("test-picture", QStringLiteral("Color pattern"));
    const std::vector<CuadroSane> unaPasada = dispositivo->escanea();
    ASSERT_EQ(unaPasada.size(), 1u);
    const QImage referencia = comoImagen(unaPasada);
    const int y = referencia.height() / 2;

    // The file keeps red, green and blue where the device sent them.
    QSet<QRgb> colores;
    const char* rgb = unaPasada[0].datos.constData() + unaPasada[0].parametros.bytes_per_line * y;
    for (int x = 0; x < referencia.width(); ++x) {
        colores.insert(referencia.pixel(x, y));
        ASSERT_EQ(referencia.pixel(x, y), qRgb(quint8(rgb[3 * x]), quint8(rgb[3 * x + 1]), quint8(rgb[3 * x + 2])));
    }
    ASSERT_GT(colores.size(), 3) << "the pattern must tell the channels apart";

    dispositivo->fijaBooleano("three-pass", true);
    for (const char* orden : {"RGB", "BGR", "GRB"}) {
        dispositivo->fijaTexto("three-pass-order", QString::fromLatin1(orden));
        const std::vector<CuadroSane> tresPasadas = dispositivo->escanea();
        ASSERT_EQ(tresPasadas.size(), 3u);
        EXPECT_EQ(comoImagen(tresPasadas), referencia) << orden;
    }
}

TEST_F(AdquisicionSane, UnknownLineCountIsReadToTheEndOfTheFrame)
{
    dispositivo->fijaBooleano("hand-scanner", true);
    const std::vector<CuadroSane> cuadros = dispositivo->escanea();
    ASSERT_EQ(cuadros.size(), 1u);
    EXPECT_EQ(cuadros[0].parametros.lines, -1);
    const ImagenBmp imagen = ComponeImagen(cuadros, Ppp);
    EXPECT_EQ(imagen.ancho, PixelesDePagina(110, Ppp));
    EXPECT_GT(imagen.alto, 0);
    EXPECT_EQ(imagen.alto, cuadros[0].datos.size() / cuadros[0].parametros.bytes_per_line);

    const QString archivo = ruta(QStringLiteral("mano.bmp"));
    ASSERT_EQ(AdquiereABmp(*dispositivo, archivo), ResultadoAdquisicion::Correcta);
    EXPECT_EQ(QImage(archivo).width(), PixelesDePagina(110, Ppp));
}

// How the device sends a page: mode, bits per sample, three passes.
struct FormatoDePagina {
    const char* modo;
    int profundidad;
    bool tresPasadas;
};

void PrintTo(const FormatoDePagina& f, std::ostream* os)
{
    *os << f.modo << f.profundidad << (f.tresPasadas ? "ThreePass" : "");
}

class AdquisicionSaneFormato : public AdquisicionSane, public ::testing::WithParamInterface<FormatoDePagina> {};

// Pages the file takes line by line are written as they arrive, the others
// once whole: either way the file shows the page the frames make.
TEST_P(AdquisicionSaneFormato, TheFileShowsThePageTheFramesMake)
{
    const FormatoDePagina formato = GetParam();
    dispositivo->fijaTexto("mode", QLatin1String(formato.modo));
    if (QLatin1String(formato.modo) == QLatin1String("Color"))
        dispositivo->fijaBooleano("three-pass", formato.tresPasadas);
    dispositivo->fijaNumero("depth", formato.profundidad);
    dispositivo->fijaTexto("test-picture", QStringLiteral("Color pattern"));
    const QImage entera = comoImagen(dispositivo->escanea());

    const QString archivo = ruta(QStringLiteral("pagina.bmp"));
    ASSERT_EQ(AdquiereABmp(*dispositivo, archivo), ResultadoAdquisicion::Correcta);
    EXPECT_EQ(QImage(archivo).convertToFormat(QImage::Format_RGB32), entera);
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("pagina.bmp")});
}

INSTANTIATE_TEST_SUITE_P(GreyColourThreePass, AdquisicionSaneFormato,
                         ::testing::Values(FormatoDePagina{"Gray", 1, false}, FormatoDePagina{"Gray", 8, false},
                                           FormatoDePagina{"Gray", 16, false}, FormatoDePagina{"Color", 8, false},
                                           FormatoDePagina{"Color", 16, false}, FormatoDePagina{"Color", 8, true}),
                         ::testing::PrintToStringParamName());

TEST_F(AdquisicionSane, BlackAndWhiteAndSixteenBitPagesMatchTheEightBitOne)
{
    const QImage ochoBits = comoImagen(dispositivo->escanea());
    ASSERT_NE(ochoBits.pixel(0, 0), ochoBits.pixel(ochoBits.width() - 1, 0)) << "the grid must show both colours";
    dispositivo->fijaNumero("depth", 1);
    EXPECT_EQ(comoImagen(dispositivo->escanea()), ochoBits);
    dispositivo->fijaNumero("depth", 16);
    EXPECT_EQ(comoImagen(dispositivo->escanea()), ochoBits);

    dispositivo->fijaTexto("mode", QStringLiteral("Color"));
    dispositivo->fijaNumero("depth", 8);
    const QImage color = comoImagen(dispositivo->escanea());
    dispositivo->fijaNumero("depth", 16);
    EXPECT_EQ(comoImagen(dispositivo->escanea()), color);
}

// Out of paper is the failure injected here: the backend's forced read
// statuses cancel its reader thread as it starts, which now and again deadlocks.
TEST_F(AdquisicionSane, EmptyFeederLeavesNothingAndTheDeviceScansAgain)
{
    dispositivo->fijaNumero("resolution", 5);
    dispositivo->fijaTexto("source", QStringLiteral("Automatic Document Feeder"));
    // The feeder holds ten sheets; after the failed scan it is full again.
    auto vaciaBandeja = [&] {
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(AdquiereABmp(*dispositivo, ruta(QStringLiteral("hoja.bmp"))), ResultadoAdquisicion::Correcta);
    };

    vaciaBandeja();
    const QString nueva = ruta(QStringLiteral("nueva.bmp"));
    EXPECT_EQ(AdquiereABmp(*dispositivo, nueva), ResultadoAdquisicion::FalloEscaner);
    EXPECT_FALSE(QFile::exists(nueva));

    vaciaBandeja();
    QFile anterior(ruta(QStringLiteral("anterior.bmp")));
    ASSERT_TRUE(anterior.open(QIODevice::WriteOnly) && anterior.write("anterior") == 8);
    anterior.close();
    EXPECT_EQ(AdquiereABmp(*dispositivo, anterior.fileName()), ResultadoAdquisicion::FalloEscaner);
    ASSERT_TRUE(anterior.open(QIODevice::ReadOnly));
    EXPECT_EQ(anterior.readAll(), QByteArray("anterior"));

    dispositivo->fijaTexto("source", QStringLiteral("Flatbed"));
    dispositivo->fijaNumero("resolution", Ppp);
    EXPECT_EQ(AdquiereABmp(*dispositivo, nueva), ResultadoAdquisicion::Correcta);
    EXPECT_EQ(QImage(nueva).size(), QSize(PixelesDePagina(80, Ppp), PixelesDePagina(100, Ppp)));
}

TEST_F(AdquisicionSane, NumericOptionsTakeTheClosestAllowedValue)
{
    EXPECT_DOUBLE_EQ(dispositivo->fijaNumero("resolution", 5000), 1200);
    EXPECT_DOUBLE_EQ(dispositivo->fijaNumero("resolution", 150.4), 150);
    EXPECT_FALSE(dispositivo->admiteNumero("depth", 4));
    EXPECT_THROW(dispositivo->fijaBooleano("three-pass", true), Err) << "only offered in colour";

    dispositivo->fijaBooleano("enable-test-options", true);
    EXPECT_NEAR(dispositivo->fijaNumero("fixed-constraint-range", 1.0), 1.83, 1e-3);  // steps of 2 from -42.17
    EXPECT_DOUBLE_EQ(dispositivo->fijaNumero("int-constraint-word-list", 20), 17);
    EXPECT_DOUBLE_EQ(dispositivo->fijaNumero("int-constraint-word-list", 30), 42);
    dispositivo->fijaBooleano("enable-test-options", false);
}

TEST(ComponeImagen, KeepsOnlyWholeLinesAndRefusesWhatItCannotShow)
{
    // Four lines announced, three and a half sent.
    EXPECT_EQ(ComponeImagen({cuadro(SANE_FRAME_GRAY, 8, 4, 4, QByteArray("abcdefghijklmn"))}, Ppp).alto, 3);

    for (const CuadroSane& c : {cuadro(SANE_FRAME_GRAY, 8, 3, -1, QByteArray()),  // no line at all
                                cuadro(SANE_FRAME_RGB, 1, 8, 1, QByteArray("abc")),  // 1-bit colour
                                cuadro(SANE_FRAME_RED, 8, 2, 1, QByteArray("ab"))})  // one channel alone
        EXPECT_THROW(ComponeImagen({c}, Ppp), Err);
}
