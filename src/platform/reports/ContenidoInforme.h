#pragma once

#include "platform/reports/ConsultaInforme.h"
#include "platform/reports/Diseno.h"
#include "platform/reports/ListaFormulas.h"

#include <QList>
#include <QString>
#include <QStringList>

// A report with its values in place and formatted, before it is paged: what
// every output draws or writes, and what a saved report keeps.
struct ContenidoInforme {
    struct Par {
        QString rotulo;
        QString valor;
    };
    // Columnas carries one text per column; the other kinds one text.
    struct Linea {
        Diseno::ClaseFila clase = Diseno::ClaseFila::Columnas;
        QStringList textos;
    };
    struct Bloque {
        QString rotulo;
        QStringList valores;
    };

    QString titulo;
    QStringList empresa;
    QList<Par> datos;
    QList<Diseno::Columna> columnas;
    QList<Linea> lineas;
    QList<Par> totales;
    QList<Bloque> bloques;
};

// Fills the layout with the rows, the print's formulas and its sub-report
// names: a block prints only when its sub-report is named; a name the
// layout has no block for is passed over.
ContenidoInforme ArmaContenido(const Diseno& diseno, const TablaInforme& tabla, const ListaFormulas& formulas,
                               const QStringList& subinformes);

// A value as the layout's format shows it.
QString FormateaValor(const QVariant& valor, Diseno::Formato formato);
