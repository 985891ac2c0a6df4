#include "platform/base/ArchivoSeguro.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "platform/scanner/EscritorBmp.h"
#include "scanning/LoteSubida.h"
#include "services/Modulo.h"
#include "support/CarpetaSinSincronizar.h"
#include "support/DialogosGuionados.h"
#include "support/VariableTemporal.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <stdexcept>
#include <unistd.h>
#include <utility>
#include <vector>

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
        prepara();
    }
    // Empty folders and the demo requests.
    void prepara()
    {
        QDir(origen).removeRecursively();
        QDir(destino).removeRecursively();
        QFile::remove(base);
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
    QStringList corre(bool eliminar, int mensajes = 1) { return corre(lote, eliminar, mensajes); }
    QStringList corre(LoteSubida& l, bool eliminar, int mensajes = 1)
    {
        for (int i = 0; i < mensajes; ++i)
            dialogos->responde(1);
        const size_t antes = dialogos->avisos.size();
        l.Ejecuta(eliminar, [this](const QString& t) { estados << t; });
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
    EXPECT_EQ(estados, (QStringList{"Comprimiendo 100.bmp", "Comprimiendo 100_2.BMP", "Comprimiendo 101.bmp", ""}));
    EXPECT_EQ(archivos(origen).size(), 3);

    // A second run converts nothing; with the box ticked it deletes the BMPs
    // whose JPEG is on the share.
    const QDateTime escrito = QFileInfo(destino + "100.jpg").lastModified();
    EXPECT_EQ(corre(false), QStringList{Finalizado});
    EXPECT_EQ(corre(true), QStringList{Finalizado});
    EXPECT_TRUE(archivos(origen).isEmpty());
    EXPECT_EQ(QFileInfo(destino + "100.jpg").lastModified(), escrito);
}

// The label follows the files as they are taken, not group by group: the
// window must not stand still while a group's pages are compressed.
TEST_F(LoteSubidaTest, TheLabelNamesAFileWhileTheNextIsStillCompressing)
{
    bmp(QStringLiteral("100.bmp"));
    bmp(QStringLiteral("101.bmp"));
    std::mutex cerrojo;
    std::condition_variable cambio;
    bool nombrado = false, aTiempo = false;
    lote.setAlComprimir([&](const QString& f) {
        std::unique_lock<std::mutex> l(cerrojo);
        if (f == QStringLiteral("101.bmp"))
            aTiempo = cambio.wait_for(l, std::chrono::seconds(10), [&] { return nombrado; });
    });
    dialogos->responde(1);
    lote.Ejecuta(false, [&](const QString& t) {
        const std::lock_guard<std::mutex> l(cerrojo);
        nombrado = nombrado || t == QStringLiteral("Comprimiendo 100.bmp");
        cambio.notify_all();
    });
    EXPECT_TRUE(aTiempo);
}

TEST_F(LoteSubidaTest, AnEmptyFolderOnlyFinishes)
{
    EXPECT_EQ(corre(true), QStringList{Finalizado});
    EXPECT_EQ(estados, QStringList{""});
}

TEST_F(LoteSubidaTest, FailuresEndTheBatchAndLeaveNoJpegOfAnUnmarkedRequest)
{
    bmp(QStringLiteral("100.bmp"));
    EXPECT_EQ(corre(true), QStringList{Finalizado});
    // A request the database cannot mark leaves its BMP and no JPEG.
    ConexionDatos cn;
    cn.setServidor(QStringLiteral("sqlite"));
    cn.setBaseDatos(base);
    cn.Conecta(false, 3, QString(), true, true);
    cn.Ejecuta(QStringLiteral("DROP TABLE SOLICITUDES"));
    bmp(QStringLiteral("101.bmp"));
    QStringList vistos = corre(true);
    ASSERT_EQ(vistos.size(), 1);
    EXPECT_FALSE(vistos[0].startsWith(Finalizado));
    EXPECT_EQ(archivos(destino), QStringList{"100.jpg"});
    EXPECT_EQ(archivos(origen), QStringList{"101.bmp"});
    EXPECT_EQ(estados.last(), "Comprimiendo 101.bmp");

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

// A failing folder sync stops the batch before any mark.
TEST_F(LoteSubidaTest, OnlyAFailingFolderSyncStopsTheBatch)
{
    for (const RespuestaDeSincronizacion& c : RespuestasDeSincronizacion) {
        SCOPED_TRACE(c.error);
        prepara();
        bmp(QStringLiteral("100.bmp"));
        bmp(QStringLiteral("101.bmp"));
        const CarpetaSinSincronizar recurso(c.error);
        const QStringList vistos = corre(true);
        ASSERT_EQ(vistos.size(), 1);
        if (c.vale) {
            EXPECT_EQ(vistos[0], Finalizado);
            EXPECT_EQ(archivos(destino), (QStringList{"100.jpg", "101.jpg"}));
            EXPECT_TRUE(archivos(origen).isEmpty());
        } else {
            EXPECT_TRUE(vistos[0].contains(qt_error_string(EIO))) << vistos[0].toStdString();
            EXPECT_TRUE(archivos(destino).isEmpty());
            EXPECT_EQ(archivos(origen), (QStringList{"100.bmp", "101.bmp"}));
        }
        EXPECT_EQ(escaneada(100), int(c.vale));
        EXPECT_EQ(escaneada(101), int(c.vale));
    }
}

// What goes wrong on a worker thread is its file's error, as on the
// window's: the batch stops there, the files before it uploaded. Only with
// the box clear does the window's thread not prepare the file again.
TEST_F(LoteSubidaTest, AFailureOnAWorkerStopsTheBatchAtItsFile)
{
    const struct {
        void (*falla)();
        bool eliminar;
        const char* mensaje;
    } casos[] = {{[] { throw std::bad_alloc(); }, true, "7 Memoria insuficiente"},
                 {[] { throw std::runtime_error("sin lugar"); }, false, "51 Error interno: sin lugar"},
                 {[] { throw 1; }, true, "51 Error interno"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.mensaje);
        prepara();
        for (const char* nombre : {"100.bmp", "101.bmp", "102.bmp"})
            bmp(QLatin1String(nombre));
        LoteSubida l;
        l.setAlComprimir([&](const QString& bmp) {
            if (bmp == QStringLiteral("101.bmp"))
                c.falla();
        });
        EXPECT_EQ(corre(l, c.eliminar), QStringList{QLatin1String(c.mensaje)});
        EXPECT_EQ(archivos(destino), QStringList{"100.jpg"});
        EXPECT_EQ(archivos(origen), (c.eliminar ? QStringList{"101.bmp", "102.bmp"}
                                                : QStringList{"100.bmp", "101.bmp", "102.bmp"}));
        EXPECT_EQ(escaneada(100), 1);
        EXPECT_EQ(escaneada(101), 0);
    }
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


TEST_F(LoteSubidaTest, NamesThatAreNoRequestNumberAreLeftAsTheyAre)
{
    const struct {
        const char* bmp;
        const char* jpg;  // what it becomes on the share, if anything
    } casos[] = {{"100.bmp", "100.jpg"},
                 {"100_2.BMP", "100_2.jpg"},
                 {"CB  000100000101A-1001-20240101.bmp", nullptr},
                 {"carta.bmp", nullptr},
                 {"12345 OR 1=1.bmp", nullptr},
                 {"-101.bmp", nullptr},
                 {"+101.bmp", nullptr},
                 {" 101.bmp", nullptr},
                 {"101 .bmp", nullptr},
                 {"\xd9\xa1\xd9\xa0\xd9\xa1.bmp", nullptr},
                 {"_101.bmp", nullptr},
                 {"101e0.bmp", nullptr}};
    QStringList quedan, subidos{"carta.jpg"};
    for (const auto& c : casos) {
        bmp(QString::fromUtf8(c.bmp));
        (c.jpg ? subidos : quedan) << QString::fromUtf8(c.jpg ? c.jpg : c.bmp);
    }
    // Not even a JPEG of its name on the share makes the batch delete it.
    EscribeArchivoCompleto(destino + "carta.jpg", "otra cosa");
    const QDateTime escrito = QFileInfo(origen + "carta.bmp").lastModified();

    EXPECT_EQ(corre(true), QStringList{Finalizado});
    quedan.sort();
    subidos.sort();
    EXPECT_EQ(archivos(origen), quedan);
    EXPECT_EQ(archivos(destino), subidos);
    EXPECT_EQ(QFileInfo(origen + "carta.bmp").lastModified(), escrito);
    EXPECT_EQ(escaneada(100), 1);
    EXPECT_EQ(escaneada(101), 0);
    EXPECT_EQ(escaneada(12345), 0);
}

// A batch killed at any point between its steps, then run again: no request
// is ever marked without its JPEG, no BMP is lost, and the second run ends
// the work, the killed one's half-written file included.
TEST_F(LoteSubidaTest, AKillAtAnyStepLeavesNoMarkWithoutItsJpeg)
{
    const auto archivosYBmp = [this] {
        bmp(QStringLiteral("100.bmp"));
        bmp(QStringLiteral("100_2.bmp"), 8);
    };
    archivosYBmp();
    std::vector<PuntoSubida> puntos;
    LoteSubida contado;
    contado.setAlPunto([&](PuntoSubida p, const QString&) { puntos.push_back(p); });
    ASSERT_EQ(corre(contado, true), QStringList{Finalizado});
    ASSERT_TRUE(std::find(puntos.begin(), puntos.end(), PuntoSubida::BmpBorrado) != puntos.end());

    for (size_t muere = 1; muere <= puntos.size(); ++muere) {
        SCOPED_TRACE(muere);
        prepara();
        archivosYBmp();
        EXPECT_EXIT(
            {
                LoteSubida hijo;
                size_t visto = 0;
                hijo.setAlPunto([&](PuntoSubida, const QString&) {
                    if (++visto == muere)
                        ::_exit(9);
                });
                hijo.Ejecuta(true, [](const QString&) {});
            },
            ::testing::ExitedWithCode(9), "");
        const QStringList subidos = archivos(destino).filter(QRegularExpression("^100(_2)?\\.jpg$"));
        for (const QString& jpg : subidos)
            EXPECT_FALSE(QImage(destino + jpg, "JPEG").isNull()) << jpg.toStdString();
        EXPECT_TRUE(!escaneada(100) || !subidos.isEmpty());
        for (const QString& f : {QStringLiteral("100"), QStringLiteral("100_2")})
            EXPECT_TRUE(QFile::exists(origen + f + ".bmp") || subidos.contains(f + ".jpg")) << f.toStdString();

        // The killed process is gone; its files are old enough once aged.
        for (const QString& oculto : QDir(destino).entryList(QDir::Files | QDir::Hidden)) {
            QFile f(destino + oculto);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
        }
        LoteSubida despues;
        EXPECT_EQ(corre(despues, true), QStringList{Finalizado});
        EXPECT_EQ(archivos(destino), (QStringList{"100.jpg", "100_2.jpg"}));
        EXPECT_TRUE(archivos(origen).isEmpty());
        EXPECT_EQ(escaneada(100), 1);
    }
}

// Two workstations whose batches have the same process id upload to one
// share at once: each JPEG is its own page.
TEST_F(LoteSubidaTest, TwoBatchesWithTheSamePidOnOneShareKeepTheirOwnFiles)
{
    const QString otro = dir.filePath(QStringLiteral("otro")) + QLatin1Char('/');
    ASSERT_TRUE(QDir().mkpath(otro));
    ImagenBmp pequena = Pagina(24);
    pequena.alto = 24;
    pequena.filas.truncate(qsizetype(pequena.bytesPorFila) * pequena.alto);
    EscribeBmp(otro + "101.bmp", pequena);
    bmp(QStringLiteral("100.bmp"));

    LoteSubida segundo;
    bool corrido = false;
    lote.setAlPunto([&](PuntoSubida p, const QString&) {
        if (p != PuntoSubida::JpegEscrito || std::exchange(corrido, true))
            return;
        VariableTemporal suOrigen("ESCANEO_SUBIDA_ORIGEN", QFile::encodeName(otro));
        EXPECT_EQ(corre(segundo, false), QStringList{Finalizado});
    });
    // The second batch's message shows while the first one runs.
    EXPECT_EQ(corre(false), (QStringList{Finalizado, Finalizado}));
    EXPECT_EQ(archivos(destino), (QStringList{"100.jpg", "101.jpg"}));
    EXPECT_EQ(QImage(destino + "100.jpg", "JPEG").size(), QSize(64, 48));
    EXPECT_EQ(QImage(destino + "101.jpg", "JPEG").size(), QSize(64, 24));
    EXPECT_EQ(escaneada(100), 1);
    EXPECT_EQ(escaneada(101), 1);
}


// Compressed ahead of their turns, the files end as taking them one at a
// time leaves them: a BMP that goes while the batch runs is passed over, and
// an UPDATE that fails stops the batch there, nothing of the files after it
// on the share.
TEST_F(LoteSubidaTest, AheadOfTheirTurnsTheFilesEndAsOneAtATime)
{
    const QStringList nombres{"100.bmp", "100_2.bmp", "101.bmp", "102.bmp", "103.bmp", "12345.bmp",
                              "CB  000100000101A-1001-20240101.bmp", "carta.bmp"};
    for (const QString& nombre : nombres)
        bmp(nombre);
    ConexionDatos cn;
    cn.setServidor(QStringLiteral("sqlite"));
    cn.setBaseDatos(base);
    cn.Conecta(false, 3, QString(), true, true);
    cn.Ejecuta(QStringLiteral("CREATE TRIGGER rechaza BEFORE UPDATE ON SOLICITUDES WHEN NEW.NRO_REFERENCIA = 102 "
                              "BEGIN SELECT RAISE(ABORT, 'rechazada'); END"));
    QStringList marcados;
    lote.setAlPunto([&](PuntoSubida p, const QString& bmp) {
        if (p == PuntoSubida::SolicitudMarcada)
            marcados << bmp;
        if (p == PuntoSubida::JpegEnSuLugar && bmp == "100.bmp")
            QFile::remove(origen + "101.bmp");
    });

    const QStringList vistos = corre(true);
    ASSERT_EQ(vistos.size(), 1);
    EXPECT_TRUE(vistos[0].contains("rechazada")) << vistos[0].toStdString();
    EXPECT_EQ(marcados, (QStringList{"100.bmp", "100_2.bmp"}));
    EXPECT_EQ(estados.last(), "Comprimiendo 102.bmp");
    EXPECT_EQ(archivos(destino), (QStringList{"100.jpg", "100_2.jpg"}));
    EXPECT_EQ(archivos(origen), nombres.mid(3));
    EXPECT_EQ(escaneada(100), 1);
    EXPECT_EQ(escaneada(101), 0);
    EXPECT_EQ(escaneada(12345), 0);
}

}
