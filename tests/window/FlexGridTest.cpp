#include "window/FlexGrid.h"

#include <gtest/gtest.h>

#include <QHeaderView>

// The heading row fits its text in the grid's own font, the one it is drawn
// in, not in bold; it still selects and highlights like the table's own.
TEST(FlexGrid, TheHeadingRowIsSizedInTheGridsOwnFont)
{
    FlexGrid grid;
    const QString titulo = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWW");
    grid.grilla().setCols(1);
    grid.grilla().setTextMatrix(0, 0, titulo);
    QFont negrita = grid.font();
    negrita.setBold(true);
    const QHeaderView* titulos = grid.horizontalHeader();

    const int ancho = titulos->sizeHint().width();
    EXPECT_GE(ancho, grid.fontMetrics().horizontalAdvance(titulo));
    EXPECT_LT(ancho, QFontMetrics(negrita).horizontalAdvance(titulo));
    EXPECT_GE(titulos->sizeHint().height(), grid.fontMetrics().height());
    EXPECT_TRUE(titulos->sectionsClickable());
    EXPECT_TRUE(titulos->highlightSections());
    EXPECT_TRUE(grid.verticalHeader()->isHidden());
}
