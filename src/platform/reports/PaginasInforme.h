#pragma once

#include "platform/reports/ContenidoInforme.h"

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QVector>

class QPagedPaintDevice;

// One page as it is drawn: texts in boxes and rules, in millimetres from the
// top left corner of an A4 sheet.
struct PaginaInforme {
    enum class Estilo { Normal, Negrita, Titulo, Empresa };
    struct Texto {
        QRectF caja;
        QString texto;
        Estilo estilo = Estilo::Normal;
        int alineacion = 0;  // Qt::Alignment flags
    };
    QVector<Texto> textos;
    QVector<QLineF> rayas;
};

// The pages of a report: the heading on the first page, the column captions
// on every page, the lines, then totals and blocks, and "Hoja n de N" at the
// foot of each page.
QVector<PaginaInforme> CompaginaInforme(const ContenidoInforme& contenido);

// Draws the pages on a printer or PDF writer, one sheet each.
void PintaPaginas(const QVector<PaginaInforme>& paginas, QPagedPaintDevice& dispositivo);
