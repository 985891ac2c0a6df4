// Time from process start to the first painted frame, and the memory held
// then: the program `escaneo` on the demo database (full-size window, no page
// shown) against a Qt window of the same size with one label in the
// program's style, alternating, on Qt's offscreen platform. The last line
// gives the median of the rounds' ratios.

#include "base/Medidas.h"
#include "platform/base/Err.h"
#include "platform/data/sqlite/MotorSqlite.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int Rondas = 501;
constexpr int EsperaMs = 20000;

struct Medida {
    double ms = 0;
    double mib = 0;  // resident memory of the process and its children
    int procesos = 0;
};

bool escribe(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::WriteOnly) && archivo.write(contenido) == contenido.size();
}

QByteArray lee(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// VmRSS of the process and of every process below it, in KiB.
void sumaMemoria(qint64 pid, Medida& m)
{
    const QByteArray estado = lee(QStringLiteral("/proc/%1/status").arg(pid));
    for (const QByteArray& linea : estado.split('\n')) {
        if (linea.startsWith("VmRSS:"))
            m.mib += linea.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    ++m.procesos;
    for (const QString& hilo : QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QByteArray hijos = lee(QStringLiteral("/proc/%1/task/%2/children").arg(pid).arg(hilo));
        for (const QByteArray& hijo : hijos.split(' ')) {
            if (!hijo.trimmed().isEmpty())
                sumaMemoria(hijo.trimmed().toLongLong(), m);
        }
    }
}

// Starts the program and stops it at its first frame.
std::optional<Medida> mide(const QString& programa, const QStringList& argumentos, const QString& carpeta,
                           const QProcessEnvironment& entorno)
{
    QProcess proceso;
    proceso.setWorkingDirectory(carpeta);
    proceso.setProcessEnvironment(entorno);
    QElapsedTimer reloj;
    reloj.start();
    proceso.start(programa, argumentos);
    QByteArray salida;
    while (!salida.contains("primer cuadro\n") && proceso.waitForReadyRead(EsperaMs))
        salida += proceso.readAllStandardOutput();
    Medida m;
    m.ms = double(reloj.nsecsElapsed()) / 1e6;
    const bool llego = salida.contains("primer cuadro\n");
    if (llego)
        sumaMemoria(proceso.processId(), m);
    proceso.kill();
    proceso.waitForFinished();
    if (!llego) {
        std::fprintf(stderr, "%s no pintó su primer cuadro:\n%s\n", qPrintable(programa),
                     proceso.readAllStandardError().constData());
        return std::nullopt;
    }
    return m;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString carpetaProgramas = QCoreApplication::applicationDirPath();
    QTemporaryDir carpeta;
    const QString escaneos = carpeta.filePath(QStringLiteral("SCAN/"));
    const QString ubicacion = carpeta.filePath(QStringLiteral("ubicacion.sql"));
    QString literal = escaneos;
    literal.replace(u'\'', QStringLiteral("''"));
    if (!carpeta.isValid() || !QDir().mkpath(escaneos) || !QDir().mkpath(carpeta.filePath(QStringLiteral("temp")))
        || !escribe(carpeta.filePath(QStringLiteral("Lumivarnesse.ini")), "[Seleccione el Scanner]\r\nSource = 1\r\n")
        || !escribe(ubicacion, QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'RUTA_ESCANEO';\n")
                                   .arg(literal)
                                   .toUtf8())) {
        std::fprintf(stderr, "no se pudo preparar la carpeta temporal\n");
        return 1;
    }
    try {
        CreaBaseSqlite(carpeta.filePath(QStringLiteral("escaneo.db")),
                       {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql"),
                        QStringLiteral(ESCANEO_SOURCE_DIR "/db/demo.sql"), ubicacion});
    } catch (const Err& e) {
        std::fprintf(stderr, "base de datos: %s\n", e.what());
        return 1;
    }

    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    entorno.insert(QStringLiteral("ESCANEO_PRIMER_CUADRO"), QStringLiteral("1"));
    entorno.insert(QStringLiteral("TEMP"), carpeta.filePath(QStringLiteral("temp")));
    entorno.insert(QStringLiteral("ESCANEO_SCANNER"), QStringLiteral("test"));
    entorno.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));

    const QString escaneo = carpetaProgramas + QStringLiteral("/escaneo");
    const QStringList lineaComando = {QStringLiteral(
        "@Server=sqlite;@DbName=escaneo.db;@Usuario=demo;@Password=demo;@UsuarioLogeado=demo;@Menu=ESCANEO;"
        "@Caja=1;@ParametroAdicional=Opcion:Cuenta,Cpte,Accion|;")};
    const QString ventanaQt = carpetaProgramas + QStringLiteral("/ventana_qt");

    std::vector<double> mibPrograma, mibBase;
    int procesosPrograma = 0;
    const auto programa = [&] {
        const auto m = mide(escaneo, lineaComando, carpeta.path(), entorno);
        if (!m)
            return -1.0;
        mibPrograma.push_back(m->mib);
        procesosPrograma = std::max(procesosPrograma, m->procesos);
        return m->ms;
    };
    const auto base = [&] {
        const auto m = mide(ventanaQt, {}, carpeta.path(), entorno);
        if (!m)
            return -1.0;
        mibBase.push_back(m->mib);
        return m->ms;
    };
    // A first round only warms the file cache.
    if (!mide(escaneo, lineaComando, carpeta.path(), entorno) || !mide(ventanaQt, {}, carpeta.path(), entorno))
        return 1;
    Alternadas tiempos;
    if (!tiempos.corre(Rondas, programa, base))
        return 1;

    std::printf("primer cuadro, mediana de %d rondas alternadas (offscreen)\n", Rondas);
    std::printf("%-12s %7.1f ms  %6.1f MiB residentes en %d proceso(s)\n", "escaneo", mediana(tiempos.nuestro),
                mediana(mibPrograma), procesosPrograma);
    std::printf("%-12s %7.1f ms  %6.1f MiB residentes\n", "ventana Qt", mediana(tiempos.base), mediana(mibBase));
    tiempos.imprimeRelacion(1.4);
    return 0;
}
