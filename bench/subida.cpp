// Uploads 200 pages of SANE's test device at its full size (colour and grey,
// 200 dpi) through the upload batch (JPEG on the share, its folder synced,
// its request marked in the upload database) and compresses the same files
// with tjCompress2 on every core, each JPEG synced, alternating rounds; the
// ratio is that of the medians. Before that, the batch's time over 1,000
// small BMPs against 100 shows how it grows with the folder, with the
// process's peak memory at that point: in a folder in memory where there is
// one, since on this disk the time of a thousand small syncs varies several
// times over from one run to the next, the baseline's as much as ours.
// Last, over 600 pages, the batch with its taker stalled once at its first
// mark against the same batch unstalled, each timed from the start of the
// first page no worker could reach during the stall to the end: the workers
// must all come back.

#include "base/Medidas.h"
#include "base/PaginaDePrueba.h"
#include "base/SaneDePrueba.h"
#include "base/SinOperador.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "platform/image/BibliotecaTurbo.h"
#include "scanning/LoteSubida.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr int Paginas = 200;
// Enough past the 128 the stall leaves out for a steady time.
constexpr int PaginasPausa = 600;
constexpr int Rondas = 5;
constexpr int RondasPequenas = 7;
constexpr int Pocos = 100, Muchos = 1000;
constexpr int PausaMs = 1000;
// The batch's group, and how far ahead of it its workers may get.
constexpr int Grupo = 64;

// Quiet on the batch's closing message, which every run shows.
class Callado : public SinOperador {
public:
    int MsgBox(const QString& mensaje, int botones, const QString& titulo) override
    {
        if (mensaje == QStringLiteral("Proceso Finalizado !!!"))
            return Resultado::Aceptar;
        return SinOperador::MsgBox(mensaje, botones, titulo);
    }
};

// An upload database with a request for every file, none of them scanned,
// and an empty share.
struct Subida {
    QString origen, destino, base;

    void prepara(int solicitudes) const
    {
        QDir(destino).removeRecursively();
        QDir().mkpath(destino);
        ConexionDatos cn;
        cn.setServidor(QStringLiteral("sqlite"));
        cn.setBaseDatos(base);
        cn.Conecta(false, 3, QString(), true, true);
        cn.Ejecuta(QStringLiteral("DELETE FROM SOLICITUDES"));
        QStringList filas;
        for (int i = 1; i <= solicitudes; ++i)
            filas << QStringLiteral("(%1, 0)").arg(i);
        cn.Ejecuta(QStringLiteral("INSERT INTO SOLICITUDES (NRO_REFERENCIA, SCAN) VALUES ") + filas.join(u','));
    }
    // Stalled for `pausaMs` at the first mark, as on a slow commit. Timed
    // from the start, or from when the `desde`-th file (from 1) starts to be
    // compressed; -1 when fewer are.
    double corre(int pausaMs = 0, int desde = 0) const
    {
        qputenv("ESCANEO_SUBIDA_ORIGEN", QFile::encodeName(origen));
        qputenv("ESCANEO_SUBIDA_CARPETA", QFile::encodeName(destino));
        qputenv("ESCANEO_SUBIDA_BASE", QFile::encodeName(base));
        LoteSubida lote;
        bool pausado = pausaMs == 0;
        lote.setAlPunto([&](PuntoSubida p, const QString&) {
            if (p == PuntoSubida::SolicitudMarcada && !std::exchange(pausado, true))
                std::this_thread::sleep_for(std::chrono::milliseconds(pausaMs));
        });
        QElapsedTimer reloj;
        std::atomic<int> empezados{0};
        std::atomic<qint64> inicio{0};
        lote.setAlComprimir([&](const QString&) {
            if (++empezados == desde)
                inicio = reloj.nsecsElapsed();
        });
        reloj.start();
        lote.Ejecuta(false, [](const QString&) {});
        return empezados >= desde ? (reloj.nsecsElapsed() - inicio) / 1e6 : -1;
    }
};

// Reads the uncompressed BMPs the scan road writes (24-bit colour, 8-bit
// grey with the identity palette).
bool Comprime(const FuncionesTurbo& turbo, tjhandle tj, const QString& bmp, const QString& jpg)
{
    const QByteArray b = LeeArchivoCompleto(bmp);
    if (b.size() < 54)
        return false;
    // Little-endian header fields, read within the file.
    const auto campo = [&b](qsizetype desde, int bytes) {
        int32_t valor = 0;
        for (int i = bytes - 1; i >= 0; --i)
            valor = int32_t(uint32_t(valor) << 8 | uchar(b.at(desde + i)));
        return valor;
    };
    const int32_t inicio = campo(10, 4), ancho = campo(18, 4), alto = campo(22, 4), bits = campo(28, 2);
    const int paso = ((ancho * bits + 31) / 32) * 4;
    unsigned char* jpeg = nullptr;
    unsigned long largo = 0;
    if (turbo.Compress2(tj, reinterpret_cast<const unsigned char*>(b.constData() + inicio), ancho, paso, alto,
                        bits == 24 ? TJPF_BGR : TJPF_GRAY, &jpeg, &largo, bits == 24 ? TJSAMP_420 : TJSAMP_GRAY, 30,
                        TJFLAG_ACCURATEDCT | TJFLAG_BOTTOMUP)
        != 0)
        return false;
    const int fd = ::open(QFile::encodeName(jpg).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    const bool bien = fd >= 0 && ::write(fd, jpeg, largo) == ssize_t(largo) && ::fdatasync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    turbo.Free(jpeg);
    return bien;
}

double Base(const FuncionesTurbo& turbo, const QStringList& bmps, const QString& destino)
{
    std::atomic<int> siguiente{0};
    std::atomic<bool> bien{true};
    QElapsedTimer reloj;
    reloj.start();
    std::vector<std::thread> hilos;
    for (unsigned h = 0; h < std::max(1u, std::thread::hardware_concurrency()); ++h)
        hilos.emplace_back([&] {
            tjhandle tj = turbo.InitCompress();
            for (int i; (i = siguiente++) < bmps.size();)
                if (!Comprime(turbo, tj, bmps[i], destino + QStringLiteral("%1.jpg").arg(i)))
                    bien = false;
            turbo.Destroy(tj);
        });
    for (std::thread& h : hilos)
        h.join();
    return bien ? reloj.nsecsElapsed() / 1e6 : -1;
}

struct Medianas {
    double nuestra, base;
};

// Two roads over the same files in turns; a road that fails (a negative
// time) ends them.
Medianas EnTurnos(int rondas, const std::function<double()>& nuestro, const std::function<double()>& base)
{
    Alternadas tiempos;
    if (!tiempos.corre(rondas, nuestro, base))
        return {-1, 1};
    return {mediana(tiempos.nuestro), mediana(tiempos.base)};
}

// The batch over the folder's BMPs and the baseline over the same files,
// each starting with nothing left to write back.
Medianas Compara(const FuncionesTurbo& turbo, const Subida& s, const QStringList& bmps, const QString& base,
                 int rondas)
{
    return EnTurnos(
        rondas,
        [&] {
            s.prepara(int(bmps.size()));
            ::sync();
            const double ms = s.corre();
            return QDir(s.destino).entryList(QDir::Files).size() == bmps.size() ? ms : -1;
        },
        [&] {
            QDir(base).removeRecursively();
            QDir().mkpath(base);
            ::sync();
            return Base(turbo, bmps, base);
        });
}

// The batch stalled once and unstalled over the same files, each timed from
// the first file no worker could start while the taker stood still, with
// its group taken and as many again ahead of it.
Medianas ComparaPausa(const Subida& s, int archivos, int rondas)
{
    const auto corre = [&](int pausaMs) {
        s.prepara(archivos);
        ::sync();
        return s.corre(pausaMs, 2 * Grupo + 1);
    };
    return EnTurnos(rondas, [&] { return corre(PausaMs); }, [&] { return corre(0); });
}

// BMPs named by the request numbers 1 to n, copies of the given ones in turn.
QStringList Copias(const QString& carpeta, const QStringList& modelos, int n)
{
    QDir().mkpath(carpeta);
    QStringList bmps;
    for (int i = 1; i <= n; ++i) {
        bmps << carpeta + QStringLiteral("%1.bmp").arg(i);
        QFile::copy(modelos[i % modelos.size()], bmps.last());
    }
    return bmps;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    instalaDialogos(std::make_unique<Callado>());
    QTemporaryDir dir;
    const QString carpeta = dir.path() + QLatin1Char('/');
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(carpeta + QStringLiteral("config")));
    const FuncionesTurbo* turbo = Turbo();
    if (!turbo || !ConfiguraSaneDePrueba(dir.path()))
        return 1;
    CreaBaseSqlite(carpeta + QStringLiteral("subida.db"), {QStringLiteral(ESCANEO_SOURCE_DIR "/db/subida.sql")});

    const QString base = carpeta + QStringLiteral("base/");
    const QString subida = carpeta + QStringLiteral("subida.db");

    QTemporaryDir memoria(QStringLiteral("/dev/shm/subida-XXXXXX"));
    const QString enMemoria = memoria.isValid() ? memoria.path() + QLatin1Char('/') : carpeta + QStringLiteral("pequenas/");
    QDir().mkpath(enMemoria);
    CreaBaseSqlite(enMemoria + QStringLiteral("subida.db"), {QStringLiteral(ESCANEO_SOURCE_DIR "/db/subida.sql")});

    // The same small page under 100 and 1,000 request numbers.
    ImagenBmp pequena;
    pequena.ancho = 64;
    pequena.alto = 48;
    pequena.bitsPorPixel = 24;
    pequena.bytesPorFila = 3 * pequena.ancho;
    pequena.filas = QByteArray(pequena.bytesPorFila * pequena.alto, '\x80');
    EscribeBmp(carpeta + QStringLiteral("pequena.bmp"), pequena);
    Medianas pequenas[2];
    const int cuantos[2] = {Pocos, Muchos};
    for (int k = 0; k < 2; ++k) {
        const Subida s{enMemoria + QStringLiteral("%1/").arg(k), enMemoria + QStringLiteral("recurso/"),
                       enMemoria + QStringLiteral("subida.db")};
        pequenas[k] = Compara(*turbo, s, Copias(s.origen, {carpeta + QStringLiteral("pequena.bmp")}, cuantos[k]),
                              enMemoria + QStringLiteral("base/"), RondasPequenas);
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);

    if (!EscaneaPagina(carpeta, QStringLiteral("Color"), QStringLiteral("Color pattern"), QStringLiteral("color.bmp"))
        || !EscaneaPagina(carpeta, QStringLiteral("Gray"), QStringLiteral("Grid"), QStringLiteral("gris.bmp")))
        return 1;
    const QStringList modelos = {carpeta + QStringLiteral("gris.bmp"), carpeta + QStringLiteral("color.bmp")};
    const Subida paginas{carpeta + QStringLiteral("paginas/"), carpeta + QStringLiteral("recurso/"), subida};
    const Medianas m = Compara(*turbo, paginas, Copias(paginas.origen, modelos, Paginas), base, Rondas);
    const Subida pausadas{carpeta + QStringLiteral("pausadas/"), paginas.destino, subida};
    Copias(pausadas.origen, modelos, PaginasPausa);
    const Medianas pausa = ComparaPausa(pausadas, PaginasPausa, Rondas);
    if (m.nuestra < 0 || pequenas[0].nuestra < 0 || pequenas[1].nuestra < 0 || pausa.nuestra < 0)
        return 1;
    std::printf("%s, %d small BMPs: %.1f ms   %d: %.1f ms   growth %.2f goal <= 11 (tjCompress2 alone: %.2f)   "
                "peak memory %ld MB\n",
                memoria.isValid() ? "in memory" : "on disk", Pocos, pequenas[0].nuestra, Muchos, pequenas[1].nuestra, pequenas[1].nuestra / pequenas[0].nuestra,
                pequenas[1].base / pequenas[0].base, long(uso.ru_maxrss / 1024));
    std::printf("%d pages of the test device, 200 mm square at 200 dpi (colour and grey)\n", Paginas);
    std::printf("upload batch: %.1f ms   tjCompress2 on %u cores, each file synced: %.1f ms (medians of %d rounds)\n",
                m.nuestra, std::max(1u, std::thread::hardware_concurrency()), m.base, Rondas);
    std::printf("%d pages, from the start of the %dth to the end: the batch stalled %d ms at its first mark "
                "%.1f ms   unstalled: %.1f ms   ratio %.3f goal <= 1.2\n",
                PaginasPausa, 2 * Grupo + 1, PausaMs, pausa.nuestra, pausa.base, pausa.nuestra / pausa.base);
    std::printf("ratio %.3f goal <= 1.2\n", m.nuestra / m.base);
    return 0;
}
