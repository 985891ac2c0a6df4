#include "platform/data/sqlite/FilasSqlite.h"

#include "platform/base/Err.h"
#include "platform/data/sqlite/BaseSqlite.h"
#include "platform/data/sqlite/BibliotecaSqlite.h"
#include "platform/data/sqlite/ErroresSqlite.h"
#include "platform/data/sqlite/ValoresSqlite.h"

#include <QVector>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr long ObjetoCerrado = 3704;

// While it holds the statement, the current row is the statement's; once
// the statement is given back (at the end, or suspended), the rows from
// `primeraGuardada_` on are those in `guardadas_`.
class FilasSqlite final : public LectorFilas, public LecturaAbierta {
public:
    FilasSqlite(std::shared_ptr<BaseSqlite> base, QString sql, sqlite3_stmt* st)
        : base_(std::move(base)), sql_(std::move(sql)), valores_(st)
    {
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            columnas_ << QString::fromUtf8(sqlite3_column_name(st, c));
        fila_.resize(size_t(columnas_.size()));
        leidos_.resize(size_t(columnas_.size()));
        empieza(st);
    }

    ~FilasSqlite() override { suelta(); }

    QStringList columnas() const override { return columnas_; }
    bool vacio() const override { return vacio_; }
    bool hayFila() const override { return st_ || posicion_ - primeraGuardada_ < guardadas_.size(); }

    const QVariant* valor(int columna) override
    {
        if (!st_)
            return hayFila() ? &guardadas_[posicion_ - primeraGuardada_][columna] : nullptr;
        QVariant& celda = fila_[size_t(columna)];
        if (!leidos_[size_t(columna)]) {
            valores_.lee(st_, columna, celda);
            leidos_[size_t(columna)] = true;
        }
        return &celda;
    }

    void siguiente() override
    {
        ++posicion_;
        if (st_)
            return paso();
        if (error_ && posicion_ - primeraGuardada_ >= guardadas_.size())
            lanzaPendiente();
    }

    void alPrincipio() override
    {
        if (posicion_ == 0)
            return;
        if (!st_ && primeraGuardada_ == 0) {
            posicion_ = 0;
            return;
        }
        if (!base_->db)
            throw Err(ObjetoCerrado, QStringLiteral("La operación no está permitida si el objeto está cerrado."));
        suelta();
        guardadas_.clear();
        primeraGuardada_ = posicion_ = 0;
        error_.reset();
        if (base_->errores)
            base_->errores->Clear();
        base_->suspendeLecturas();
        valores_.olvidaFechas();
        empieza(base_->toma(sql_, base_->errores));
    }

    int cuenta() override
    {
        suspende();
        return int(primeraGuardada_ + guardadas_.size());
    }

private:
    void suspende() override
    {
        if (!st_)
            return;
        for (int c = 0; c < columnas_.size(); ++c)
            valor(c);
        QVector<QVector<QVariant>> resto{QVector<QVariant>(fila_.begin(), fila_.end())};
        int rc;
        while ((rc = sqlite3_step(st_)) == SQLITE_ROW) {
            QVector<QVariant> otra(columnas_.size());
            for (int c = 0; c < columnas_.size(); ++c)
                valores_.lee(st_, c, otra[c]);
            resto << otra;
        }
        // A row that fails is the caller's to meet when moving onto it.
        if (rc != SQLITE_DONE) {
            erroresPendientes_.Clear();
            try {
                LanzaErrorSqlite(base_->db, &erroresPendientes_);
            } catch (const Err& e) {
                error_ = e;
            }
        }
        guardadas_ = std::move(resto);
        primeraGuardada_ = posicion_;
        suelta();
    }

    void empieza(sqlite3_stmt* st)
    {
        st_ = st;
        base_->lecturas.push_back(this);
        paso();
        vacio_ = !st_;
    }

    void paso()
    {
        std::fill(leidos_.begin(), leidos_.end(), char(0));
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW)
            return;
        primeraGuardada_ = posicion_;
        if (rc != SQLITE_DONE)
            falla();
        suelta();
    }

    [[noreturn]] void falla()
    {
        ErroresDatos* errores = base_->errores;
        if (errores)
            errores->Clear();
        try {
            LanzaErrorSqlite(base_->db, errores);
        } catch (const Err&) {
            suelta();
            throw;
        }
    }

    [[noreturn]] void lanzaPendiente()
    {
        const Err e = *error_;
        error_.reset();
        if (ErroresDatos* errores = base_->errores) {
            errores->Clear();
            for (int i = 0; i < erroresPendientes_.Count(); ++i)
                errores->Agrega(erroresPendientes_.Item(i));
        }
        throw e;
    }

    void suelta()
    {
        if (!st_)
            return;
        base_->lecturas.erase(std::find(base_->lecturas.begin(), base_->lecturas.end(), this));
        base_->devuelve(sql_, st_);
        st_ = nullptr;
    }

    std::shared_ptr<BaseSqlite> base_;
    QString sql_;
    ValoresColumnas valores_;
    QStringList columnas_;
    sqlite3_stmt* st_ = nullptr;
    // Plain vectors: a cell read is then one test and one address, with no
    // check for sharing; a byte each, so a row's marks clear at once.
    std::vector<QVariant> fila_;
    std::vector<char> leidos_;
    QVector<QVector<QVariant>> guardadas_;
    qsizetype primeraGuardada_ = 0;
    qsizetype posicion_ = 0;
    bool vacio_ = false;
    std::optional<Err> error_;
    ErroresDatos erroresPendientes_;
};

}  // namespace

std::unique_ptr<LectorFilas> LeeFilasSqlite(std::shared_ptr<BaseSqlite> base, const QString& sql)
{
    sqlite3_stmt* st = base->toma(sql, base->errores);
    if (sqlite3_column_count(st) == 0 || !sqlite3_stmt_readonly(st)) {
        base->devuelve(sql, st);
        return nullptr;
    }
    return std::make_unique<FilasSqlite>(std::move(base), sql, st);
}
