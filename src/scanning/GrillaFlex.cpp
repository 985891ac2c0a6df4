#include "scanning/GrillaFlex.h"

#include "platform/base/Err.h"

#include <QFont>

#include <algorithm>

namespace {

constexpr long ValorNoValido = 381;
// A column nobody sized keeps the view's own width.
constexpr int AnchoPorDefecto = -1;

void Exige(bool dentro)
{
    if (!dentro)
        throw Err(ValorNoValido, QStringLiteral("Subíndice de matriz de propiedad no válido"));
}

}

GrillaFlex::GrillaFlex(QObject* parent)
    : QAbstractTableModel(parent),
      celdas_(size_t(filas_ * columnas_)),
      datosFila_(size_t(filas_)),
      anchos_(size_t(columnas_), AnchoPorDefecto)
{
}

void GrillaFlex::setRows(int filas)
{
    Exige(filas >= 0);
    if (filas == filas_)
        return;
    // Views count the rows below the heading row.
    const int antes = std::max(filas_ - 1, 0);
    const int despues = std::max(filas - 1, 0);
    const bool avisa = redibuja_ && antes != despues;
    if (avisa && despues > antes)
        beginInsertRows(QModelIndex(), antes, despues - 1);
    else if (avisa)
        beginRemoveRows(QModelIndex(), despues, antes - 1);
    celdas_.resize(size_t(filas) * size_t(columnas_));
    datosFila_.resize(size_t(filas));
    const bool cambiaEncabezado = (filas_ == 0) != (filas == 0);
    filas_ = filas;
    if (avisa && despues > antes)
        endInsertRows();
    else if (avisa)
        endRemoveRows();
    if (redibuja_ && cambiaEncabezado && columnas_ > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnas_ - 1);
}

void GrillaFlex::setCols(int columnas)
{
    Exige(columnas >= 0);
    if (columnas == columnas_)
        return;
    if (redibuja_)
        beginResetModel();
    std::vector<Celda> nuevas(size_t(filas_) * size_t(columnas));
    for (int f = 0; f < filas_; ++f) {
        for (int c = 0; c < std::min(columnas, columnas_); ++c)
            nuevas[size_t(f) * size_t(columnas) + size_t(c)] = std::move(celda(f, c));
    }
    celdas_ = std::move(nuevas);
    anchos_.resize(size_t(columnas), AnchoPorDefecto);
    columnas_ = columnas;
    if (redibuja_)
        endResetModel();
}

GrillaFlex::Celda& GrillaFlex::celda(int fila, int columna)
{
    Exige(fila >= 0 && fila < filas_ && columna >= 0 && columna < columnas_);
    return celdas_[size_t(fila) * size_t(columnas_) + size_t(columna)];
}

const GrillaFlex::Celda& GrillaFlex::celda(int fila, int columna) const
{
    return const_cast<GrillaFlex*>(this)->celda(fila, columna);
}

void GrillaFlex::cambiaCelda(int fila, int columna)
{
    if (!redibuja_)
        return;
    if (fila == 0) {
        emit headerDataChanged(Qt::Horizontal, columna, columna);
        return;
    }
    const QModelIndex i = index(fila - 1, columna);
    emit dataChanged(i, i);
}

long GrillaFlex::RowData(int fila) const
{
    Exige(fila >= 0 && fila < filas_);
    return datosFila_[size_t(fila)];
}

void GrillaFlex::setRowData(int fila, long dato)
{
    Exige(fila >= 0 && fila < filas_);
    datosFila_[size_t(fila)] = dato;
}

QString GrillaFlex::TextMatrix(int fila, int columna) const
{
    return celda(fila, columna).texto;
}

void GrillaFlex::setTextMatrix(int fila, int columna, const QString& texto)
{
    celda(fila, columna).texto = texto;
    cambiaCelda(fila, columna);
}

bool GrillaFlex::CellFontBold(int fila, int columna) const
{
    return celda(fila, columna).negrita;
}

void GrillaFlex::setCellFontBold(int fila, int columna, bool negrita)
{
    celda(fila, columna).negrita = negrita;
    cambiaCelda(fila, columna);
}

int GrillaFlex::ColWidth(int columna) const
{
    Exige(columna >= 0 && columna < columnas_);
    return anchos_[size_t(columna)];
}

void GrillaFlex::setColWidth(int columna, int twips)
{
    Exige(columna >= 0 && columna < columnas_);
    anchos_[size_t(columna)] = twips;
    if (redibuja_)
        emit headerDataChanged(Qt::Horizontal, columna, columna);
}

void GrillaFlex::Clear()
{
    for (Celda& c : celdas_)
        c = Celda();
    if (!redibuja_)
        return;
    if (filas_ > 1 && columnas_ > 0)
        emit dataChanged(index(0, 0), index(filas_ - 2, columnas_ - 1));
    if (filas_ > 0 && columnas_ > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnas_ - 1);
}

void GrillaFlex::setRedraw(bool redibuja)
{
    if (redibuja == redibuja_)
        return;
    // A reset spans the whole pause: views drop what they knew at its start
    // and read everything anew at its end.
    if (!redibuja)
        beginResetModel();
    redibuja_ = redibuja;
    if (redibuja)
        endResetModel();
}

int GrillaFlex::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : std::max(filas_ - 1, 0);
}

int GrillaFlex::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : columnas_;
}

QVariant GrillaFlex::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || indice.row() + 1 >= filas_ || indice.column() >= columnas_)
        return {};
    const Celda& c = celda(indice.row() + 1, indice.column());
    switch (rol) {
    case Qt::DisplayRole:
        return c.texto;
    case Qt::FontRole:
        if (!c.negrita)
            return {};
        {
            QFont negrita;
            negrita.setBold(true);
            return negrita;
        }
    default:
        return {};
    }
}

QVariant GrillaFlex::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || seccion < 0 || seccion >= columnas_)
        return {};
    if (rol == Qt::UserRole)
        return anchos_[size_t(seccion)];
    if (rol != Qt::DisplayRole || filas_ == 0)
        return {};
    return celda(0, seccion).texto;
}
