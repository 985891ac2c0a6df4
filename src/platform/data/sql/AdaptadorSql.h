#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The SQL Server texts the system builds, turned into what the embedded
// engine runs.

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
