#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One column and its value already written as an SQL literal (or "Null").
struct CampoSQL {
    QString Campo;
    QString Valor;
};

// The program-wide field list; nullopt while not allocated.
std::optional<std::vector<CampoSQL>>& ListaCampos();

// Rewrites TOP and LEN for Oracle; any other engine gets the text unchanged.
QString AdaptaSQLMotor(const QString& sql);
// Appends one field; the value's apostrophes are stripped from the copy put
// in the list (the caller's text is left alone).
void AgregaCampoSQL(const QString& campo, const QString& valor, const QString& delimitador, bool nuevaLista);
// Appends an INSERT or UPDATE statement, then an empty entry, to sentencias.
void ArmaSentenciaSQL(std::optional<std::vector<CampoSQL>>& lista, QStringList& sentencias, const QString& tabla,
                      bool esUpdate, QString& condicion, bool conservarLista);
// Appends "(cols) VALUES (vals)" to sql.
void ArmaValoresInsert(QString& sql, std::optional<std::vector<CampoSQL>>& lista, bool limpiarLista);
