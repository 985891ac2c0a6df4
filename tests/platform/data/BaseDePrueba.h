#pragma once

#include "platform/data/ConexionDatos.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh SQLite file in its own temporary folder, built from the schema
// text or from script files, and a connection open on it.
class BaseDePrueba {
public:
    explicit BaseDePrueba(const QString& esquema, const QString& nombre = QStringLiteral("prueba.db"),
                          const QString& usuario = QStringLiteral("operador"));
    BaseDePrueba(const QStringList& scripts, const QString& nombre, const QString& usuario);

    // The statement must be rejected; the native number of the first error.
    long nativo(const QString& sql);
    long cuenta(const QString& desdeDonde);
    QString ruta(const QString& nombre) const { return dir.filePath(nombre); }

    QTemporaryDir dir;
    QString archivo;
    ConexionDatos db;

private:
    void abre(const QStringList& scripts, const QString& nombre, const QString& usuario);
};
