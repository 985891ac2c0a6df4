#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

// The cells of a flex grid as code reads and writes them: a number of rows
// and columns, each cell with its text and its bold flag, and the columns'
// widths in twips. Row 0 is the fixed heading row: views show it as the
// column headings and the rows below it as the table. A cell outside the
// grid raises Err 381.
class GrillaFlex : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GrillaFlex(QObject* parent = nullptr);

    int Rows() const { return filas_; }
    // New rows come empty; rows cut off are gone.
    void setRows(int filas);
    int Cols() const { return columnas_; }
    void setCols(int columnas);
    QString TextMatrix(int fila, int columna) const;
    void setTextMatrix(int fila, int columna, const QString& texto);
    bool CellFontBold(int fila, int columna) const;
    void setCellFontBold(int fila, int columna, bool negrita);
    // A number kept with each row for the code that filled it; new rows
    // hold 0.
    long RowData(int fila) const;
    void setRowData(int fila, long dato);
    int ColWidth(int columna) const;
    void setColWidth(int columna, int twips);
    // Empties the text and the bold flag of every cell; rows, columns and
    // widths stay.
    void Clear();
    // While false, views see nothing of the changes; setting it back to true
    // shows them all at once, so thousands of rows fill as fast as one.
    bool Redraw() const { return redibuja_; }
    void setRedraw(bool redibuja);

    int rowCount(const QModelIndex& padre = QModelIndex()) const override;
    int columnCount(const QModelIndex& padre = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    // The horizontal headings are row 0; width in twips under Qt::UserRole.
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol = Qt::DisplayRole) const override;

private:
    struct Celda {
        QString texto;
        bool negrita = false;
    };
    Celda& celda(int fila, int columna);
    const Celda& celda(int fila, int columna) const;
    void cambiaCelda(int fila, int columna);

    bool redibuja_ = true;
    int filas_ = 2;
    int columnas_ = 2;
    // Row after row, each of columnas_ cells.
    std::vector<Celda> celdas_;
    std::vector<long> datosFila_;
    std::vector<int> anchos_;
};
