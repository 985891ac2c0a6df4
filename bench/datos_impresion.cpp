// Generates the print data of one voucher with 2,000 supply lines and 500
// tasks through the program's road (the generator's SQL Server texts, the
// engine's adapter, one statement per row) and, as the baseline, inserts the
// very same rows through the bare sqlite3 C API in one transaction: one
// INSERT text per row, as the program sends them, made beforehand. The roads
// take turns; the medians are compared. For reference it also times the rows
// bound to one prepared statement, which no text-built road can match.

#include "base/ConexionPrincipal.h"
#include "base/Medidas.h"
#include "platform/base/Err.h"
#include "platform/base/FormatoNumerico.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "platform/data/sqlite/MotorSqlite.h"
#include "printing/AuxiliarComprobantes.h"
#include "services/CargaConfiguracion.h"
#include "services/Modulo.h"
#include "services/Objetos.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Insumos = 2000;
constexpr int Tareas = 500;
constexpr int Rondas = 7;
const char* const Tipo = "OT  ";
const char* const Comprobante = "000900001234X";

struct Base {
    sqlite3* db = nullptr;
    ~Base() { sqlite3_close_v2(db); }
};

bool ejecuta(sqlite3* db, const char* sql)
{
    char* mensaje = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &mensaje) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "sqlite: %s\n", mensaje);
    sqlite3_free(mensaje);
    return false;
}

// The voucher, its supplies (every fifth with batches) and its tasks (every
// other one with an additional text).
bool llenaComprobante(sqlite3* db)
{
    if (!ejecuta(db, "BEGIN")
        || !ejecuta(db, "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IDCOMPLEMENTO, CUENTA, MONEDA, IMPORTE) "
                        "VALUES ('OT  ', '000900001234X', 0, '1001', '1   ', 987654.32)"))
        return false;
    sqlite3_stmt* insumo = nullptr;
    sqlite3_stmt* tarea = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDARTICULO, DESCRIPCION, "
                       "IDUNIDAD, CANTIDAD, IMPORTE, TOTAL, IMPORTE_S_IVA, ALICIVA, CONDICIONIVA, NRO_LOTE, "
                       "NRO_SERIE, PORCDTO, IMPUESTOS, CONTROLADOPOR, CANTIDADUD, IDUNIDADBASE, EQUIV_UDBASE, "
                       "CANTIDAD_ORIGEN) VALUES ('OT  ', '000900001234X', 0, ?1, ?2, 'UN', ?3, 12.5, ?4, 10.3306, 21, "
                       "'1', ?5, ?6, 0, 0, 1, ?3, 'UN', 1, ?3)",
                       -1, &insumo, nullptr);
    sqlite3_prepare_v2(db,
                       "INSERT INTO V_MV_CPTETAREAS (TC, IDCOMPROBANTE, IDCOMPLEMENTO, IDTAREA, DESCRIPCION, "
                       "DESCRIPCIONADICIONAL, HORAS, VALORHORA, TOTAL, VALORHORA_S_IVA) VALUES ('OT  ', "
                       "'000900001234X', 0, ?1, ?2, ?3, ?4, 5000, ?5, 4132.2314)",
                       -1, &tarea, nullptr);
    bool ok = insumo && tarea;
    for (int i = 1; ok && i <= Insumos; ++i) {
        const QByteArray articulo = QByteArray("ART") + QByteArray::number(i).rightJustified(5, '0');
        const QByteArray descripcion = "Articulo de prueba numero " + QByteArray::number(i);
        const bool conLotes = i % 5 == 0;
        sqlite3_bind_text(insumo, 1, articulo.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insumo, 2, descripcion.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insumo, 3, i % 17 + 1);
        sqlite3_bind_double(insumo, 4, 12.5 * (i % 17 + 1));
        if (conLotes) {
            sqlite3_bind_text(insumo, 5, "L-01|L-02|L-03|", -1, SQLITE_STATIC);
            sqlite3_bind_text(insumo, 6, "2|0|5|", -1, SQLITE_STATIC);
        } else {
            sqlite3_bind_null(insumo, 5);
            sqlite3_bind_null(insumo, 6);
        }
        ok = sqlite3_step(insumo) == SQLITE_DONE;
        sqlite3_reset(insumo);
    }
    for (int i = 1; ok && i <= Tareas; ++i) {
        const QByteArray codigo = "T" + QByteArray::number(i);
        const QByteArray descripcion = "Tarea de prueba " + QByteArray::number(i);
        sqlite3_bind_text(tarea, 1, codigo.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(tarea, 2, descripcion.constData(), -1, SQLITE_TRANSIENT);
        if (i % 2 == 0)
            sqlite3_bind_text(tarea, 3, "Detalle del trabajo\r\nen dos lineas", -1, SQLITE_STATIC);
        else
            sqlite3_bind_null(tarea, 3);
        sqlite3_bind_int(tarea, 4, 30 + i % 90);
        sqlite3_bind_double(tarea, 5, 5000.0 * (30 + i % 90) / 60);
        ok = sqlite3_step(tarea) == SQLITE_DONE;
        sqlite3_reset(tarea);
    }
    sqlite3_finalize(insumo);
    sqlite3_finalize(tarea);
    return ok && ejecuta(db, "COMMIT");
}

struct Fila {
    std::vector<QByteArray> valores;  // null entries stay null
    std::vector<bool> nulos;
};

// The rows the program wrote, every column but ID, to insert again.
std::vector<Fila> leeFilas(sqlite3* db, const QByteArray& clave, int& columnas)
{
    std::vector<Fila> filas;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM AUX_MV_CPTE WHERE USUARIO = ?1 ORDER BY ID", -1, &st, nullptr);
    sqlite3_bind_text(st, 1, clave.constData(), -1, SQLITE_TRANSIENT);
    columnas = sqlite3_column_count(st) - 1;
    while (sqlite3_step(st) == SQLITE_ROW) {
        Fila f;
        for (int c = 1; c <= columnas; ++c) {
            f.nulos.push_back(sqlite3_column_type(st, c) == SQLITE_NULL);
            f.valores.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
        }
        filas.push_back(std::move(f));
    }
    sqlite3_finalize(st);
    return filas;
}

const char* const ColumnasAuxiliar =
    "TC, USUARIO, TIPO, SECCION, IDCOMPROBANTE, IDCOMPLEMENTO, COLUMNA1, COLUMNA2, COLUMNA3, COLUMNA4, COLUMNA5, "
    "COLUMNA6, COLUMNA7, COLUMNA8, ENCABEZADO, PIEDEPAGINA, COLUMNA9, COLUMNA10, COLUMNA11, COLUMNA12, COLUMNA13, "
    "COLUMNA14, COLUMNA15, COLUMNA16, COLUMNA17, IMPORTEENLETRAS, CANTIDAD_ORIGEN";

// One INSERT text per row, its values as quoted literals.
std::vector<QByteArray> sentencias(const std::vector<Fila>& filas, int columnas)
{
    std::vector<QByteArray> lista;
    for (const Fila& f : filas) {
        QByteArray sql = QByteArray("INSERT INTO AUX_MV_CPTE (") + ColumnasAuxiliar + ") VALUES (";
        for (int c = 0; c < columnas; ++c) {
            char* literal = sqlite3_mprintf("%Q", f.nulos[size_t(c)] ? nullptr : f.valores[size_t(c)].constData());
            sql += (c > 0 ? "," : "") + QByteArray(literal);
            sqlite3_free(literal);
        }
        lista.push_back(sql + ")");
    }
    return lista;
}

bool borra(sqlite3* db, const QByteArray& clave)
{
    char* sql = sqlite3_mprintf("DELETE FROM AUX_MV_CPTE WHERE USUARIO = %Q", clave.constData());
    const bool ok = ejecuta(db, sql);
    sqlite3_free(sql);
    return ok;
}

bool baselineTextos(sqlite3* db, const QByteArray& clave, const std::vector<QByteArray>& textos)
{
    bool ok = ejecuta(db, "BEGIN") && borra(db, clave);
    for (size_t i = 0; ok && i < textos.size(); ++i)
        ok = ejecuta(db, textos[i].constData());
    return ejecuta(db, ok ? "COMMIT" : "ROLLBACK") && ok;
}

bool baselinePreparada(sqlite3* db, const QByteArray& clave, const std::vector<Fila>& filas, int columnas)
{
    QByteArray sql = QByteArray("INSERT INTO AUX_MV_CPTE (") + ColumnasAuxiliar + ") VALUES (?";
    for (int c = 1; c < columnas; ++c)
        sql += ",?";
    sql += ")";
    bool ok = ejecuta(db, "BEGIN") && borra(db, clave);
    sqlite3_stmt* inserta = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &inserta, nullptr);
    ok = ok && inserta;
    for (size_t i = 0; ok && i < filas.size(); ++i) {
        for (int c = 0; c < columnas; ++c) {
            if (filas[i].nulos[size_t(c)])
                sqlite3_bind_null(inserta, c + 1);
            else
                sqlite3_bind_text(inserta, c + 1, filas[i].valores[size_t(c)].constData(), -1, SQLITE_STATIC);
        }
        ok = sqlite3_step(inserta) == SQLITE_DONE;
        sqlite3_reset(inserta);
    }
    sqlite3_finalize(inserta);
    return ejecuta(db, ok ? "COMMIT" : "ROLLBACK") && ok;
}

void programa()
{
    QString tipo = QString::fromLatin1(Tipo);
    const QString id = QString::fromLatin1(Comprobante);
    GeneraAuxiliarComprobantes(tipo, id.mid(0, 4), id.mid(4, 8), id.mid(12, 1), QStringLiteral("0"), 3, QString(),
                               QString(), QString(), QString(), QString(), QString(), QString());
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("escaneo.db"));
    qputenv("TEMP", QFile::encodeName(carpeta.path()));
    try {
        CreaBaseSqlite(archivo, {QStringLiteral(ESCANEO_SOURCE_DIR "/db/schema.sql"),
                                 QStringLiteral(ESCANEO_SOURCE_DIR "/db/demo.sql")});
    } catch (const Err& e) {
        std::fprintf(stderr, "base de datos: %s\n", e.what());
        return 1;
    }
    Base base;
    if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &base.db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return 1;
    // The schema's text columns want the engine's collation.
    RegistraFuncionesSqlite(base.db, nullptr);
    sqlite3_busy_timeout(base.db, 5000);
    if (!llenaComprobante(base.db))
        return 1;

    if (!ConectaPrincipalSqlite(archivo, QStringLiteral("bench")))
        return 1;
    Modulo().UsuarioActual = QStringLiteral("bench");
    CargaConfiguracion(QString());
    instalaFormatoNumerico(FormatoNumerico{u',', u'.', 2});

    const QByteArray clave = ClaveEstacion().toUtf8();
    programa();
    int columnas = 0;
    const std::vector<Fila> filas = leeFilas(base.db, clave, columnas);
    std::printf("filas por comprobante: %zu\n", filas.size());
    if (filas.size() < size_t(Insumos + Tareas))
        return 1;

    const std::vector<QByteArray> textos = sentencias(filas, columnas);

    std::vector<double> nuestro, conTextos, preparada;
    QElapsedTimer reloj;
    for (int ronda = 0; ronda < Rondas; ++ronda) {
        reloj.start();
        programa();
        nuestro.push_back(reloj.nsecsElapsed() / 1e6);
        reloj.start();
        if (!baselineTextos(base.db, clave, textos))
            return 1;
        conTextos.push_back(reloj.nsecsElapsed() / 1e6);
        reloj.start();
        if (!baselinePreparada(base.db, clave, filas, columnas))
            return 1;
        preparada.push_back(reloj.nsecsElapsed() / 1e6);
    }
    const double a = mediana(nuestro), b = mediana(conTextos), c = mediana(preparada);
    std::printf("GeneraAuxiliarComprobantes:                 mediana %.1f ms\n", a);
    std::printf("sqlite3, una sentencia por fila:            mediana %.1f ms\n", b);
    std::printf("sqlite3, una sentencia preparada (ref.):    mediana %.1f ms (ratio %.2f)\n", c, a / c);
    std::printf("ratio %.2f goal <= 2\n", a / b);
    return 0;
}
