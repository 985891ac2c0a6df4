#include "platform/data/sqlite/ConsultaSqlite.h"

#include "platform/base/Err.h"
#include "platform/data/Recordset.h"
#include "platform/data/sql/AdaptadorSql.h"
#include "platform/data/sqlite/BaseSqlite.h"
#include "platform/data/sqlite/BibliotecaSqlite.h"
#include "platform/data/sqlite/ErroresSqlite.h"
#include "platform/data/sqlite/ValoresSqlite.h"

#include <memory>

namespace {

class Consulta : public ConsultaPreparada {
public:
    Consulta(std::shared_ptr<BaseSqlite> base, const QString& sql, ErroresDatos& errores) : base_(std::move(base))
    {
        EsperaSqlite::Tramo tramo(base_->espera);
        const QByteArray texto = AdaptaSentencia(sql).toUtf8();
        if (sqlite3_prepare_v3(base_->db, texto.constData(), int(texto.size()), SQLITE_PREPARE_PERSISTENT, &st_,
                               nullptr)
            != SQLITE_OK) {
            sqlite3_finalize(st_);
            LanzaErrorSqlite(base_->db, &errores);
        }
        if (!st_)
            LanzaErrorServidor(102, QStringLiteral("La sentencia está vacía."), QStringLiteral("42000"), &errores);
        for (int c = 0; c < sqlite3_column_count(st_); ++c)
            columnas_ << QString::fromUtf8(sqlite3_column_name(st_, c));
        valores_ = std::make_unique<ValoresColumnas>(st_);
        fila_.resize(columnas_.size());
    }

    // A statement outliving its connection is finalized all the same: the
    // file closes once the last statement is gone.
    ~Consulta() override { sqlite3_finalize(st_); }

    // Readers still stepping on the connection are left as they are: a read
    // sees what they see and leaves no statement open behind it.
    bool Abre(std::initializer_list<QVariant> valores) override
    {
        base_->comienza();
        EsperaSqlite::Tramo tramo(base_->espera);
        hayFila_ = false;
        CompruebaValores(sqlite3_bind_parameter_count(st_), qsizetype(valores.size()));
        int indice = 1;
        for (const QVariant& valor : valores)
            EnlazaValor(st_, indice++, valor, false);
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW) {
            for (int c = 0; c < columnas_.size(); ++c)
                valores_->lee(st_, c, fila_[c]);
        }
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            LanzaErrorSqlite(base_->db, base_->errores);
        hayFila_ = rc == SQLITE_ROW;
        return hayFila_;
    }

    QVariant Campo(const QString& nombre) const override { return Campo(IndiceDeCampo(columnas_, nombre)); }

    QVariant Campo(int indice) const override
    {
        if (indice < 0 || indice >= columnas_.size())
            throw ErrorCampoNoEncontrado(QString::number(indice));
        if (!hayFila_)
            throw Err(NumeroError::SinRegistroActual);
        return fila_[indice];
    }

private:
    std::shared_ptr<BaseSqlite> base_;
    sqlite3_stmt* st_ = nullptr;
    QStringList columnas_;
    std::unique_ptr<ValoresColumnas> valores_;
    QVector<QVariant> fila_;
    bool hayFila_ = false;
};

}

std::unique_ptr<ConsultaPreparada> ConsultaSqlite(std::shared_ptr<BaseSqlite> base, const QString& sql,
                                                  ErroresDatos& errores)
{
    return std::make_unique<Consulta>(std::move(base), sql, errores);
}
