#pragma once

#include "platform/base/Err.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <cstdio>
#include <functional>
#include <memory>

// The recordset's end-of-rows test is named EOF, as its callers write it,
// which stdio's EOF macro would turn into "rs->(-1)()" at every call; pushing
// and popping the macro around the class cannot help the callers. So EOF stays a macro, now
// naming a constant of stdio's value: "c == EOF", "case EOF:" and
// "#ifdef EOF" work as before, and so does rs->EOF(). Only arithmetic on EOF
// inside #if would differ, and nothing does that.
inline constexpr int FinDeArchivoStdio = EOF;
#undef EOF
#define EOF EOF
inline constexpr int EOF = FinDeArchivoStdio;

class LectorFilas;

// What every reader of rows shares: the index of a column by
// case-insensitive name, and Err 3265 for a column that is not there.
int IndiceDeCampo(const QStringList& columnas, const QString& nombre);
Err ErrorCampoNoEncontrado(const QString& nombreUOrdinal);

// The rows of one statement, with the cursor moves and named fields callers
// use. Null columns are null QVariants; dates are QDateTime. An updatable
// recordset (cursor 2, lock 3) holds its rows whole and also takes AddNew/
// field writes/Update, which the engine turns into an INSERT or UPDATE of the
// statement's single table. A forward-only one may read its rows as the
// cursor moves instead (see LectorFilas).
class Recordset {
public:
    struct Cambio {
        bool nuevo = false;                      // AddNew: INSERT, else UPDATE
        QStringList columnas;                    // columns written, in write order
        QVector<QVariant> valores;               // their new values
        QStringList todasLasColumnas;            // every column of the row
        QVector<QVariant> filaOriginal;          // the row as read (UPDATE's key)
        int fila = -1;                           // its index; a new row's is the count before it
    };
    // Runs a change against the table; raises Err on failure.
    using Escritor = std::function<void(const Cambio&)>;

    Recordset(QStringList columnas, QVector<QVector<QVariant>> filas, Escritor escritor = {});
    explicit Recordset(std::unique_ptr<LectorFilas> lector);
    ~Recordset();

    bool BOF() const;
    bool EOF() const;
    void MoveFirst();
    void MoveNext();
    void Close();
    bool abierto() const { return abierto_; }

    int ContarCampos() const { return int(columnas_.size()); }
    QString NombreCampo(int i) const { return columnas_.value(i); }
    // On a recordset read as the cursor moves, counting reads the rest of the
    // rows into memory.
    int ContarFilas() const;
    // The field's value on the current row, by case-insensitive name.
    // Raises 3265 for an unknown column, 3021 when there is no current row.
    // The value stays as it is until the cursor moves or a field is written.
    const QVariant& Campo(const QString& nombre) const;
    const QVariant& Campo(int indice) const;

    // Updatable recordsets only (raises 3251 otherwise). Moving or adding
    // while a row is being edited saves it first, so no edit is lost.
    void AddNew();
    void AsignaCampo(const QString& nombre, const QVariant& valor);
    void Update();

private:
    int indice(const QString& nombre) const;
    bool nombresUnicos() const;
    void exigeAbierto() const;
    void exigeActualizable() const;
    void guardaPendiente();

    QStringList columnas_;
    QVector<QVector<QVariant>> filas_;
    std::unique_ptr<LectorFilas> lector_;  // in place of filas_ when streamed
    Escritor escritor_;
    int posicion_ = 0;
    // Callers read the fields of each row in the same order: the field after
    // the one read last is tried first, when no two names differ only in case.
    mutable int pista_ = 0;
    mutable int unicos_ = -1;  // nombresUnicos(), worked out once
    bool abierto_ = true;
    bool editando_ = false;
    Cambio cambio_;
};
