#include "window/FlexGrid.h"

#include "platform/dialogs/Twips.h"

#include <QHeaderView>

namespace {

// The heading row is sized in the grid's own font, the one it is drawn in.
// Qt's header sizes its headings in bold, and loading the bold face only
// for that slowed every start by a millisecond and a half.
class FilaDeTitulos : public QHeaderView {
public:
    // Clickable and highlighted, as the table's own header is.
    explicit FilaDeTitulos(QWidget* padre) : QHeaderView(Qt::Horizontal, padre)
    {
        setSectionsClickable(true);
        setHighlightSections(true);
    }

protected:
    QSize sectionSizeFromContents(int seccion) const override
    {
        QStyleOptionHeader opcion;
        initStyleOption(&opcion);
        opcion.section = seccion;
        opcion.text = model()->headerData(seccion, orientation(), Qt::DisplayRole).toString();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &opcion, QSize(), this);
    }
};

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent)
{
    setHorizontalHeader(new FilaDeTitulos(this));
    // Hidden before the model comes, so that it never measures its rows.
    verticalHeader()->hide();
    setModel(&grilla_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One line per row, as the flex grid draws them; every row the same
    // height, since measuring each of many rows would cost more than filling
    // them.
    setWordWrap(false);
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
