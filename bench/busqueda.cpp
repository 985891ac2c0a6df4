// Searches 10,000 and 100,000 vouchers (a scan for one in ten) over all
// dates in both modes through the program's own road, into the grid's cells
// with the wait window up, and computes the same rows with one joined SELECT
// per mode through the bare SQLite C API on the same file, opened with the
// engine's cache settings; checks both agree and prints the times, how they
// grow with the vouchers and the peak memory of the largest search.

#include "base/Medidas.h"
#include "platform/base/Err.h"
#include "platform/base/GuardaErrores.h"
#include "platform/base/ZonaHoraria.h"
#include "platform/data/ConexionDatos.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "platform/dialogs/DialogosQt.h"
#include "scanning/Busqueda.h"
#include "scanning/GrillaFlex.h"
#include "services/Objetos.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Seven sales vouchers in ten, the rest purchases.
constexpr int Tamanos[] = {10000, 100000};
constexpr int Cuentas = 2000;
constexpr int Rondas = 7;
constexpr double GoalRelacion = 1.5;
constexpr double GoalCrecimiento = 11;

using Fila = std::array<QString, 8>;  // the seven columns and "1" for bold

bool exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "%s: %s\n", sql, error);
    sqlite3_free(error);
    return false;
}

sqlite3* abre(const QString& archivo)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "no se pudo abrir %s\n", qPrintable(archivo));
        sqlite3_close_v2(db);
        return nullptr;
    }
    // The schema's text columns compare with the server's collation, and
    // the pages are cached as the engine caches them.
    RegistraFuncionesSqlite(db, nullptr);
    AjustaMemoriaSqlite(db);
    return db;
}

struct Insercion {
    sqlite3_stmt* st = nullptr;
    Insercion(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &st, nullptr); }
    ~Insercion() { sqlite3_finalize(st); }
    void texto(int i, const QByteArray& v) { sqlite3_bind_text(st, i, v.constData(), int(v.size()), SQLITE_TRANSIENT); }
    bool corre()
    {
        const bool ok = sqlite3_step(st) == SQLITE_DONE;
        sqlite3_reset(st);
        return ok;
    }
};

bool llena(const QString& archivo, int comprobantes)
{
    const int ventas = comprobantes * 7 / 10;
    sqlite3* db = abre(archivo);
    if (!db || !exec(db, "BEGIN"))
        return false;
    std::mt19937 azar(20250309);
    bool ok = true;
    {
        Insercion cuenta(db, "INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES (?1, ?2)");
        for (int c = 0; c < Cuentas; ++c) {
            cuenta.texto(1, QByteArray::number(1000 + c));
            cuenta.texto(2, "Cuenta número " + QByteArray::number(c) + " S.A.");
            ok = ok && cuenta.corre();
        }
        Insercion venta(db, "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, FECHA, ANULADA) VALUES (?1, ?2, ?3, ?4, ?5)");
        Insercion compra(db, "INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, FECHA, ANULADA) VALUES (?1, ?2, ?3, ?4, ?5)");
        Insercion escaneo(db, "INSERT INTO CTROL_ESCANEO (Cuenta, Cpte, Fecha, Usuario, RutaArchivo, NombreArchivo, "
                              "Eliminado) VALUES (?1, ?2, ?3, 'bench', ?4, ?5, ?6)");
        const char* tiposVenta[] = {"FC  ", "NC  ", "ND  ", "TK  ", "TKFC", "NP  "};
        const char* tiposCompra[] = {"FCC ", "NCC ", "NDC ", "RMC "};
        const QDate inicio(2015, 1, 1);
        for (int i = 0; i < comprobantes && ok; ++i) {
            const bool esVenta = i < ventas;
            const QByteArray tc = esVenta ? tiposVenta[azar() % 6] : tiposCompra[azar() % 4];
            const QByteArray id = QByteArray::number(1 + azar() % 20).rightJustified(4, '0')
                                  + QByteArray::number(i).rightJustified(8, '0') + "ABX"[azar() % 3];
            const QByteArray cuenta = QByteArray::number(1000 + azar() % Cuentas);
            const QDate dia = inicio.addDays(azar() % 4000);
            const QByteArray hora = azar() % 5 == 0 ? QTime(azar() % 24, azar() % 60).toString("HH:mm:ss").toLatin1()
                                                    : QByteArray("00:00:00");
            const QByteArray fecha = dia.toString(Qt::ISODate).toLatin1() + ' ' + hora;
            Insercion& fila = esVenta ? venta : compra;
            fila.texto(1, tc);
            fila.texto(2, id);
            fila.texto(3, cuenta);
            fila.texto(4, fecha);
            sqlite3_bind_int(fila.st, 5, azar() % 30 == 0 ? 1 : 0);
            ok = fila.corre();
            if (i % 10 != 0)
                continue;
            escaneo.texto(1, cuenta);
            escaneo.texto(2, tc + id);
            escaneo.texto(3, fecha);
            escaneo.texto(4, "/srv/escaneos/");
            escaneo.texto(5, "imagen" + QByteArray::number(i) + ".jpg");
            if (i % 70 == 0)
                sqlite3_bind_int(escaneo.st, 6, 1);
            else
                sqlite3_bind_null(escaneo.st, 6);
            ok = ok && escaneo.corre();
        }
    }
    ok = ok && exec(db, "COMMIT") && exec(db, "ANALYZE");
    sqlite3_close_v2(db);
    return ok;
}

// The program's road, as the search button runs it.
int busca(ConexionDatos& conexion, GrillaFlex& grilla, bool soloEscaneados)
{
    VentanaEspera& espera = ObjVentanaEspera();
    GuardaErrores guarda(politicas::saleEnSilencio());
    espera.Muestra(QStringLiteral("Cargando"), 0);
    grilla.Clear();
    grilla.setRows(2);
    FiltroBusqueda filtro;
    filtro.SoloEscaneados = soloEscaneados;
    const int filas = Busca(conexion, filtro, grilla, espera, guarda);
    espera.Cierra();
    if (guarda.huboError())
        std::fprintf(stderr, "busqueda: %s\n", guarda.ultimoError().what());
    return guarda.huboError() ? -1 : filas;
}

QString columna(sqlite3_stmt* st, int c)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)), sqlite3_column_bytes(st, c));
}

// "yyyy-mm-dd hh:mm:ss" as the grid writes it: the day first, the time only
// when there is one.
QString fechaCorta(const QString& iso)
{
    QString texto = iso.mid(8, 2) + u'/' + iso.mid(5, 2) + u'/' + iso.left(4);
    if (iso.mid(11) != u"00:00:00")
        texto += u' ' + iso.mid(11);
    return texto;
}

const char* const ConsultaComprobantes =
    "SELECT CUENTA, DESCRIPCION, CPTE, FECHA, NombreArchivo, RutaArchivo, NombreArchivo IS NOT NULL FROM ("
    " SELECT 1 AS origen, v.CUENTA, m.DESCRIPCION, substr(trim(v.TC) || '    ', 1, 4) || v.IDCOMPROBANTE AS CPTE,"
    "  v.FECHA, v.IDCOMPROBANTE, e.NombreArchivo, e.RutaArchivo"
    " FROM V_MV_CPTE v LEFT JOIN MA_CUENTAS m ON m.CODIGO = v.CUENTA"
    " LEFT JOIN CTROL_ESCANEO e ON e.Cuenta = v.CUENTA AND e.Cpte = substr(trim(v.TC) || '    ', 1, 4) || v.IDCOMPROBANTE"
    " WHERE v.ANULADA = 0 AND v.FECHA >= '1990-01-01 00:00:00' AND v.FECHA < '2200-01-02 00:00:00'"
    " UNION ALL"
    " SELECT 2, c.CUENTA, m.DESCRIPCION, substr(trim(c.TC) || '    ', 1, 4) || c.IDCOMPROBANTE,"
    "  c.FECHA, c.IDCOMPROBANTE, e.NombreArchivo, e.RutaArchivo"
    " FROM C_MV_CPTE c LEFT JOIN MA_CUENTAS m ON m.CODIGO = c.CUENTA"
    " LEFT JOIN CTROL_ESCANEO e ON e.Cuenta = c.CUENTA AND e.Cpte = substr(trim(c.TC) || '    ', 1, 4) || c.IDCOMPROBANTE"
    " WHERE c.ANULADA = 0 AND c.FECHA >= '1990-01-01 00:00:00' AND c.FECHA < '2200-01-02 00:00:00'"
    ") ORDER BY origen, FECHA DESC, IDCOMPROBANTE, CUENTA";

const char* const ConsultaEscaneos =
    "SELECT e.Cuenta, m.DESCRIPCION, e.Cpte, e.Fecha, e.NombreArchivo, e.RutaArchivo, 1"
    " FROM CTROL_ESCANEO e LEFT JOIN MA_CUENTAS m ON m.CODIGO = e.Cuenta"
    " WHERE (e.Eliminado = 0 OR e.Eliminado IS NULL) AND e.Fecha >= '1990-01-01 00:00:00'"
    " AND e.Fecha < '2200-01-02 00:00:00' ORDER BY e.Fecha DESC, e.Cpte, e.Cuenta";

// The baseline: the same rows from one statement.
bool unaConsulta(sqlite3* db, bool soloEscaneados, std::vector<Fila>& filas)
{
    filas.clear();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, soloEscaneados ? ConsultaEscaneos : ConsultaComprobantes, -1, &st, nullptr)
        != SQLITE_OK) {
        std::fprintf(stderr, "consulta: %s\n", sqlite3_errmsg(db));
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        Fila f;
        f[1] = columna(st, 0);
        f[2] = columna(st, 1);
        f[3] = columna(st, 2);
        f[4] = fechaCorta(columna(st, 3));
        f[5] = columna(st, 4);
        f[6] = columna(st, 5);
        f[7] = sqlite3_column_int(st, 6) ? QStringLiteral("1") : QString();
        filas.push_back(std::move(f));
    }
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

bool iguales(const GrillaFlex& grilla, const std::vector<Fila>& filas)
{
    if (grilla.Rows() != int(filas.size()) + 2)
        return false;
    for (int r = 0; r < int(filas.size()); ++r) {
        const Fila& f = filas[size_t(r)];
        for (int c = 0; c < 7; ++c) {
            if (grilla.TextMatrix(r + 1, c) != f[size_t(c)]) {
                std::fprintf(stderr, "fila %d columna %d: \"%s\" y \"%s\"\n", r + 1, c,
                             qPrintable(grilla.TextMatrix(r + 1, c)), qPrintable(f[size_t(c)]));
                return false;
            }
        }
        if (grilla.CellFontBold(r + 1, 1) != !f[7].isEmpty())
            return false;
    }
    return true;
}

// One size: its file, the program's connection and the bare one.
struct Base {
    int comprobantes = 0;
    // A short search runs more times a round, for a median as steady as a
    // long one's.
    int veces = 1;
    ConexionDatos conexion;
    sqlite3* db = nullptr;
    std::array<std::vector<double>, 2> nuestro, base;
    ~Base() { sqlite3_close_v2(db); }
};

bool prepara(Base& b, const QString& archivo)
{
    try {
        CreaBaseSqlite(archivo, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql")});
    } catch (const Err& e) {
        std::fprintf(stderr, "base de datos: %s\n", e.what());
        return false;
    }
    if (!llena(archivo, b.comprobantes))
        return false;
    b.conexion.setServidor(QStringLiteral("sqlite"));
    b.conexion.setBaseDatos(archivo);
    b.conexion.Conecta(false, 3, QString(), true, true);
    b.db = abre(archivo);
    if (!b.conexion.EstaConectado() || !b.db) {
        std::fprintf(stderr, "no se pudo conectar con %s\n", qPrintable(archivo));
        return false;
    }
    return true;
}

// Both roads once, ours first on even rounds, in milliseconds of processor
// time; false when they disagree.
bool mide(Base& b, GrillaFlex& grilla, std::vector<Fila>& filas, bool soloEscaneados, bool nuestroPrimero,
          double& t, double& tb)
{
    int encontradas = 0;
    bool leida = true;
    for (int lado = 0; lado < 2; ++lado) {
        if ((lado == 0) == nuestroPrimero)
            t = msDeHilo([&] { encontradas = busca(b.conexion, grilla, soloEscaneados); });
        else
            tb = msDeHilo([&] { leida = unaConsulta(b.db, soloEscaneados, filas); });
    }
    if (!leida)
        return false;
    if (encontradas != int(filas.size()) || !iguales(grilla, filas)) {
        std::fprintf(stderr, "%d comprobantes, modo %d: la busqueda dio %d filas y la consulta %zu, o distintas\n",
                     b.comprobantes, int(soloEscaneados), encontradas, filas.size());
        return false;
    }
    return true;
}

}

int main(int argc, char** argv)
{
    // Started as the program starts.
    FijaZonaHoraria();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir carpeta;
    std::array<Base, std::size(Tamanos)> bases;
    for (size_t i = 0; i < bases.size(); ++i) {
        bases[i].comprobantes = Tamanos[i];
        bases[i].veces = std::max(1, Tamanos[std::size(Tamanos) - 1] / Tamanos[i] / 2);
        if (!prepara(bases[i], carpeta.filePath(QStringLiteral("escaneo%1.db").arg(Tamanos[i]))))
            return 1;
    }
    // The real wait window, as the program shows it.
    instalaDialogos(std::make_unique<DialogosQt>());

    GrillaFlex grilla;
    // The largest search's peak, measured first, the smaller mode before
    // the larger: memory an earlier search leaves with the allocator would
    // hide it.
    Base& mayor = bases.back();
    std::array<long, 2> pico{}, agregado{};
    for (int modo = 1; modo >= 0; --modo) {
        grilla.Clear();
        grilla.setRows(2);
        agregado[size_t(modo)] = crecimiento([&] { busca(mayor.conexion, grilla, modo == 1); });
        pico[size_t(modo)] = picoMemoria();
    }

    std::vector<Fila> filas;
    for (int ronda = 0; ronda <= Rondas; ++ronda) {
        for (Base& b : bases) {
            for (int modo = 0; modo < 2; ++modo) {
                for (int vez = 0; vez < b.veces; ++vez) {
                    double t = 0, tb = 0;
                    if (!mide(b, grilla, filas, modo == 1, (ronda + vez) % 2 == 0, t, tb))
                        return 1;
                    // The first round only warms the caches.
                    if (ronda > 0) {
                        b.nuestro[size_t(modo)].push_back(t);
                        b.base[size_t(modo)].push_back(tb);
                    }
                }
            }
        }
    }

    const char* nombres[] = {"comprobantes", "solo imagenes"};
    double peorRelacion = 0, peorCrecimiento = 0;
    for (size_t m = 0; m < 2; ++m) {
        std::array<double, std::size(Tamanos)> n{}, b{};
        for (size_t i = 0; i < bases.size(); ++i) {
            n[i] = mediana(bases[i].nuestro[m]);
            b[i] = mediana(bases[i].base[m]);
            std::printf("%-14s %6d comprobantes: busqueda %7.1f ms, una consulta %7.1f ms, relacion %.2f\n",
                        nombres[m], Tamanos[i], n[i], b[i], n[i] / b[i]);
        }
        const double crece = n.back() / n.front();
        std::printf("%-14s crecimiento de %d a %d: busqueda %.1f, una consulta %.1f\n", nombres[m], Tamanos[0],
                    Tamanos[std::size(Tamanos) - 1], crece, b.back() / b.front());
        std::printf("%-14s memoria pico en la busqueda de %d: %ld KiB (%ld KiB sobre lo que habia)\n", nombres[m],
                    mayor.comprobantes, pico[m], agregado[m]);
        peorRelacion = std::max(peorRelacion, n.back() / b.back());
        peorCrecimiento = std::max(peorCrecimiento, crece);
    }
    std::printf("crecimiento %.1f goal <= %.0f\n", peorCrecimiento, GoalCrecimiento);
    std::printf("ratio %.2f goal <= %.1f\n", peorRelacion, GoalRelacion);
    return 0;
}
