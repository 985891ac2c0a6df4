#pragma once

#include "platform/reports/Diseno.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class ConexionDatos;

// The rows a layout reads: one column per "VIEW.FIELD" of the layout.
struct TablaInforme {
    QStringList campos;
    QVector<QVector<QVariant>> filas;

    // -1 for a field the layout does not read.
    int indice(const QString& campo) const { return int(campos.indexOf(campo)); }
};

// The statement that reads a layout's rows: its base view, its joins, the
// selection formula's condition and the sort fields' order (the layout's own
// order when none sorts). Raises Err 5 for a formula the translator refuses.
QString SentenciaInforme(const ConexionDatos& conexion, const Diseno& diseno, const QString& seleccion,
                         const QStringList& orden);
TablaInforme ConsultaInforme(ConexionDatos& conexion, const Diseno& diseno, const QString& seleccion,
                             const QStringList& orden);
