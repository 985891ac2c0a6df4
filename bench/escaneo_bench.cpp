// Scans N pages of SANE's test device through the program's own road (the
// scanner calls, the BMP file and the row in CTROL_ESCANEO), through the
// scanner calls alone, and with scanimage, one process per page, and prints
// the times.
//
//   escaneo_bench [N] [pixel type 0|1|2] [dots per inch]

#include "platform/base/Err.h"
#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "platform/scanner/Twain.h"
#include "scanning/Escaneo.h"
#include "services/Modulo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <numeric>
#include <vector>

namespace {

struct Parametros {
    int paginas = 20;
    int tipoPixel = 2;  // what the window's buttons scan in
    double ppp = 290;   // the window's default resolution
};

bool lee(int argc, char** argv, Parametros& p)
{
    bool ok = true;
    if (argc > 1)
        p.paginas = QString::fromLocal8Bit(argv[1]).toInt(&ok);
    if (ok && argc > 2)
        p.tipoPixel = QString::fromLocal8Bit(argv[2]).toInt(&ok);
    if (ok && argc > 3)
        p.ppp = QString::fromLocal8Bit(argv[3]).toDouble(&ok);
    return ok && argc <= 4 && p.paginas > 0 && p.tipoPixel >= 0 && p.tipoPixel <= 2 && p.ppp > 0;
}

bool escribe(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::WriteOnly) && archivo.write(contenido) == contenido.size();
}

QStringList argumentosScanimage(const Parametros& p)
{
    const char* modo[] = {"Gray", "Gray", "Color"};
    const char* profundidad[] = {"1", "8", "8"};
    return {QStringLiteral("-d"), QStringLiteral("test:0"),
            QStringLiteral("--mode"), QLatin1String(modo[p.tipoPixel]),
            QStringLiteral("--depth"), QLatin1String(profundidad[p.tipoPixel]),
            QStringLiteral("--resolution"), QString::number(p.ppp),
            QStringLiteral("--format=pnm")};
}

bool escaneaPrograma(ConexionDatos& conexion, const QString& carpeta, const Parametros& p, int pagina)
{
    const QString nombre = QStringLiteral("pagina%1").arg(pagina);
    try {
        const ResultadoEscaneo r = EscaneaDocumento(conexion, carpeta, nombre, QStringLiteral("1001"),
                                                    QStringLiteral("FC000100000012A"), p.tipoPixel, p.ppp);
        if (!r.errorRegistro.isEmpty()) {
            std::fprintf(stderr, "registro: %s\n", qPrintable(r.errorRegistro));
            return false;
        }
        return QFileInfo(r.ruta).size() > 0;
    } catch (const Err& e) {
        std::fprintf(stderr, "escaneo: %s\n", e.what());
        return false;
    }
}

bool escaneaSoloEscaner(const QString& carpeta, const Parametros& p, int pagina)
{
    const QString archivo = carpeta + QStringLiteral("/escaner%1.bmp").arg(pagina);
    return TWAIN_OpenDefaultSource() == 1 && TWAIN_SetCurrentResolution(p.ppp) == 1
           && TWAIN_SetCurrentPixelType(p.tipoPixel) == 1 && TWAIN_AcquireToFilename(0, archivo) == 0;
}

bool escaneaScanimage(const QString& carpeta, const Parametros& p, int pagina)
{
    const QString archivo = carpeta + QStringLiteral("/scanimage%1.pnm").arg(pagina);
    QProcess proceso;
    proceso.setStandardOutputFile(archivo);
    proceso.start(QStringLiteral("scanimage"), argumentosScanimage(p));
    if (!proceso.waitForFinished(-1) || proceso.exitStatus() != QProcess::NormalExit || proceso.exitCode() != 0) {
        std::fprintf(stderr, "scanimage: %s\n", proceso.readAllStandardError().constData());
        return false;
    }
    return QFileInfo(archivo).size() > 0;
}

struct Tiempos {
    double total = 0;    // seconds for all the pages
    double mediana = 0;  // seconds of the median page
};

// The times of each road, after one untimed warm-up page of each. The roads
// take turns page by page, so the disk's background write-back weighs on all
// of them alike; the median page leaves out the pages it stalled. False on
// failure.
template <typename... Escanea>
bool mide(int paginas, std::array<Tiempos, sizeof...(Escanea)>& tiempos, Escanea... escanea)
{
    const std::array<std::function<bool(int)>, sizeof...(Escanea)> caminos{escanea...};
    for (const auto& camino : caminos) {
        if (!camino(0))
            return false;
    }
    std::array<std::vector<double>, sizeof...(Escanea)> porPagina;
    QElapsedTimer reloj;
    for (int i = 1; i <= paginas; ++i) {
        for (size_t c = 0; c < caminos.size(); ++c) {
            reloj.start();
            if (!caminos[c](i))
                return false;
            porPagina[c].push_back(reloj.nsecsElapsed() / 1e9);
        }
    }
    for (size_t c = 0; c < caminos.size(); ++c) {
        std::vector<double>& v = porPagina[c];
        tiempos[c].total = std::accumulate(v.begin(), v.end(), 0.0);
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        tiempos[c].mediana = v[v.size() / 2];
    }
    return true;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Parametros p;
    if (!lee(argc, argv, p)) {
        std::fprintf(stderr, "uso: escaneo_bench [paginas] [tipo de pixel 0|1|2] [puntos por pulgada]\n");
        return 2;
    }

    QTemporaryDir carpeta;
    const QString sane = carpeta.filePath(QStringLiteral("sane"));
    const QString escaneos = carpeta.filePath(QStringLiteral("SCAN"));
    const QString base = carpeta.filePath(QStringLiteral("escaneo.db"));
    if (!carpeta.isValid() || !QDir().mkpath(sane) || !QDir().mkpath(escaneos)
        || !escribe(sane + QStringLiteral("/dll.conf"), "test\n")) {
        std::fprintf(stderr, "no se pudo preparar la carpeta temporal\n");
        return 1;
    }
    // Only SANE's test device, for both the program and scanimage.
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(sane));
    qputenv("ESCANEO_SCANNER", "test:0");

    ConexionDatos conexion;
    try {
        CreaBaseSqlite(base, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql")});
    } catch (const Err& e) {
        std::fprintf(stderr, "base de datos: %s\n", e.what());
        return 1;
    }
    conexion.setServidor(QStringLiteral("sqlite"));
    conexion.setBaseDatos(base);
    conexion.Conecta(false, 3, QString(), true, true);
    if (!conexion.EstaConectado()) {
        std::fprintf(stderr, "no se pudo conectar con %s\n", qPrintable(base));
        return 1;
    }
    Modulo().UsuarioActual = QStringLiteral("bench");

    std::array<Tiempos, 3> tiempos{};
    if (!mide(
            p.paginas, tiempos, [&](int i) { return escaneaPrograma(conexion, escaneos, p, i); },
            [&](int i) { return escaneaSoloEscaner(escaneos, p, i); },
            [&](int i) { return escaneaScanimage(escaneos, p, i); }))
        return 1;
    const auto [programa, escaner, scanimage] = tiempos;

    std::printf("paginas: %d, tipo de pixel %d, %g ppp\n", p.paginas, p.tipoPixel, p.ppp);
    auto linea = [](const char* que, const Tiempos& t) {
        std::printf("%-40s %.3f s en total, mediana %.1f ms por pagina\n", que, t.total, 1000 * t.mediana);
    };
    linea("escaneo (TWAIN + BMP + CTROL_ESCANEO):", programa);
    linea("solo TWAIN_AcquireToFilename:", escaner);
    linea("scanimage (un proceso por pagina):", scanimage);
    std::printf("relacion escaneo / scanimage: %.3f (total %.3f)\n", programa.mediana / scanimage.mediana,
                programa.total / scanimage.total);
    std::printf("relacion TWAIN / scanimage:   %.3f (total %.3f)\n", escaner.mediana / scanimage.mediana,
                escaner.total / scanimage.total);
    return 0;
}
