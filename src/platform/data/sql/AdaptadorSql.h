#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

// The SQL Server texts the system builds, turned into what the embedded
// engine runs. Everything works on tokens, so words inside string literals,
// quoted names and comments are never touched.

struct Token {
    enum Tipo { Espacio, Comentario, Cadena, Numero, Palabra, Nombre, Simbolo };
    Tipo tipo;
    QString texto;
};
using Tokens = QVector<Token>;

Tokens Tokeniza(const QString& sql);
QString Une(const Tokens& tokens);

// One statement of a batch, already adapted, with what the engine must do.
struct SentenciaAdaptada {
    enum Clase {
        Normal,               // run `sql`
        Nada,                 // a server-only statement with no effect here
        IniciaTransaccion,
        ConfirmaTransaccion,
        DeshaceTransaccion,
        InicioBloque,         // BEGIN of a statement block
        FinBloque,            // its END
        SiExiste,             // IF [NOT] EXISTS: `sql` gives 1 when the next statement runs
        OtroCaso,             // ELSE of the IF before
        AgregaLogin,          // sp_addlogin: `argumentos` are its literal arguments
        CreaBase              // CREATE DATABASE: `argumentos` holds the name
    };
    Clase clase = Normal;
    QString sql;
    QStringList argumentos;
};

// Splits a batch into statements (at ";", GO and at every statement keyword
// that starts a new statement) and adapts each one.
std::vector<SentenciaAdaptada> AdaptaLote(const QString& lote);

// The adaptation of one statement's text, without splitting.
QString AdaptaSentencia(const QString& sql);

// The one table a SELECT reads, as the statement writes it ("dbo.Tabla",
// "[Mi Tabla]", "base..T"), without its alias and table hints; empty when it
// reads several tables, a derived table or none.
QString TablaDeConsulta(const QString& select);
// A table name's parts without their quotes: catalogue, schema and table,
// the missing ones empty ("dbo.T" gives "", "dbo", "T").
QStringList PartesDeNombre(const QString& tabla);

// The SELECT with `columna` added first to its list.
QString AgregaColumnaInicial(const QString& select, const QString& columna);
