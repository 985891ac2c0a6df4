// Reading many rows: the scan register of a demo database filled with
// 100,000 scans (dates with and without time, text, numbers and nulls), read
// whole through ConexionDatos::AbreRecordset as the callers read it (every
// field by name, turned into the type they use) and through the bare sqlite3
// C API reading and converting the same values, dates parsed by position.
// Also the peak memory a forward-only recordset adds while it reads 10,000
// and 100,000 rows, which must not grow with the rows.

#include "base/Medidas.h"
#include "platform/base/Err.h"
#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "platform/data/sqlite/MotorSqlite.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int filasGrandes = 100'000;
constexpr int filasChicas = 10'000;
constexpr int rondas = 9;

// The bare connections know the engine's collation and functions too.
QString usuarioDirecto = QStringLiteral("demo");

const char* const consultaDirecta = "SELECT Cuenta, Cpte, Fecha, Usuario, RutaArchivo, NombreArchivo, Eliminado, "
                                    "EliminadoPor, ActualizadoPor, FhActualizado FROM CTROL_ESCANEO";
const QString consultaServidor =
    QStringLiteral("SELECT Cuenta, Cpte, Fecha, Usuario, RutaArchivo, NombreArchivo, Eliminado, EliminadoPor, "
                   "ActualizadoPor, FhActualizado FROM CTROL_ESCANEO with(nolock)");

void exige(bool bien, sqlite3* db)
{
    if (!bien)
        throw Err(NumeroError::ErrorDelServidor, QString::fromUtf8(sqlite3_errmsg(db)));
}

// Scans of five accounts over three years, in the order they were filed;
// some withdrawn, most touched again later at a time of their own.
void llena(const QString& archivo, int filas)
{
    sqlite3* db = nullptr;
    exige(sqlite3_open(QFile::encodeName(archivo).constData(), &db) == SQLITE_OK, db);
    RegistraFuncionesSqlite(db, &usuarioDirecto);
    const char* cuentas[] = {"1001", "1002", "1003", "2001", "2002"};
    const char* tipos[] = {"FC  ", "NC  ", "ND  ", "FCC ", "RM  "};
    const char* usuarios[] = {"demo", "JUAN", "MARIA"};
    sqlite3_stmt* st = nullptr;
    exige(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK, db);
    exige(sqlite3_prepare_v2(db,
                             "INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, Fecha, Usuario, RutaArchivo, NombreArchivo, "
                             "Eliminado, EliminadoPor, ActualizadoPor, FhActualizado) VALUES (?,?,?,?,?,?,?,?,?,?)",
                             -1, &st, nullptr)
              == SQLITE_OK,
          db);
    auto texto = [&](int i, const QByteArray& t) { sqlite3_bind_text(st, i, t.constData(), int(t.size()), SQLITE_TRANSIENT); };
    for (int i = 0; i < filas; ++i) {
        const QDate dia = QDate(2023, 1, 2).addDays(i * 1100LL / filas);
        texto(1, cuentas[i % 5]);
        texto(2, QByteArray(tipos[i % 5]) + QByteArray::number(100000000 + i).rightJustified(13, '0') + 'A');
        texto(3, dia.toString(Qt::ISODate).toLatin1() + " 00:00:00");
        texto(4, usuarios[i % 3]);
        texto(5, "SCAN/" + dia.toString(QStringLiteral("yyyy/MM")).toLatin1() + '/');
        texto(6, "escaneo-" + QByteArray::number(i) + ".jpg");
        const bool retirado = i % 20 == 7;
        if (retirado) {
            sqlite3_bind_int(st, 7, 1);
            texto(8, usuarios[(i + 1) % 3]);
        } else {
            sqlite3_bind_null(st, 7);
            sqlite3_bind_null(st, 8);
        }
        if (i % 5 < 3) {
            texto(9, usuarios[(i + 2) % 3]);
            const QDateTime cuando = QDateTime(dia, QTime(8, 0)).addSecs((i * 37) % 36000);
            texto(10, cuando.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1());
        } else {
            sqlite3_bind_null(st, 9);
            sqlite3_bind_null(st, 10);
        }
        exige(sqlite3_step(st) == SQLITE_DONE, db);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    exige(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK, db);
    sqlite3_close(db);
}

QString creaBase(const QTemporaryDir& carpeta, const QString& nombre, int filas)
{
    const QString archivo = carpeta.filePath(nombre);
    CreaBaseSqlite(archivo, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql"),
                             QStringLiteral(ESCANEO_SOURCE_DIR "/db/demo.sql")});
    llena(archivo, filas);
    return archivo;
}

// What both roads add up, so each must have read every value.
struct Suma {
    qint64 total = 0;
    void texto(const QString& t) { total += t.size(); }
    void numero(qint64 n) { total += n; }
    void fecha(QDate d, QTime t)
    {
        if (d.isValid())
            total += d.year() * 372 + d.month() * 31 + d.day() + t.msecsSinceStartOfDay();
    }
};

qint64 leeNuestro(ConexionDatos& conexion, int tipoCursor, int tipoBloqueo)
{
    Suma suma;
    auto rs = conexion.AbreRecordset(consultaServidor, tipoCursor, tipoBloqueo);
    auto fecha = [&](const QString& campo) {
        const QDateTime f = rs->Campo(campo).toDateTime();
        suma.fecha(f.date(), f.time());
    };
    while (!rs->EOF()) {
        suma.texto(rs->Campo(QStringLiteral("Cuenta")).toString());
        suma.texto(rs->Campo(QStringLiteral("Cpte")).toString());
        fecha(QStringLiteral("Fecha"));
        suma.texto(rs->Campo(QStringLiteral("Usuario")).toString());
        suma.texto(rs->Campo(QStringLiteral("RutaArchivo")).toString());
        suma.texto(rs->Campo(QStringLiteral("NombreArchivo")).toString());
        suma.numero(rs->Campo(QStringLiteral("Eliminado")).toLongLong());
        suma.texto(rs->Campo(QStringLiteral("EliminadoPor")).toString());
        suma.texto(rs->Campo(QStringLiteral("ActualizadoPor")).toString());
        fecha(QStringLiteral("FhActualizado"));
        rs->MoveNext();
    }
    conexion.CierraRecordset(rs);
    return suma.total;
}

int cifras(const unsigned char* t, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (t[i] - '0');
    return v;
}

qint64 leeDirecto(sqlite3* db)
{
    Suma suma;
    sqlite3_stmt* st = nullptr;
    exige(sqlite3_prepare_v2(db, consultaDirecta, -1, &st, nullptr) == SQLITE_OK, db);
    auto texto = [&](int c) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
        suma.texto(t ? QString::fromUtf8(t, sqlite3_column_bytes(st, c)) : QString());
    };
    auto fecha = [&](int c) {
        const unsigned char* t = sqlite3_column_text(st, c);
        if (!t || sqlite3_column_bytes(st, c) < 19)
            return;
        suma.fecha(QDate(cifras(t, 4), cifras(t + 5, 2), cifras(t + 8, 2)),
                   QTime(cifras(t + 11, 2), cifras(t + 14, 2), cifras(t + 17, 2)));
    };
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        texto(0);
        texto(1);
        fecha(2);
        texto(3);
        texto(4);
        texto(5);
        suma.numero(sqlite3_column_int64(st, 6));
        texto(7);
        texto(8);
        fecha(9);
    }
    sqlite3_finalize(st);
    exige(rc == SQLITE_DONE, db);
    return suma.total;
}

// Milliseconds of processor time one run took, and what it added up: other
// work on the machine does not count.
std::pair<double, qint64> cronometra(const std::function<qint64()>& lee)
{
    qint64 suma = 0;
    const double ms = msDeHilo([&] { suma = lee(); });
    return {ms, suma};
}

bool conecta(ConexionDatos& conexion, const QString& archivo)
{
    conexion.setServidor(QStringLiteral("sqlite"));
    conexion.setBaseDatos(archivo);
    conexion.setUsuario(QStringLiteral("demo"));
    conexion.Conecta(false, 3, QString(), false, false);
    if (!conexion.EstaConectado())
        std::fprintf(stderr, "no se pudo conectar: %s\n", qPrintable(conexion.ErrorConexion()));
    return conexion.EstaConectado();
}

}  // namespace

int main()
{
    QTemporaryDir carpeta;
    try {
        const QString grande = creaBase(carpeta, QStringLiteral("grande.db"), filasGrandes);
        const QString chica = creaBase(carpeta, QStringLiteral("chica.db"), filasChicas);
        ConexionDatos conexion, conexionChica;
        if (!conecta(conexion, grande) || !conecta(conexionChica, chica))
            return 1;
        sqlite3* db = nullptr;
        exige(sqlite3_open_v2(QFile::encodeName(grande).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK,
              db);
        RegistraFuncionesSqlite(db, &usuarioDirecto);

        sqlite3* dbChica = nullptr;
        exige(sqlite3_open_v2(QFile::encodeName(chica).constData(), &dbChica, SQLITE_OPEN_READONLY, nullptr)
                  == SQLITE_OK,
              dbChica);
        const long memoriaChica = crecimiento([&] { leeNuestro(conexionChica, 0, 1); });
        const long memoriaGrande = crecimiento([&] { leeNuestro(conexion, 0, 1); });
        const long directaChica = crecimiento([&] { leeDirecto(dbChica); });
        const long directaGrande = crecimiento([&] { leeDirecto(db); });
        const long memoriaEntera = crecimiento([&] { leeNuestro(conexion, 2, 3); });
        sqlite3_close(dbChica);

        const auto nuestro = [&] { return leeNuestro(conexion, 0, 1); };
        const auto directo = [&] { return leeDirecto(db); };
        const qint64 esperada = directo();
        if (nuestro() != esperada) {
            std::fprintf(stderr, "los dos caminos no leen lo mismo\n");
            return 1;
        }
        std::vector<double> nuestros, directos;
        for (int r = 0; r < rondas; ++r) {
            const bool primeroNuestro = r % 2 == 0;
            for (int lado = 0; lado < 2; ++lado) {
                const bool esNuestro = (lado == 0) == primeroNuestro;
                const auto [ms, suma] = cronometra(esNuestro ? std::function<qint64()>(nuestro) : directo);
                if (suma != esperada) {
                    std::fprintf(stderr, "una lectura no sumó lo esperado\n");
                    return 1;
                }
                (esNuestro ? nuestros : directos).push_back(ms);
            }
        }
        sqlite3_close(db);

        const double n = mediana(nuestros), d = mediana(directos);
        std::printf("%d filas de CTROL_ESCANEO, %d rondas alternadas, medianas\n", filasGrandes, rondas);
        std::printf("  Recordset (cursor 0, bloqueo 1): %8.1f ms\n", n);
        std::printf("  API de sqlite3:                  %8.1f ms\n", d);
        std::printf("pico de memoria agregado al leer (KiB), %d / %d filas:\n", filasChicas, filasGrandes);
        std::printf("  Recordset de solo avance: %6ld / %6ld\n", memoriaChica, memoriaGrande);
        std::printf("  API de sqlite3:           %6ld / %6ld\n", directaChica, directaGrande);
        std::printf("  Recordset actualizable:            %6ld\n", memoriaEntera);
        std::printf("ratio %.2f goal <= 2\n", n / d);
    } catch (const Err& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 0;
}
