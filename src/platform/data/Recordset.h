#pragma once

#include "platform/base/Err.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <cstdio>
#include <functional>
#include <memory>

// The recordset's end-of-rows test keeps its classic name, which C's stdio
// claims as a macro; code that includes this header uses Qt for files.
#undef EOF

// The errors of reading a field, shared by every reader of rows: no such
// column (Err 3265), the index of a column by case-insensitive name (raising
// that error when there is none), and a read without a current row (3021).
Err ErrorCampoNoEncontrado(const QString& nombreUOrdinal);
int IndiceDeCampo(const QStringList& columnas, const QString& nombre);
Err ErrorSinFilaActual();

// The rows of one statement, read whole, with the cursor moves and named
// fields callers use. Null columns are null QVariants; dates are QDateTime.
// An updatable recordset (cursor 2, lock 3) also takes AddNew/field writes/
// Update, which the engine turns into an INSERT or UPDATE of the statement's
// single table.
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

    bool BOF() const;
    bool EOF() const;
    void MoveFirst();
    void MoveNext();
    void Close();
    bool abierto() const { return abierto_; }

    int ContarCampos() const { return int(columnas_.size()); }
    QString NombreCampo(int i) const { return columnas_.value(i); }
    int ContarFilas() const { return int(filas_.size()); }
    // The field's value on the current row, by case-insensitive name.
    // Raises 3265 for an unknown column, 3021 when there is no current row.
    QVariant Campo(const QString& nombre) const;
    QVariant Campo(int indice) const;

    // Updatable recordsets only (raises 3251 otherwise). Moving or adding
    // while a row is being edited saves it first, as the classic object did.
    void AddNew();
    void AsignaCampo(const QString& nombre, const QVariant& valor);
    void Update();

private:
    int indice(const QString& nombre) const;
    void exigeAbierto() const;
    void exigeActualizable() const;
    void guardaPendiente();

    QStringList columnas_;
    QVector<QVector<QVariant>> filas_;
    Escritor escritor_;
    int posicion_ = 0;
    bool abierto_ = true;
    bool editando_ = false;
    Cambio cambio_;
};
