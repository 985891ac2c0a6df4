#include "platform/data/sqlite/MotorSqlite.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/DiscoLocal.h"
#include "platform/base/Err.h"
#include "platform/data/NumeroNativo.h"
#include "platform/data/sql/AdaptadorSql.h"
#include "platform/data/sql/TablaDeConsulta.h"
#include "platform/data/sqlite/BaseSqlite.h"
#include "platform/data/sqlite/BibliotecaSqlite.h"
#include "platform/data/sqlite/ConsultaSqlite.h"
#include "platform/data/sqlite/ErroresSqlite.h"
#include "platform/data/sqlite/EscritorSqlite.h"
#include "platform/data/sqlite/FilasSqlite.h"
#include "platform/data/sqlite/FuncionesSqlite.h"
#include "platform/data/sqlite/ValoresSqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

const QString columnaFila = QStringLiteral("rowid AS \"__fila_oculta\"");

// The file a database name stands for: an existing path as given; a bare
// name (no "/"), <name>.db in the server's folder. Empty when there is no
// such file.
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
    if (!CargaSqlite(error))
        return nullptr;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(archivo).constData(), &db, banderas, nullptr) != SQLITE_OK) {
        error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("Sin memoria");
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    return db;
}

struct Construccion {
    QString error;          // empty when the file is built and in place
    bool yaEstaba = false;  // the file was there first: nothing was built
};

// Builds the file under a provisional name (created empty and exclusively,
// which SQLite takes as a new database), so programs building the same
// database at once never share a half-built file, and renames it into place
// when complete, never over a file that another program put there in the
// meantime.
Construccion construye(const QString& archivo, const QStringList& scripts)
{
    if (QFileInfo::exists(archivo))
        return {QStringLiteral("El archivo ya existe: %1").arg(archivo), true};
    QString temporal;
    try {
        const ArchivoProvisional provisional = CreaProvisional(QFileInfo(archivo).absoluteFilePath());
        ::close(provisional.descriptor);
        temporal = QFile::decodeName(provisional.nombre);
    } catch (const Err& e) {
        return {e.Description};
    }
    QString error;
    sqlite3* db = abreArchivo(temporal, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    if (!db) {
        QFile::remove(temporal);
        return {error};
    }
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
    bool yaEstaba = false;
    // Qt renames without replacing: a file already there stays.
    if (error.isEmpty() && !QFile::rename(temporal, archivo)) {
        yaEstaba = QFileInfo::exists(archivo);
        error = yaEstaba ? QStringLiteral("El archivo ya existe: %1").arg(archivo)
                         : QStringLiteral("No se puede crear el archivo %1").arg(archivo);
    }
    if (!error.isEmpty())
        QFile::remove(temporal);
    return {error, yaEstaba};
}

// False, with why in `error`, when the file is no database, or lacks the
// table that marks the databases of this system.
bool esDelSistema(BaseSqlite& base, const QString& tabla, QString& error)
{
    sqlite3_stmt* st = nullptr;
    const char* sql = "SELECT count(*) FROM sqlite_master WHERE type IN ('table', 'view') AND (?1 = '' OR name = ?1 "
                      "COLLATE NOCASE)";
    const QByteArray nombre = tabla.trimmed().toUtf8();
    int rc = sqlite3_prepare_v2(base.db, sql, -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(st, 1, nombre.constData(), int(nombre.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(st);
    }
    const bool tiene = rc == SQLITE_ROW && sqlite3_column_int(st, 0) > 0;
    if (rc != SQLITE_ROW)
        error = QString::fromUtf8(sqlite3_errmsg(base.db));
    sqlite3_finalize(st);
    if (rc == SQLITE_ROW && !tiene && !nombre.isEmpty())
        error = QStringLiteral("El archivo %1 no es una base de datos de este sistema: no tiene la tabla %2.")
                    .arg(base.archivo, tabla.trimmed());
    return rc == SQLITE_ROW && (tiene || nombre.isEmpty());
}

// The file's header says it is in write-ahead log mode: bytes 18 and 19,
// the versions needed to write and to read it, are 2 for the log.
bool CabeceraEnWal(const QString& archivo)
{
    QFile f(archivo);
    const QByteArray cabecera = f.open(QIODevice::ReadOnly) ? f.read(20) : QByteArray();
    return cabecera.size() == 20 && (cabecera.at(18) == 2 || cabecera.at(19) == 2);
}

// Says plainly why a database on a share could not be opened, when it is
// because it is in the write-ahead log and another program holds it.
void ExplicaLogRetenido(const BaseSqlite& base, QString& error)
{
    if ((sqlite3_extended_errcode(base.db) & 0xff) != SQLITE_BUSY || !CabeceraEnWal(base.archivo))
        return;
    error = QStringLiteral("La base de datos %1 está en una carpeta compartida y usa el registro de escritura "
                           "anticipada (WAL), que allí no es seguro. Para volverla al diario de reversión ningún "
                           "otro programa debe tenerla abierta, y otro la tiene: ciérrelo y vuelva a intentarlo. La "
                           "base de datos no se ha modificado.")
                .arg(base.archivo);
}

// On a share the write-ahead log's index, a shared memory map of a file
// beside the database, may be refused (a FUSE mount with direct I/O) or not
// be shared between machines (NFS, SMB), so there the database keeps the
// rollback journal. One found in the log (made on a local disk, then
// copied) is returned to the journal first, the rows of its log written
// into the file; the connection opened in exclusive locking mode, which
// keeps the log's index in this process's memory, and leaves it now.
bool UsaDiarioDeReversion(BaseSqlite& base, QString& error)
{
    EsperaSqlite::Tramo tramo(base.espera);
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(base.db, "PRAGMA journal_mode = DELETE", -1, &st, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(st);
    const QString modo =
        rc == SQLITE_ROW ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))) : QString();
    sqlite3_finalize(st);
    if (modo.compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0) {
        // A mode SQLite answers is no error: its message would be "not an error".
        error = rc == SQLITE_ROW ? QStringLiteral("La base de datos %1 está en una carpeta compartida y no se pudo "
                                                  "volver al diario de reversión: su modo de diario sigue siendo %2.")
                                       .arg(base.archivo, modo.toUpper())
                                 : QString::fromUtf8(sqlite3_errmsg(base.db));
        ExplicaLogRetenido(base, error);
        return false;
    }
    // The exclusive lock goes at the next access in the normal mode.
    sqlite3_exec(base.db, "PRAGMA locking_mode = NORMAL; PRAGMA schema_version", nullptr, nullptr, nullptr);
    return true;
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
                LanzaErrorServidor(NumeroNativo::ErrorDeSintaxis, QStringLiteral("Sintaxis incorrecta: falta END."),
                                   QStringLiteral("42000"), &errores_);
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
            LanzaErrorServidor(NumeroNativo::PalabraClaveInesperada,
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
        ValoresColumnas valores(st);
        if (captura) {
            filas_->capturadas = true;
            for (int c = filas_->ocultas; c < columnas; ++c)
                filas_->columnas << QString::fromUtf8(sqlite3_column_name(st, c));
        }
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            if (!captura)
                continue;
            QVector<QVariant> fila(columnas - filas_->ocultas);
            for (int c = filas_->ocultas; c < columnas; ++c)
                valores.lee(st, c, fila[c - filas_->ocultas]);
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
            LanzaErrorServidor(NumeroNativo::ConfirmaSinTransaccion,
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
            LanzaErrorServidor(NumeroNativo::DeshaceSinTransaccion,
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
        if (!base.isEmpty() && hermano(carpeta(), base).isEmpty()) {
            base_.basesAusentes.insert(base.toLower());
            LanzaErrorServidor(NumeroNativo::BaseDelLoginInexistente,
                               QStringLiteral("La base de datos '%1' no existe. Proporcione un nombre de base de "
                                              "datos válido.")
                                   .arg(base),
                               QStringLiteral("42000"), &errores_);
        }
    }

    void creaBase(const QString& nombre)
    {
        if (nombre.isEmpty() || nombre.contains(u'/') || nombre.contains(u'\\'))
            LanzaErrorServidor(NumeroNativo::ErrorDeSintaxis,
                               QStringLiteral("Nombre de base de datos no válido: '%1'.").arg(nombre),
                               QStringLiteral("42000"), &errores_);
        const QString archivo = QDir(carpeta()).filePath(nombre + QStringLiteral(".db"));
        // Another program starting at the same time may have made it since
        // this connection found it missing: it is then the one to use.
        const bool esperada = base_.basesAusentes.remove(nombre.toLower());
        if (QFileInfo::exists(archivo)) {
            if (esperada)
                return;
            LanzaErrorServidor(NumeroNativo::BaseExistente,
                               QStringLiteral("La base de datos '%1' ya existe.").arg(nombre), QStringLiteral("42000"),
                               &errores_);
        }
        const QString esquema = QStringLiteral(":/db/%1.sql").arg(nombre);
        const Construccion hecha = construye(archivo, QFile::exists(esquema) ? QStringList{esquema} : QStringList{});
        if (!hecha.error.isEmpty() && !hecha.yaEstaba)
            LanzaErrorServidor(NumeroNativo::BaseNoCreada,
                               QStringLiteral("Error en CREATE DATABASE: %1").arg(hecha.error),
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
        EsperaSqlite::Tramo tramo(base_->espera);
        base_->errores = &errores;
        base_->suspendeLecturas();
        Ejecutor e(*base_, errores, nullptr);
        e.corre(base_->adaptado(sql));
        if (afectados)
            *afectados = e.afectados;
    }

    std::unique_ptr<Recordset> abre(const QString& sql, bool actualizable, ErroresDatos& errores) override
    {
        EsperaSqlite::Tramo tramo(base_->espera);
        base_->errores = &errores;
        base_->suspendeLecturas();
        const std::vector<SentenciaAdaptada>& lote = base_->adaptado(sql);
        const SentenciaAdaptada* consulta = unicaConsulta(lote);
        if (!actualizable && consulta) {
            if (std::unique_ptr<LectorFilas> lector = LeeFilasSqlite(base_, consulta->sql))
                return std::make_unique<Recordset>(std::move(lector));
        }
        QString tabla;
        if (actualizable && consulta)
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
                throw Err(NumeroError::NoActualizable,
                          QStringLiteral("El conjunto de registros actual no admite actualizaciones: la consulta no "
                                         "lee una sola tabla."));
            };
        return std::make_unique<Recordset>(filas.columnas, filas.filas, std::move(escritor));
    }

    std::unique_ptr<ConsultaPreparada> prepara(const QString& sql, ErroresDatos& errores) override
    {
        base_->errores = &errores;
        return ConsultaSqlite(base_, sql, errores);
    }

    QString literalFecha(const QDateTime& fecha) const override
    {
        return u'\'' + TextoFechaIso(fecha) + u'\'';
    }

    void fijaTiempoEspera(int segundos) override
    {
        base_->espera.fijaLimite(segundos);
    }

    // One file is one database: there is no other to switch to.
    void fijaBaseDefecto(const QString&) override {}

    // A transaction here is always serializable. Read uncommitted is what
    // the engine can select, and SQLite honours it only between connections
    // sharing one cache, which this engine never opens; on a local disk the
    // write-ahead log already lets readers go on past a writer, which is what
    // the suite asks of read uncommitted.
    long fijaAislamiento(long nivel) override
    {
        if (nivel != NivelAislamiento::SinEspecificar)
            sqlite3_exec(base_->db,
                         nivel <= NivelAislamiento::LecturaSinConfirmar ? "PRAGMA read_uncommitted = 1"
                                                                         : "PRAGMA read_uncommitted = 0",
                         nullptr, nullptr, nullptr);
        sqlite3_stmt* st = base_->prepara(QStringLiteral("PRAGMA read_uncommitted"), nullptr);
        const bool sinConfirmar = sqlite3_step(st) == SQLITE_ROW && sqlite3_column_int(st, 0) != 0;
        sqlite3_reset(st);
        return sinConfirmar ? NivelAislamiento::LecturaSinConfirmar : NivelAislamiento::Serializable;
    }

    QString carpetaServidor() const override
    {
        return QFileInfo(base_->archivo).absolutePath();
    }

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

void AjustaMemoriaSqlite(sqlite3* db)
{
    // A ceiling: pages are taken as they are read. No memory map: an I/O
    // error on a mapped file (a share that drops, a file cut by another
    // machine) arrives as SIGBUS instead of an error the program can show.
    sqlite3_exec(db, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
}

void CreaBaseSqlite(const QString& archivo, const QStringList& archivosScript)
{
    const QString error = construye(archivo, archivosScript).error;
    if (!error.isEmpty())
        throw Err(NumeroError::ErrorDelServidor, error, QStringLiteral("SQLite"));
}

std::unique_ptr<MotorDatos> conectaSqlite(const DatosConexion& datos, QString& error)
{
    const QString nombre = datos.baseDatos.trimmed();
    const QString archivo = hermano(datos.carpetaServidor, nombre);
    if (archivo.isEmpty()) {
        error = QStringLiteral("No existe la base de datos '%1'.").arg(nombre);
        return nullptr;
    }
    auto base = std::make_shared<BaseSqlite>();
    base->db = abreArchivo(archivo, SQLITE_OPEN_READWRITE, error);
    if (!base->db)
        return nullptr;
    base->archivo = QFileInfo(archivo).absoluteFilePath();
    // Before any statement: one that meets a lock waits instead of failing.
    base->espera.instala(base->db, base->archivo);
    base->espera.fijaLimite(datos.tiempoEspera);
    const bool local = EnDiscoLocal(base->archivo);
    // Before the first access, so that a database in the write-ahead log
    // never maps the log's index on a share.
    if (!local)
        sqlite3_exec(base->db, "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);
    // Opening is lazy: reading the schema now makes a file that is no
    // database fail here, and one of another system fail before anything
    // (such as the journal mode below) writes to it.
    {
        EsperaSqlite::Tramo tramo(base->espera);
        if (!esDelSistema(*base, datos.tablaExigida, error)) {
            if (!local)
                ExplicaLogRetenido(*base, error);
            return nullptr;
        }
    }
    base->usuario = datos.usuario;
    RegistraFuncionesSqlite(base->db, &base->usuario);
    AjustaMemoriaSqlite(base->db);
    sqlite3_exec(base->db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    // On a local disk a write-ahead log syncs once per commit instead of
    // four times, and every committed row still survives a crash.
    if (local)
        sqlite3_exec(base->db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    else if (!UsaDiarioDeReversion(*base, error))
        return nullptr;
    return std::make_unique<MotorSqlite>(std::move(base));
}
