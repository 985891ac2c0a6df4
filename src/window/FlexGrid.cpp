#include "window/FlexGrid.h"

#include "platform/dialogs/Twips.h"

#include <QHeaderView>

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent)
{
    setModel(&grilla_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One line per row, as the flex grid draws them; every row the same
    // height, since measuring each of many rows would cost more than filling
    // them.
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(&grilla_, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation orientacion, int primera, int ultima) {
                if (orientacion == Qt::Horizontal)
                    aplicaAnchos(primera, ultima);
            });
    connect(&grilla_, &QAbstractItemModel::modelReset, this, [this] { aplicaAnchos(0, grilla_.Cols() - 1); });
}

void FlexGrid::aplicaAnchos(int primera, int ultima)
{
    for (int c = primera; c <= ultima && c < grilla_.Cols(); ++c) {
        const int twips = grilla_.ColWidth(c);
        if (twips >= 0)
            setColumnWidth(c, Px(twips));
    }
}

int FlexGrid::Row() const
{
    const QModelIndex actual = currentIndex();
    return actual.isValid() ? actual.row() + 1 : 0;
}
