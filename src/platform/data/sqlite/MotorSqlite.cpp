#include "platform/data/sqlite/MotorSqlite.h"

#include "platform/base/Err.h"
#include "platform/data/sql/AdaptadorSql.h"
#include "platform/data/sql/TablaDeConsulta.h"
#include "platform/data/sqlite/BaseSqlite.h"
#include "platform/data/sqlite/ErroresSqlite.h"
#include "platform/data/sqlite/EscritorSqlite.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "platform/data/sqlite/ValoresSqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <climits>

namespace {

const QString columnaFila = QStringLiteral("rowid AS \"__fila_oculta\"");

// The folder of the SQLite database most recently opened by its path: other
// databases "on the same server" live beside it.
QString& carpetaDelServidor()
{
    static QString carpeta;
    return carpeta;
}

QString hermano(const QString& carpeta, const QString& nombre)
{
    if (QFileInfo(nombre).isFile())
        return nombre;
    if (nombre.isEmpty() || nombre.contains(u'/') || carpeta.isEmpty())
        return {};
    const QString archivo = QDir(carpeta).filePath(nombre + QStringLiteral(".db"));
    return QFileInfo(archivo).isFile() ? archivo : QString();
}

sqlite3* abreArchivo(const QString& archivo, int banderas, QString& error)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db, banderas, nullptr) != SQLITE_OK) {
        error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("Sin memoria");
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    return db;
}

// Builds the file; empty on success, else why not.
QString construye(const QString& archivo, const QStringList& scripts)
{
    if (QFileInfo::exists(archivo))
        return QStringLiteral("El archivo ya existe: %1").arg(archivo);
    const QString temporal = archivo + QStringLiteral(".tmp");
    QFile::remove(temporal);
    QString error;
    sqlite3* db = abreArchivo(temporal, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    if (!db)
        return error;
    RegistraFuncionesSqlite(db, nullptr);
    // The file is a scratch copy until renamed, so durability can wait.
    sqlite3_exec(db, "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY", nullptr, nullptr, nullptr);
    for (const QString& script : scripts) {
        QFile f(script);
        if (!f.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("No se encuentra el archivo %1").arg(script);
            break;
        }
        char* mensaje = nullptr;
        if (sqlite3_exec(db, f.readAll().constData(), nullptr, nullptr, &mensaje) != SQLITE_OK) {
            error = QStringLiteral("%1: %2").arg(script, QString::fromUtf8(mensaje));
            sqlite3_free(mensaje);
            break;
        }
    }
    sqlite3_close_v2(db);
    if (error.isEmpty() && !QFile::rename(temporal, archivo))
        error = QStringLiteral("No se puede crear el archivo %1").arg(archivo);
    if (!error.isEmpty())
        QFile::remove(temporal);
    return error;
}

struct Filas {
    bool capturadas = false;
    int ocultas = 0;
    QStringList columnas;
    QVector<qlonglong> claves;
    QVector<QVector<QVariant>> filas;
};

// A batch as the server runs it: statement after statement, transactions
// counted as the server counts them, the first rejected statement ending
// the batch with its error.
class Ejecutor {
public:
    Ejecutor(BaseSqlite& base, ErroresDatos& errores, Filas* filas) : base_(base), errores_(errores), filas_(filas) {}

    void corre(const std::vector<SentenciaAdaptada>& lote)
    {
        TransaccionDeLote transaccion(base_, envuelve(lote));
        for (size_t i = 0; i < lote.size();)
            i = unidad(lote, i, true);
        transaccion.confirma(errores_);
    }

    long afectados = 0;

private:
    // Separate statements run faster inside one transaction, committed even
    // when a later statement fails, as each stood alone on the server.
    class TransaccionDeLote {
    public:
        TransaccionDeLote(BaseSqlite& base, bool activa) : base_(base), activa_(activa)
        {
            if (activa_)
                sqlite3_exec(base_.db, "BEGIN", nullptr, nullptr, nullptr);
        }
        ~TransaccionDeLote()
        {
            if (activa_ && sqlite3_exec(base_.db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
                sqlite3_exec(base_.db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        void confirma(ErroresDatos& errores)
        {
            if (!activa_)
                return;
            activa_ = false;
            if (sqlite3_exec(base_.db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
                sqlite3_exec(base_.db, "ROLLBACK", nullptr, nullptr, nullptr);
                LanzaErrorSqlite(base_.db, &errores);
            }
        }

    private:
        BaseSqlite& base_;
        bool activa_;
    };

    bool envuelve(const std::vector<SentenciaAdaptada>& lote) const
    {
        if (!sqlite3_get_autocommit(base_.db))
            return false;
        int normales = 0;
        for (const SentenciaAdaptada& s : lote) {
            if (s.clase == SentenciaAdaptada::IniciaTransaccion || s.clase == SentenciaAdaptada::ConfirmaTransaccion
                || s.clase == SentenciaAdaptada::DeshaceTransaccion)
                return false;
            normales += s.clase == SentenciaAdaptada::Normal ? 1 : 0;
        }
        return normales > 1;
    }

    // Runs (or, with ejecutar false, skips) the statement or block at `i`;
    // returns the index after it.
    size_t unidad(const std::vector<SentenciaAdaptada>& lote, size_t i, bool ejecutar)
    {
        const SentenciaAdaptada& s = lote[i];
        switch (s.clase) {
        case SentenciaAdaptada::InicioBloque: {
            size_t j = i + 1;
            while (j < lote.size() && lote[j].clase != SentenciaAdaptada::FinBloque)
                j = unidad(lote, j, ejecutar);
            if (j == lote.size())
                LanzaErrorServidor(102, QStringLiteral("Sintaxis incorrecta: falta END."), QStringLiteral("42000"),
                                   &errores_);
            return j + 1;
        }
        case SentenciaAdaptada::SiExiste: {
            const bool cumple = ejecutar && condicion(s.sql);
            size_t j = i + 1 < lote.size() ? unidad(lote, i + 1, ejecutar && cumple) : i + 1;
            if (j < lote.size() && lote[j].clase == SentenciaAdaptada::OtroCaso)
                j = j + 1 < lote.size() ? unidad(lote, j + 1, ejecutar && !cumple) : j + 1;
            return j;
        }
        case SentenciaAdaptada::FinBloque:
        case SentenciaAdaptada::OtroCaso:
            LanzaErrorServidor(156,
                               QStringLiteral("Sintaxis incorrecta cerca de la palabra clave '%1'.")
                                   .arg(s.clase == SentenciaAdaptada::FinBloque ? QStringLiteral("END")
                                                                                : QStringLiteral("ELSE")),
                               QStringLiteral("42000"), &errores_);
        default:
            if (ejecutar)
                sentencia(s);
            return i + 1;
        }
    }

    void sentencia(const SentenciaAdaptada& s)
    {
        switch (s.clase) {
        case SentenciaAdaptada::Normal:
            return normal(s.sql);
        case SentenciaAdaptada::IniciaTransaccion:
            return inicia();
        case SentenciaAdaptada::ConfirmaTransaccion:
            return confirma();
        case SentenciaAdaptada::DeshaceTransaccion:
            return deshace();
        case SentenciaAdaptada::AgregaLogin:
            return agregaLogin(s.argumentos);
        case SentenciaAdaptada::CreaBase:
            return creaBase(s.argumentos.value(0));
        default:
            return;
        }
    }

    void normal(const QString& sql)
    {
        sqlite3_stmt* st = base_.prepara(sql, &errores_);
        const int columnas = sqlite3_column_count(st);
        const bool captura = filas_ && !filas_->capturadas && columnas > 0;
        std::vector<TipoColumna> tipos;
        if (captura) {
            filas_->capturadas = true;
            for (int c = 0; c < columnas; ++c) {
                tipos.push_back(TipoDeclarado(sqlite3_column_decltype(st, c)));
                if (c >= filas_->ocultas)
                    filas_->columnas << QString::fromUtf8(sqlite3_column_name(st, c));
            }
        }
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            if (!captura)
                continue;
            QVector<QVariant> fila;
            fila.reserve(columnas - filas_->ocultas);
            for (int c = filas_->ocultas; c < columnas; ++c)
                fila << LeeValor(st, c, tipos[size_t(c)]);
            if (filas_->ocultas > 0)
                filas_->claves << sqlite3_column_int64(st, 0);
            filas_->filas << fila;
        }
        sqlite3_reset(st);
        if (rc != SQLITE_DONE)
            LanzaErrorSqlite(base_.db, &errores_);
        if (columnas == 0 && !sqlite3_stmt_readonly(st))
            afectados += sqlite3_changes(base_.db);
    }

    bool condicion(const QString& sql)
    {
        sqlite3_stmt* st = base_.prepara(sql, &errores_);
        const int rc = sqlite3_step(st);
        const bool cumple = rc == SQLITE_ROW && sqlite3_column_int(st, 0) != 0;
        sqlite3_reset(st);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            LanzaErrorSqlite(base_.db, &errores_);
        return cumple;
    }

    void exec(const char* sql)
    {
        if (sqlite3_exec(base_.db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            LanzaErrorSqlite(base_.db, &errores_);
    }

    void inicia()
    {
        if (sqlite3_get_autocommit(base_.db)) {
            exec("BEGIN");
            base_.nivelTransaccion = 1;
        } else {
            ++base_.nivelTransaccion;
        }
    }

    void confirma()
    {
        if (sqlite3_get_autocommit(base_.db))
            LanzaErrorServidor(3902,
                               QStringLiteral("La solicitud COMMIT TRANSACTION no tiene la correspondiente "
                                              "BEGIN TRANSACTION."),
                               QStringLiteral("25000"), &errores_);
        if (base_.nivelTransaccion > 1) {
            --base_.nivelTransaccion;
            return;
        }
        exec("COMMIT");
        base_.nivelTransaccion = 0;
    }

    void deshace()
    {
        if (sqlite3_get_autocommit(base_.db))
            LanzaErrorServidor(3903,
                               QStringLiteral("La solicitud ROLLBACK TRANSACTION no tiene la correspondiente "
                                              "BEGIN TRANSACTION."),
                               QStringLiteral("25000"), &errores_);
        exec("ROLLBACK");
        base_.nivelTransaccion = 0;
    }

    QString carpeta() const
    {
        return QFileInfo(base_.archivo).absolutePath();
    }

    // Logins don't exist here: only the default database is checked.
    void agregaLogin(const QStringList& argumentos)
    {
        const QString base = argumentos.value(2).trimmed();
        if (!base.isEmpty() && hermano(carpeta(), base).isEmpty())
            LanzaErrorServidor(15010,
                               QStringLiteral("La base de datos '%1' no existe. Proporcione un nombre de base de "
                                              "datos válido.")
                                   .arg(base),
                               QStringLiteral("42000"), &errores_);
    }

    void creaBase(const QString& nombre)
    {
        if (nombre.isEmpty() || nombre.contains(u'/') || nombre.contains(u'\\'))
            LanzaErrorServidor(102, QStringLiteral("Nombre de base de datos no válido: '%1'.").arg(nombre),
                               QStringLiteral("42000"), &errores_);
        const QString archivo = QDir(carpeta()).filePath(nombre + QStringLiteral(".db"));
        if (QFileInfo::exists(archivo))
            LanzaErrorServidor(1801, QStringLiteral("La base de datos '%1' ya existe.").arg(nombre),
                               QStringLiteral("42000"), &errores_);
        const QString esquema = QStringLiteral(":/db/%1.sql").arg(nombre);
        const QString error = construye(archivo, QFile::exists(esquema) ? QStringList{esquema} : QStringList{});
        if (!error.isEmpty())
            LanzaErrorServidor(1802, QStringLiteral("Error en CREATE DATABASE: %1").arg(error),
                               QStringLiteral("HY000"), &errores_);
    }

    BaseSqlite& base_;
    ErroresDatos& errores_;
    Filas* filas_;
};

class MotorSqlite : public MotorDatos {
public:
    explicit MotorSqlite(std::shared_ptr<BaseSqlite> base) : base_(std::move(base)) {}
    ~MotorSqlite() override { base_->cierra(); }

    QString nombre() const override { return QStringLiteral("sqlite"); }
    QString proveedor() const override { return QStringLiteral("SQLite"); }

    void ejecuta(const QString& sql, long* afectados, ErroresDatos& errores) override
    {
        base_->errores = &errores;
        Ejecutor e(*base_, errores, nullptr);
        e.corre(base_->adaptado(sql));
        if (afectados)
            *afectados = e.afectados;
    }

    std::unique_ptr<Recordset> abre(const QString& sql, bool actualizable, ErroresDatos& errores) override
    {
        base_->errores = &errores;
        const std::vector<SentenciaAdaptada>& lote = base_->adaptado(sql);
        QString tabla;
        const SentenciaAdaptada* consulta = actualizable ? unicaConsulta(lote) : nullptr;
        if (consulta)
            tabla = PartesDeNombre(TablaDeConsulta(consulta->sql)).last();
        // Whether the table has rowids is the schema's to say, so it is asked
        // on every opening; the adapted text is kept as it is.
        const bool conFila = !tabla.isEmpty() && esTablaConRowid(tabla);
        std::vector<SentenciaAdaptada> conRowid;
        if (conFila) {
            conRowid = lote;
            SentenciaAdaptada& s = conRowid[size_t(consulta - lote.data())];
            s.sql = AgregaColumnaInicial(s.sql, columnaFila);
        }
        Filas filas;
        filas.ocultas = conFila ? 1 : 0;
        Ejecutor(*base_, errores, &filas).corre(conFila ? conRowid : lote);
        Recordset::Escritor escritor;
        if (!tabla.isEmpty())
            escritor = EscritorSqlite(base_, tabla,
                                      conFila ? std::make_shared<QVector<qlonglong>>(filas.claves) : nullptr);
        else if (actualizable)
            escritor = [](const Recordset::Cambio&) {
                throw Err(3251, QStringLiteral("El conjunto de registros actual no admite actualizaciones: la "
                                               "consulta no lee una sola tabla."));
            };
        return std::make_unique<Recordset>(filas.columnas, filas.filas, std::move(escritor));
    }

    QString literalFecha(const QDateTime& fecha) const override
    {
        return u'\'' + TextoFechaIso(fecha) + u'\'';
    }

    void fijaTiempoEspera(int segundos) override
    {
        // 0 waits for ever, as the server's command time-out 0 does.
        sqlite3_busy_timeout(base_->db, segundos <= 0 ? INT_MAX : segundos * 1000);
    }

    // One file is one database: there is no other to switch to.
    void fijaBaseDefecto(const QString&) override {}

private:
    static const SentenciaAdaptada* unicaConsulta(const std::vector<SentenciaAdaptada>& lote)
    {
        const SentenciaAdaptada* unica = nullptr;
        for (const SentenciaAdaptada& s : lote) {
            if (s.clase == SentenciaAdaptada::Nada)
                continue;
            if (unica || s.clase != SentenciaAdaptada::Normal)
                return nullptr;
            unica = &s;
        }
        return unica;
    }

    bool esTablaConRowid(const QString& tabla) const
    {
        sqlite3_stmt* st = base_->prepara(
            QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE"),
            base_->errores);
        EnlazaValor(st, 1, tabla, false);
        const bool tabla_ = sqlite3_step(st) == SQLITE_ROW;
        const QString definicion = tabla_ ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)))
                                          : QString();
        sqlite3_reset(st);
        return tabla_ && !definicion.contains(QLatin1String("WITHOUT ROWID"), Qt::CaseInsensitive);
    }

    std::shared_ptr<BaseSqlite> base_;
};

}  // namespace

QString ResuelveBaseSqlite(const QString& nombre)
{
    return hermano(carpetaDelServidor(), nombre.trimmed());
}

void CreaBaseSqlite(const QString& archivo, const QStringList& archivosScript)
{
    const QString error = construye(archivo, archivosScript);
    if (!error.isEmpty())
        throw Err(NumeroError::ErrorDelServidor, error, QStringLiteral("SQLite"));
}

std::unique_ptr<MotorDatos> conectaSqlite(const DatosConexion& datos, QString& error)
{
    const QString nombre = datos.baseDatos.trimmed();
    const QString archivo = ResuelveBaseSqlite(nombre);
    if (archivo.isEmpty()) {
        error = QStringLiteral("No existe la base de datos '%1'.").arg(nombre);
        return nullptr;
    }
    auto base = std::make_shared<BaseSqlite>();
    base->db = abreArchivo(archivo, SQLITE_OPEN_READWRITE, error);
    if (!base->db)
        return nullptr;
    // Opening is lazy: read the schema now so a file that is no database
    // fails here and not on the first statement.
    if (sqlite3_exec(base->db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(base->db));
        return nullptr;
    }
    base->archivo = QFileInfo(archivo).absoluteFilePath();
    base->usuario = datos.usuario;
    RegistraFuncionesSqlite(base->db, &base->usuario);
    sqlite3_exec(base->db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    // A write-ahead log syncs once per commit instead of four times, and
    // every committed row still survives a crash.
    sqlite3_exec(base->db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    if (archivo == nombre)
        carpetaDelServidor() = QFileInfo(archivo).absolutePath();
    auto motor = std::make_unique<MotorSqlite>(std::move(base));
    motor->fijaTiempoEspera(30);
    return motor;
}
