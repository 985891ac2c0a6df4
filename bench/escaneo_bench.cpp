// Scans colour, grey and black-and-white pages of SANE's test device through
// the program's scan road (the BMP file, its folder entry and its row in
// CTROL_ESCANEO, each on the disk before the scan is done) and through
// scanimage --batch, one process per mode that scans a page at each Enter,
// each page's file and folder entry synced as the road syncs its own. The
// two take turns page by page; each mode's median page of the road is set
// against scanimage's, and the worst mode is the ratio.
//
// SANE's configuration is the caller's, or the test backend alone.

#include "base/Medidas.h"
#include "base/SaneDePrueba.h"
#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "scanning/Escaneo.h"
#include "scanning/OperadorEscaneo.h"
#include "services/Arranque.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Paginas = 40;  // timed pages of each road in each mode
constexpr double Ppp = 290;  // the window's default resolution
constexpr double Meta = 1.1;
const QString Dispositivo = QStringLiteral("test:0");

struct Modo {
    const char* nombre;
    int tipoPixel;  // as the road takes it
    const char* modoSane;
    const char* profundidad;
};
const Modo Modos[] = {{"color", 2, "Color", "8"}, {"grises", 1, "Gray", "8"}, {"blanco y negro", 0, "Gray", "1"}};

// Answers the road's questions with the next page's name; any notice is a failure.
class OperadorDeBanco : public OperadorEscaneo {
public:
    QString NombreArchivo(const QString&) override { return nombre; }
    bool AbandonaCarga() override { return true; }
    bool ReemplazaArchivo(const QString&) override { return true; }
    void Avisa(AvisoEscaneo, const QString& detalle) override { avisos << detalle; }

    QString nombre;
    QStringList avisos;
};

bool escaneaConElPrograma(const Modo& modo, const QString& carpeta, int pagina)
{
    OperadorDeBanco operador;
    operador.nombre = QStringLiteral("programa-%1-%2").arg(modo.tipoPixel).arg(pagina);
    PedidoEscaneo pedido;
    pedido.comprobante = QStringLiteral("FC000100000012A");
    pedido.cuenta = QStringLiteral("1001");
    pedido.resolucion = Ppp;
    pedido.tipoPixel = modo.tipoPixel;
    Escanea(operador, pedido);
    if (!operador.avisos.isEmpty()) {
        std::fprintf(stderr, "escaneo: %s\n", qPrintable(operador.avisos.join(QStringLiteral("; "))));
        return false;
    }
    return QFileInfo(carpeta + operador.nombre + QStringLiteral(".bmp")).size() > 0;
}

// scanimage in batch mode, waiting for Enter before each page and printing
// each file it finished.
class Scanimage {
public:
    bool inicia(const Modo& modo, const QString& carpeta)
    {
        const QString lote = carpeta + QStringLiteral("scanimage-%1-%d.pnm").arg(modo.tipoPixel);
        // The same read size as the road's scanner loop.
        proceso_.start(QStringLiteral("scanimage"),
                       {QStringLiteral("-d"), Dispositivo, QStringLiteral("--mode"), QLatin1String(modo.modoSane),
                        QStringLiteral("--depth"), QLatin1String(modo.profundidad), QStringLiteral("--resolution"),
                        QString::number(Ppp), QStringLiteral("--format=pnm"), QStringLiteral("--buffer-size=256"),
                        QStringLiteral("--batch=") + lote, QStringLiteral("--batch-prompt"),
                        QStringLiteral("--batch-print")});
        return proceso_.waitForStarted();
    }
    ~Scanimage()
    {
        proceso_.closeWriteChannel();
        if (!proceso_.waitForFinished(10000))
            proceso_.kill();
    }

    bool pagina()
    {
        proceso_.write("\n");
        while (!proceso_.canReadLine()) {
            if (!proceso_.waitForReadyRead(30000)) {
                std::fprintf(stderr, "scanimage: %s\n", proceso_.readAllStandardError().constData());
                return false;
            }
        }
        const QString archivo = QString::fromLocal8Bit(proceso_.readLine()).trimmed();
        return sincroniza(archivo);
    }

private:
    static bool sincroniza(const QString& archivo)
    {
        const int descriptor = ::open(QFile::encodeName(archivo).constData(), O_RDONLY | O_CLOEXEC);
        const bool datos = descriptor >= 0 && ::fdatasync(descriptor) == 0;
        if (descriptor >= 0)
            ::close(descriptor);
        try {
            SincronizaCarpeta(QFileInfo(archivo).absolutePath());
        } catch (const Err& e) {
            std::fprintf(stderr, "scanimage: %s\n", e.what());
            return false;
        }
        return datos;
    }

    QProcess proceso_;
};

// The median page of each road, in milliseconds, after one untimed page of
// each. The order inside each turn alternates, so the disk's background
// write-back weighs on both alike.
bool mide(const Modo& modo, const QString& carpeta, double& programa, double& baseline)
{
    Scanimage scanimage;
    if (!scanimage.inicia(modo, carpeta) || !scanimage.pagina() || !escaneaConElPrograma(modo, carpeta, 0))
        return false;
    std::vector<double> tiempos[2];
    QElapsedTimer reloj;
    for (int i = 1; i <= Paginas; ++i) {
        for (int turno = 0; turno < 2; ++turno) {
            const int camino = (i + turno) % 2;
            reloj.start();
            if (!(camino == 0 ? escaneaConElPrograma(modo, carpeta, i) : scanimage.pagina()))
                return false;
            tiempos[camino].push_back(reloj.nsecsElapsed() / 1e6);
        }
    }
    programa = mediana(tiempos[0]);
    baseline = mediana(tiempos[1]);
    return true;
}

// The demo database in the folder, opened as the suite's menu opens it; the
// scan folder is its "SCAN/", relative to the folder made current.
bool preparaPrograma(const QTemporaryDir& dir)
{
    const QString fuente = QStringLiteral(ESCANEO_SOURCE_DIR "/db/");
    const QString base = dir.filePath(QStringLiteral("escaneo.db"));
    try {
        CreaBaseSqlite(base, {fuente + QStringLiteral("schema.sql"), fuente + QStringLiteral("demo.sql")});
        CreaBaseSqlite(dir.filePath(QStringLiteral("QX_PRESIDIUMBAR.db")), {fuente + QStringLiteral("QX_PRESIDIUMBAR.sql")});
    } catch (const Err& e) {
        std::fprintf(stderr, "base de datos: %s\n", e.what());
        return false;
    }
    for (const char* variable : {"TEMP", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(variable, QFile::encodeName(dir.path()));
    qputenv("ESCANEO_SCANNER", Dispositivo.toLatin1());
    QString cadena;
    return QDir::setCurrent(dir.path()) && QDir().mkpath(QStringLiteral("SCAN"))
           && IniciaConexion(false,
                             QStringLiteral("@ParametroAdicional=;@Menu=ESC01;@Server=sqlite;@DbName=%1;@Usuario=demo;"
                                            "@Password=clave;@UsuarioLogeado=demo;")
                                 .arg(base),
                             cadena, 3);
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    if (!ConfiguraSaneDePrueba(dir.path()))
        return 1;
    if (!preparaPrograma(dir)) {
        std::fprintf(stderr, "no se pudo abrir la base de datos de prueba\n");
        return 1;
    }
    const QString carpeta = dir.filePath(QStringLiteral("SCAN")) + QLatin1Char('/');

    std::printf("%d paginas por modo a %g ppp; SANE_CONFIG_DIR=%s\n", Paginas, Ppp,
                qgetenv("SANE_CONFIG_DIR").constData());
    double peor = 0;
    for (const Modo& modo : Modos) {
        double programa = 0, baseline = 0;
        if (!mide(modo, carpeta, programa, baseline))
            return 1;
        const double ratio = programa / baseline;
        peor = std::max(peor, ratio);
        std::printf("%-15s escaneo %6.1f ms  scanimage %6.1f ms  ratio %.3f\n", modo.nombre, programa, baseline, ratio);
    }
    std::printf("ratio %.3f goal <= %.1f\n", peor, Meta);
    return 0;
}
