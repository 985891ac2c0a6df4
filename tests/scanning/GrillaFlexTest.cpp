#include "scanning/GrillaFlex.h"

#include "support/NumeroDeError.h"

#include <gtest/gtest.h>

#include <QFont>

namespace {

constexpr long ValorNoValido = 381;

// Counts what views hear from the grid.
struct Avisos {
    explicit Avisos(GrillaFlex& g)
    {
        QObject::connect(&g, &QAbstractItemModel::rowsInserted, [this] { ++filas; });
        QObject::connect(&g, &QAbstractItemModel::rowsRemoved, [this] { ++filas; });
        QObject::connect(&g, &QAbstractItemModel::dataChanged, [this] { ++celdas; });
        QObject::connect(&g, &QAbstractItemModel::headerDataChanged, [this] { ++celdas; });
        QObject::connect(&g, &QAbstractItemModel::modelReset, [this] { ++reinicios; });
    }
    int filas = 0, celdas = 0, reinicios = 0;
};

}

TEST(FlexGridCells, HoldTextAndBoldAndShowRowZeroAsHeadings)
{
    GrillaFlex g;
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.Cols(), 2);
    g.setCols(3);
    g.setRows(4);
    g.setTextMatrix(0, 1, QStringLiteral("Cuenta"));
    g.setTextMatrix(3, 2, QStringLiteral("abajo"));
    g.setCellFontBold(3, 2, true);
    g.setColWidth(1, 1100);
    EXPECT_EQ(g.TextMatrix(3, 2), QStringLiteral("abajo"));
    EXPECT_TRUE(g.CellFontBold(3, 2));
    EXPECT_FALSE(g.CellFontBold(3, 1));
    EXPECT_EQ(g.ColWidth(1), 1100);

    // Views see the rows below the headings.
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.columnCount(), 3);
    EXPECT_EQ(g.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Cuenta"));
    EXPECT_EQ(g.headerData(1, Qt::Horizontal, Qt::UserRole).toInt(), 1100);
    EXPECT_EQ(g.data(g.index(2, 2)).toString(), QStringLiteral("abajo"));
    EXPECT_TRUE(g.data(g.index(2, 2), Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(g.data(g.index(2, 1), Qt::FontRole).isValid());

    // Cells survive a change of columns as far as they still fit.
    g.setCols(2);
    EXPECT_EQ(g.TextMatrix(0, 1), QStringLiteral("Cuenta"));
    g.setCols(3);
    EXPECT_EQ(g.TextMatrix(3, 2), QString());
}

TEST(FlexGridCells, ClearEmptiesCellsAndKeepsTheShape)
{
    GrillaFlex g;
    g.setCols(7);
    g.setRows(5);
    g.setColWidth(6, 3500);
    g.setTextMatrix(0, 6, QStringLiteral("Ruta"));
    g.setTextMatrix(4, 6, QStringLiteral("/scan/"));
    g.setCellFontBold(4, 6, true);
    g.Clear();
    EXPECT_EQ(g.Rows(), 5);
    EXPECT_EQ(g.Cols(), 7);
    EXPECT_EQ(g.ColWidth(6), 3500);
    EXPECT_EQ(g.TextMatrix(0, 6), QString());
    EXPECT_EQ(g.TextMatrix(4, 6), QString());
    EXPECT_FALSE(g.CellFontBold(4, 6));
    // Rows cut off and grown again come back empty.
    g.setTextMatrix(4, 1, QStringLiteral("x"));
    g.setRows(2);
    g.setRows(5);
    EXPECT_EQ(g.TextMatrix(4, 1), QString());
}

TEST(FlexGridCells, ACellOutsideTheGridIsError381)
{
    GrillaFlex g;
    for (auto llamada : std::initializer_list<std::function<void()>>{
             [&] { g.TextMatrix(2, 0); }, [&] { g.setTextMatrix(0, 2, QStringLiteral("x")); },
             [&] { g.CellFontBold(-1, 0); }, [&] { g.setColWidth(5, 10); }, [&] { g.setRows(-1); }})
        EXPECT_EQ(numeroDeError(llamada), ValorNoValido);
}

TEST(FlexGridCells, WithoutRedrawViewsHearOnceAtTheEnd)
{
    GrillaFlex g;
    Avisos avisos(g);
    g.setRows(3);
    g.setTextMatrix(2, 1, QStringLiteral("a"));
    EXPECT_EQ(avisos.filas, 1);
    EXPECT_EQ(avisos.celdas, 1);

    g.setRedraw(false);
    for (int i = 0; i < 100; ++i) {
        g.setRows(g.Rows() + 1);
        g.setTextMatrix(g.Rows() - 1, 1, QString::number(i));
        g.setCellFontBold(g.Rows() - 1, 1, true);
    }
    g.Clear();
    EXPECT_EQ(avisos.filas, 1);
    EXPECT_EQ(avisos.celdas, 1);
    EXPECT_EQ(avisos.reinicios, 0);
    g.setRedraw(true);
    EXPECT_EQ(avisos.reinicios, 1);
    EXPECT_EQ(g.rowCount(), 102);
}
