#pragma once

#include "scanning/GrillaFlex.h"

#include <QTableView>

// The flex grid control: a table view of its own cells, the heading row as
// column headings, widths in twips, whole rows selected.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    GrillaFlex& grilla() { return grilla_; }
    const GrillaFlex& grilla() const { return grilla_; }
    // The current row in the grid's numbering (the first row below the
    // headings is 1); 0 when none is.
    int Row() const;

private:
    void aplicaAnchos(int primera, int ultima);

    GrillaFlex grilla_;
};
