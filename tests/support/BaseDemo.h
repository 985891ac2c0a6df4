#pragma once

#include "platform/data/ConexionDatos.h"
#include "support/VariableTemporal.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <map>
#include <memory>

// The demo databases built from db/ (the main one with its rows, and the
// statistics one beside it) in a temporary folder that also holds TEMP
// ("temp/"), the user's settings ("config/") and data ("datos/"), with
// connections of the test's own that the program never touches.
class BaseDemo {
public:
    BaseDemo();

    // On the main database unless a file is given.
    void ejecuta(const QString& sql, const QString& archivo = QString());
    QVariant valor(const QString& sql, const QString& archivo = QString());
    long cuenta(const QString& tablaYCondicion);

    QString archivoEstadisticas() const;

    QTemporaryDir dir;
    QString archivoBase;      // the main database file
    QString carpetaTemporal;  // TEMP, ending in "/"

private:
    ConexionDatos& control(const QString& archivo);

    VariableTemporal temp_, config_, datos_;
    std::map<QString, std::unique_ptr<ConexionDatos>> control_;
};
