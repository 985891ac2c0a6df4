// Small statements as the system runs them through ConexionDatos (SQL Server
// text, adapted by the embedded engine) against the bare sqlite3 C API running
// the same statements written for SQLite, on one demo database with the
// engine's collation and functions registered on both connections.
//
// Cases: a settings lookup whose texts repeat (the bare road keeps its
// prepared statements, as a C program repeating a text would); a lookup and
// an insert whose texts are new every time (both roads compile each one).
// Inserts run inside a transaction per round, so the commit's sync, equal on
// both roads, does not hide the statements' own cost.

#include "base/Medidas.h"
#include "platform/base/Err.h"
#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "platform/data/sqlite/MotorSqlite.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unordered_map>
#include <vector>

namespace {

constexpr int rondas = 101;
constexpr int porRonda = 200;
constexpr int filasPrevias = (rondas + 1) * 2 * porRonda;

const char* const claves[] = {"RUTA_ESCANEO",      "THEME",          "TITULOCLIENTES",       "PERIODO",
                              "CANTIDADDECIMALES", "USACONSULTALIKE", "USAFACTURAPROFORMA",   "CFONDO",
                              "CLETRA",            "MAXDTO",         "MODULOORDENDETRABAJO", "MADERERA"};
constexpr int cuantasClaves = int(sizeof(claves) / sizeof(claves[0]));

// The bare road: one connection, as a C program would open it.
class Directa {
public:
    explicit Directa(const QString& archivo)
    {
        if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw Err(NumeroError::ErrorDelServidor, QStringLiteral("no se pudo abrir %1").arg(archivo));
        RegistraFuncionesSqlite(db_, &usuario_);
        exec("PRAGMA foreign_keys = ON");
        exec("PRAGMA journal_mode = WAL");
        sqlite3_busy_timeout(db_, 30000);
    }
    ~Directa()
    {
        for (auto& [texto, st] : preparadas_)
            sqlite3_finalize(st);
        sqlite3_close_v2(db_);
    }
    Directa(const Directa&) = delete;
    Directa& operator=(const Directa&) = delete;

    void exec(const char* sql)
    {
        char* mensaje = nullptr;
        if (sqlite3_exec(db_, sql, nullptr, nullptr, &mensaje) != SQLITE_OK) {
            const QString texto = QString::fromUtf8(mensaje);
            sqlite3_free(mensaje);
            throw Err(NumeroError::ErrorDelServidor, texto);
        }
    }

    // Runs the statement, kept prepared or compiled for this run, and reads
    // every value as text; returns how many bytes it read.
    long corre(const QByteArray& sql, bool guarda)
    {
        sqlite3_stmt* compilada = nullptr;
        sqlite3_stmt*& st = guarda ? preparadas_[sql.toStdString()] : compilada;
        if (!st && sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
            throw Err(NumeroError::ErrorDelServidor, QString::fromUtf8(sqlite3_errmsg(db_)));
        long bytes = 0;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                sqlite3_column_text(st, c);
                bytes += sqlite3_column_bytes(st, c);
            }
        }
        if (guarda)
            sqlite3_reset(st);
        else
            sqlite3_finalize(st);
        if (rc != SQLITE_DONE)
            throw Err(NumeroError::ErrorDelServidor, QString::fromUtf8(sqlite3_errmsg(db_)));
        return bytes;
    }

private:
    sqlite3* db_ = nullptr;
    QString usuario_ = QStringLiteral("demo");
    std::unordered_map<std::string, sqlite3_stmt*> preparadas_;
};

// The scan register's row, as the system writes it; SQLite reads it as it is.
QString insercion(int n)
{
    return QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta,Cpte,Fecha,Usuario,RutaArchivo,NombreArchivo)  VALUES "
                          "('1001','FC  000100000012A','2025-07-09 10:11:12','demo','/home/demo/SCAN/hoja%1.bmp',"
                          "'hoja%1')")
        .arg(n);
}

QString consultaDeArchivo(int n)
{
    return QStringLiteral("SELECT Cuenta, Cpte, RutaArchivo FROM CTROL_ESCANEO WHERE NombreArchivo = 'hoja%1'").arg(n);
}

// A setting, as the configuration reads it, and as SQLite would.
QString consultaDeClave(int n, bool servidor)
{
    return QStringLiteral("SELECT VALOR, valoraux FROM TA_CONFIGURACION%1 WHERE CLAVE = '%2'")
        .arg(servidor ? QStringLiteral(" with(nolock) ") : QString(), QLatin1String(claves[n % cuantasClaves]));
}

// One road of a case: its statement by number, and what goes around each
// timed round, outside the timing.
struct Camino {
    std::function<void(int)> corre;
    std::function<void()> antes = [] {};
    std::function<void()> despues = [] {};
};

struct Caso {
    const char* nombre;
    Camino nuestro, directo;
};

// Microseconds per statement of each road, medians of short rounds taking
// turns, so that what else the machine does weighs on both alike; every
// statement number is used once across both roads.
std::pair<double, double> mide(const Caso& caso)
{
    int numero = 0;
    QElapsedTimer reloj;
    auto ronda = [&](const Camino& camino) {
        camino.antes();
        reloj.start();
        for (int i = 0; i < porRonda; ++i)
            camino.corre(numero++);
        const double us = double(reloj.nsecsElapsed()) / 1e3 / porRonda;
        camino.despues();
        return us;
    };
    ronda(caso.nuestro);
    ronda(caso.directo);
    std::vector<double> nuestros, directos;
    for (int r = 0; r < rondas; ++r) {
        if (r % 2 == 0) {
            nuestros.push_back(ronda(caso.nuestro));
            directos.push_back(ronda(caso.directo));
        } else {
            directos.push_back(ronda(caso.directo));
            nuestros.push_back(ronda(caso.nuestro));
        }
    }
    return {mediana(nuestros), mediana(directos)};
}

}  // namespace

int main()
{
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("escaneo.db"));
    try {
        // The files the new-text lookups find, one per statement number, are
        // written before either road opens the file, so neither finds them
        // in its own page cache.
        const QString filas = carpeta.filePath(QStringLiteral("filas.sql"));
        const QByteArray script =
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < %1) "
                           "INSERT INTO CTROL_ESCANEO (Cuenta,Cpte,Fecha,Usuario,RutaArchivo,NombreArchivo) "
                           "SELECT '1001','FC  000100000012A','2025-07-09 10:11:12','demo',"
                           "'/home/demo/SCAN/hoja' || i || '.bmp','hoja' || i FROM n;")
                .arg(filasPrevias)
                .toUtf8();
        QFile archivoFilas(filas);
        if (!archivoFilas.open(QIODevice::WriteOnly) || archivoFilas.write(script) != script.size())
            throw Err(NumeroError::ErrorDelServidor, QStringLiteral("no se pudo escribir %1").arg(filas));
        archivoFilas.close();
        CreaBaseSqlite(archivo, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql"),
                                 QStringLiteral(ESCANEO_SOURCE_DIR "/db/demo.sql"), filas});
        ConexionDatos conexion;
        conexion.setServidor(QStringLiteral("sqlite"));
        conexion.setBaseDatos(archivo);
        conexion.setUsuario(QStringLiteral("demo"));
        conexion.Conecta(false, 3, QString(), false, false);
        if (!conexion.EstaConectado()) {
            std::fprintf(stderr, "no se pudo conectar: %s\n", qPrintable(conexion.ErrorConexion()));
            return 1;
        }
        Directa directa(archivo);

        long leidos = 0;
        const auto lee = [&](const QString& sql) {
            auto rs = conexion.AbreRecordset(sql);
            leidos += rs->Campo(0).toString().size();
            conexion.CierraRecordset(rs);
        };
        const Caso casos[] = {
            {"select repetida", {[&](int n) { lee(consultaDeClave(n, true)); }},
             {[&](int n) { leidos += directa.corre(consultaDeClave(n, false).toUtf8(), true); }}},
            {"select nueva", {[&](int n) { lee(consultaDeArchivo(n)); }},
             {[&](int n) { leidos += directa.corre(consultaDeArchivo(n).toUtf8(), false); }}},
            {"insert",
             {[&](int n) { conexion.Ejecuta(insercion(filasPrevias + n)); },
              [&] { conexion.Ejecuta(QStringLiteral("BEGIN TRANSACTION")); },
              [&] { conexion.Ejecuta(QStringLiteral("COMMIT TRANSACTION")); }},
             {[&](int n) { directa.corre(insercion(filasPrevias + n).toUtf8(), false); },
              [&] { directa.exec("BEGIN"); }, [&] { directa.exec("COMMIT"); }}},
        };
        double peor = 0;
        for (const Caso& caso : casos) {
            const auto [nuestro, directo] = mide(caso);
            const double ratio = nuestro / directo;
            peor = std::max(peor, ratio);
            std::printf("%-16s ConexionDatos %7.2f us  sqlite3 %7.2f us  ratio %.2f\n", caso.nombre, nuestro, directo,
                        ratio);
        }
        if (leidos == 0) {
            std::fprintf(stderr, "las consultas no leyeron nada\n");
            return 1;
        }
        std::printf("ratio %.2f goal <= 1.3\n", peor);
    } catch (const Err& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
