#include "platform/data/sqlite/EscritorSqlite.h"

#include "platform/base/Err.h"
#include "platform/data/sqlite/BaseSqlite.h"
#include "platform/data/sqlite/BibliotecaSqlite.h"
#include "platform/data/sqlite/ErroresSqlite.h"
#include "platform/data/sqlite/ValoresSqlite.h"

#include <QSet>

namespace {

QString citado(const QString& nombre)
{
    return u'"' + QString(nombre).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The table's date columns, by lower-case name.
QSet<QString> columnasFecha(BaseSqlite& base, const QString& tabla)
{
    QSet<QString> fechas;
    sqlite3_stmt* st = base.prepara(QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"), base.errores);
    EnlazaValor(st, 1, tabla, false);
    while (sqlite3_step(st) == SQLITE_ROW) {
        const char* tipo = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        if (TipoDeclarado(tipo) == TipoColumna::Fecha)
            fechas.insert(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))).toLower());
    }
    sqlite3_reset(st);
    return fechas;
}

// Runs the statement with its values; returns the rows it changed, counted
// with what triggers changed, since a view's own count stays 0.
long long corre(BaseSqlite& base, const QString& sql, const QVector<QVariant>& valores, const QVector<bool>& esFecha)
{
    sqlite3_stmt* st = base.prepara(sql, base.errores);
    for (int i = 0; i < valores.size(); ++i)
        EnlazaValor(st, i + 1, valores[i], esFecha[i]);
    const sqlite3_int64 antes = sqlite3_total_changes64(base.db);
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    if (rc != SQLITE_DONE)
        LanzaErrorSqlite(base.db, base.errores);
    return sqlite3_total_changes64(base.db) - antes;
}

struct Escritor {
    std::shared_ptr<BaseSqlite> base;
    QString tabla;
    std::shared_ptr<QVector<qlonglong>> rowids;

    void operator()(const Recordset::Cambio& c) const
    {
        base->comienza();
        EsperaSqlite::Tramo tramo(base->espera);
        base->suspendeLecturas();
        const QSet<QString> fechas = columnasFecha(*base, tabla);
        QVector<QVariant> valores = c.valores;
        QVector<bool> esFecha;
        for (const QString& columna : c.columnas)
            esFecha << fechas.contains(columna.toLower());
        if (c.nuevo)
            inserta(c, valores, esFecha);
        else if (!c.columnas.isEmpty())
            actualiza(c, valores, esFecha);
    }

    void inserta(const Recordset::Cambio& c, const QVector<QVariant>& valores, const QVector<bool>& esFecha) const
    {
        QStringList columnas, marcas;
        for (const QString& columna : c.columnas) {
            columnas << citado(columna);
            marcas << QStringLiteral("?");
        }
        const QString sql = columnas.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(citado(tabla))
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(citado(tabla), columnas.join(u','), marcas.join(u','));
        corre(*base, sql, valores, esFecha);
        if (rowids)
            rowids->append(sqlite3_last_insert_rowid(base->db));
    }

    void actualiza(const Recordset::Cambio& c, QVector<QVariant> valores, QVector<bool> esFecha) const
    {
        QStringList asignaciones, condiciones;
        for (const QString& columna : c.columnas)
            asignaciones << citado(columna) + QStringLiteral(" = ?");
        if (rowids) {
            condiciones << QStringLiteral("rowid = ?");
            valores << rowids->value(c.fila);
            esFecha << false;
        } else {
            const QSet<QString> fechas = columnasFecha(*base, tabla);
            for (int i = 0; i < c.todasLasColumnas.size(); ++i) {
                condiciones << citado(c.todasLasColumnas[i]) + QStringLiteral(" IS ?");
                valores << c.filaOriginal.value(i);
                esFecha << fechas.contains(c.todasLasColumnas[i].toLower());
            }
        }
        const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                .arg(citado(tabla), asignaciones.join(u','), condiciones.join(QLatin1String(" AND ")));
        if (corre(*base, sql, valores, esFecha) == 0)
            LanzaErrorServidor(NumeroError::FilaNoEncontrada,
                               QStringLiteral("No se encuentra la fila para actualizar. Algunos valores pueden "
                                              "haber cambiado desde la última lectura."),
                               QStringLiteral("HY000"), base->errores);
    }
};

}  // namespace

Recordset::Escritor EscritorSqlite(std::shared_ptr<BaseSqlite> base, const QString& tabla,
                                   std::shared_ptr<QVector<qlonglong>> rowids)
{
    return Escritor{std::move(base), tabla, std::move(rowids)};
}
