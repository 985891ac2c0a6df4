#include "platform/dialogs/Twips.h"
#include "support/DialogosGuionados.h"
#include "support/VistaGrabadora.h"
#include "window/FrmEscaneo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>

#include <string>
#include <vector>

namespace {

struct Control {
    QWidget* widget;
    QRect area;  // the part inside the window, in window coordinates
};

// The visible widgets that hold no visible widget, each clipped by the
// widgets around it.
std::vector<Control> ControlesVisibles(QWidget& ventana)
{
    std::vector<Control> controles;
    for (QWidget* w : ventana.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        bool hoja = true;
        for (QWidget* hijo : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            hoja = hoja && !hijo->isVisible();
        if (!hoja)
            continue;
        QRect area(w->mapTo(&ventana, QPoint(0, 0)), w->size());
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            area &= QRect(p->mapTo(&ventana, QPoint(0, 0)), p->size());
        if (!area.isEmpty())
            controles.push_back({w, area});
    }
    return controles;
}

std::string Describe(const Control& c)
{
    const QVariant texto = c.widget->property("text");
    return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
        .arg(QLatin1String(c.widget->metaObject()->className()), texto.toString())
        .arg(c.area.x())
        .arg(c.area.y())
        .arg(c.area.width())
        .arg(c.area.height())
        .toStdString();
}

class WindowLayout : public ::testing::TestWithParam<std::tuple<QSize, int>> {
protected:
    ConDialogosGuionados dialogos;
    ConVistaGrabadora vistas;
};

}

TEST_P(WindowLayout, NoTwoVisibleControlsOverlap)
{
    const auto [tamano, pestana] = GetParam();
    FrmEscaneo ventana;
    // The small window's start sets its own least size.
    ventana.setMinimumSize(tamano);
    ventana.resize(tamano);
    ventana.SSTab1->setCurrentIndex(pestana);
    ventana.show();
    // The pane of a page shown stands in the search tab too.
    ventana.NavegaArchivo(QStringLiteral("/pagina.htm"));
    QApplication::processEvents();

    const std::vector<Control> controles = ControlesVisibles(ventana);
    ASSERT_GT(controles.size(), 10u);
    for (size_t i = 0; i < controles.size(); ++i) {
        for (size_t j = i + 1; j < controles.size(); ++j) {
            EXPECT_FALSE(controles[i].area.intersects(controles[j].area))
                << Describe(controles[i]) << " overlaps " << Describe(controles[j]);
        }
    }
}

// The full and the small window of the start, on either tab.
INSTANTIATE_TEST_SUITE_P(BothSizesBothTabs, WindowLayout,
                         ::testing::Combine(::testing::Values(QSize(Px(16965), Px(8805)), QSize(Px(6585), Px(6195))),
                                            ::testing::Values(0, 1)),
                         [](const auto& caso) {
                             const bool completa = std::get<0>(caso.param).width() > Px(6585);
                             return std::string(completa ? "Full" : "Small") + "WindowTab"
                                    + std::to_string(std::get<1>(caso.param));
                         });
