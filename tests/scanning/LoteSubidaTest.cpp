#include "platform/data/sqlite/MotorSqlite.h"
#include "platform/scanner/EscritorBmp.h"
#include "scanning/LoteSubida.h"
#include "services/Modulo.h"
#include "support/DialogosGuionados.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

const QString Finalizado = QStringLiteral("Proceso Finalizado !!!");

ImagenBmp Pagina(int bits)
{
    ImagenBmp p;
    p.ancho = 64;
    p.alto = 48;
    p.bitsPorPixel = bits;
    p.bytesPorFila = bits == 24 ? 3 * p.ancho : bits == 8 ? p.ancho : p.ancho / 8;
    p.filas = QByteArray(qsizetype(p.bytesPorFila) * p.alto, '\0');
    for (int i = 0; i < p.filas.size(); ++i)
        p.filas[i] = char((i * 7) % 251);
    return p;
}

class LoteSubidaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReiniciaModulo();
        ASSERT_TRUE(QDir().mkpath(origen) && QDir().mkpath(destino));
        CreaBaseSqlite(base, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/subida.sql")});
    }
    void TearDown() override { EXPECT_TRUE(dialogos->respuestas.empty()) << "answers left unused"; }

    void bmp(const QString& nombre, int bits = 24) { EscribeBmp(origen + nombre, Pagina(bits)); }
    QStringList archivos(const QString& carpeta) const
    {
        return QDir(carpeta).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    int escaneada(int referencia)
    {
        ConexionDatos cn;
        cn.setServidor(QStringLiteral("sqlite"));
        cn.setBaseDatos(base);
        cn.Conecta(false, 3, QString(), true, true);
        return cn.BuscaValor(QStringLiteral("SOLICITUDES"), referencia, QStringLiteral("SCAN"),
                             QStringLiteral("NRO_REFERENCIA"))
            .toInt();
    }
    // Runs the batch, answering every message with OK; the texts shown.
    QStringList corre(bool eliminar, int mensajes = 1)
    {
        for (int i = 0; i < mensajes; ++i)
            dialogos->responde(1);
        const size_t antes = dialogos->avisos.size();
        lote.Ejecuta(eliminar, [this](const QString& t) { estados << t; });
        QStringList vistos;
        for (size_t i = antes; i < dialogos->avisos.size(); ++i)
            vistos << dialogos->avisos[i].mensaje;
        return vistos;
    }

    QTemporaryDir dir;
    const QString origen = dir.filePath(QStringLiteral("programa")) + QLatin1Char('/');
    const QString destino = dir.filePath(QStringLiteral("recurso")) + QLatin1Char('/');
    const QString base = dir.filePath(QStringLiteral("subida.db"));
    VariableTemporal base_{"ESCANEO_SUBIDA_BASE", QFile::encodeName(base)};
    VariableTemporal origen_{"ESCANEO_SUBIDA_ORIGEN", QFile::encodeName(origen)};
    VariableTemporal destino_{"ESCANEO_SUBIDA_CARPETA", QFile::encodeName(destino)};
    VariableTemporal config_{"XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config")))};
    ConDialogosGuionados dialogos;
    LoteSubida lote;
    QStringList estados;
};

TEST(ReferenciaDeArchivo, TheNameUpToItsFirstUnderscore)
{
    const struct {
        const char* jpg;
        const char* referencia;
    } casos[] = {{"12345.jpg", "12345"}, {"12345_2.jpg", "12345"}, {"100_2_b.JPG", "100"}, {"abc.jpg", "abc"},
                 {"_1.jpg", ""}};
    for (const auto& c : casos)
        EXPECT_EQ(ReferenciaDeArchivo(QString::fromLatin1(c.jpg)), c.referencia) << c.jpg;
}

TEST_F(LoteSubidaTest, EachBmpBecomesAJpegAndMarksItsRequest)
{
    bmp(QStringLiteral("100.bmp"), 24);
    bmp(QStringLiteral("100_2.BMP"), 8);
    bmp(QStringLiteral("101.bmp"), 1);

    EXPECT_EQ(corre(false), QStringList{Finalizado});
    EXPECT_EQ(archivos(destino), (QStringList{"100.jpg", "100_2.jpg", "101.jpg"}));
    for (const QString& jpg : archivos(destino)) {
        QImage imagen(destino + jpg, "JPEG");
        EXPECT_EQ(imagen.size(), QSize(64, 48)) << jpg.toStdString();
    }
    EXPECT_EQ(escaneada(100), 1);
    EXPECT_EQ(escaneada(101), 1);
    EXPECT_EQ(escaneada(12345), 0);
    EXPECT_EQ(estados, (QStringList{"Comprimiendo 100.bmp", "Comprimiendo 100.bmp", "Comprimiendo 100_2.BMP",
                                    "Comprimiendo 100.bmp", "Comprimiendo 100_2.BMP", "Comprimiendo 101.bmp",
                                    "Comprimiendo 100.bmp", "Comprimiendo 100_2.BMP", "Comprimiendo 101.bmp", ""}));
    EXPECT_EQ(archivos(origen).size(), 3);

    // A second run converts nothing; with the box ticked it deletes the BMPs
    // whose JPEG is on the share.
    const QDateTime escrito = QFileInfo(destino + "100.jpg").lastModified();
    EXPECT_EQ(corre(false), QStringList{Finalizado});
    EXPECT_EQ(corre(true), QStringList{Finalizado});
    EXPECT_TRUE(archivos(origen).isEmpty());
    EXPECT_EQ(QFileInfo(destino + "100.jpg").lastModified(), escrito);
}

TEST_F(LoteSubidaTest, AnEmptyFolderOnlyFinishes)
{
    EXPECT_EQ(corre(true), QStringList{Finalizado});
    EXPECT_EQ(estados, QStringList{""});
}

TEST_F(LoteSubidaTest, FailuresEndTheBatchAndLeaveNoJpegOfAnUnmarkedRequest)
{
    // A reference that is no number reaches no SQL and ends the batch.
    bmp(QStringLiteral("100.bmp"));
    bmp(QStringLiteral("carta.bmp"));
    QStringList vistos = corre(true);
    ASSERT_EQ(vistos.size(), 1);
    EXPECT_TRUE(vistos[0].startsWith("13 ")) << vistos[0].toStdString();
    EXPECT_EQ(archivos(destino), QStringList{"100.jpg"});
    EXPECT_EQ(estados.last(), "Comprimiendo carta.bmp");
    QFile::remove(origen + "carta.bmp");

    // A request the database cannot mark leaves its BMP and no JPEG.
    estados.clear();
    ConexionDatos cn;
    cn.setServidor(QStringLiteral("sqlite"));
    cn.setBaseDatos(base);
    cn.Conecta(false, 3, QString(), true, true);
    cn.Ejecuta(QStringLiteral("DROP TABLE SOLICITUDES"));
    bmp(QStringLiteral("101.bmp"));
    vistos = corre(true);
    ASSERT_EQ(vistos.size(), 1);
    EXPECT_FALSE(vistos[0].startsWith(Finalizado));
    EXPECT_EQ(archivos(destino), QStringList{"100.jpg"});
    EXPECT_EQ(archivos(origen), QStringList{"101.bmp"});

    // What cannot be read as a picture is a failed conversion: its message,
    // then the end of the batch.
    QFile roto(origen + "102.bmp");
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("BM no es una imagen");
    roto.close();
    QFile::remove(origen + "101.bmp");
    EXPECT_EQ(corre(false, 2), (QStringList{"Error al comprimir el Archivo 102.bmp", Finalizado}));
    EXPECT_EQ(archivos(destino), QStringList{"100.jpg"});
}

TEST_F(LoteSubidaTest, AnUnreachableDatabaseEndsTheBatchBeforeAnyFile)
{
    bmp(QStringLiteral("100.bmp"));
    VariableTemporal otra("ESCANEO_SUBIDA_BASE", QFile::encodeName(dir.filePath("no-existe.db")));
    const QStringList vistos = corre(true);
    ASSERT_EQ(vistos.size(), 1);
    EXPECT_NE(vistos[0], Finalizado);
    EXPECT_TRUE(archivos(destino).isEmpty());
    EXPECT_TRUE(estados.isEmpty());
}

}
