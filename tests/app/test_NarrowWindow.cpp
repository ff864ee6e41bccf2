// The window at its smallest width: every menu, tool button and status text stays reachable.
#include "FormFixture.h"

#include "StatusPanel.h"
#include "ToolPanel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

TEST_F(FormTest, AtTheSmallestWidthNothingIsOutOfReach) {
    Start();
    form->show();
    form->resize(100, 400);
    QApplication::processEvents();
    EXPECT_EQ(form->width(), TForm1::kMinimumWidth);
    // The menus that don't fit are behind the menu bar's extension button.
    QMenuBar* bar = form->menuBar();
    int shown = 0;
    for (QAction* menu : bar->actions())
        if (bar->actionGeometry(menu).right() < bar->width() && !bar->actionGeometry(menu).isEmpty()) ++shown;
    EXPECT_LT(shown, bar->actions().size());
    auto* extension = bar->findChild<QToolButton*>("qt_menubar_ext_button");
    ASSERT_TRUE(extension);
    EXPECT_TRUE(extension->isVisible());

    // The tool buttons that don't fit are in the panel's overflow menu, in their order.
    auto* panel = static_cast<TToolPanel*>(form->Panel1);
    QToolButton* overflow = panel->OverflowButton();
    ASSERT_TRUE(overflow->isVisible());
    EXPECT_LE(overflow->geometry().right(), panel->width());
    QStringList hidden, inMenu;
    for (QToolButton* b : panel->findChildren<QToolButton*>())
        if (b != overflow) {
            if (b->isVisible())
                EXPECT_LE(b->geometry().right(), overflow->geometry().left());
            else
                hidden << b->toolTip();
        }
    emit overflow->menu()->aboutToShow();
    for (QAction* a : overflow->menu()->actions()) inMenu << a->text();
    EXPECT_EQ(inMenu, hidden);
    EXPECT_TRUE(inMenu.contains("Konec"));

    // The status panels share the bar: none overlaps the next, a long text ends in "…" and
    // shows whole as the tip.
    const auto panels = form->statusBar()->findChildren<TStatusPanel*>();
    ASSERT_EQ(panels.size(), 7);
    for (int i = 0; i + 1 < panels.size(); ++i)
        EXPECT_LE(panels[i]->geometry().right(), panels[i + 1]->geometry().left());
    EXPECT_LE(panels.back()->geometry().right(), form->statusBar()->width());
    form->Document().SetModified(true);
    panels[0]->grab();
    EXPECT_TRUE(panels[0]->width() < panels[0]->fontMetrics().horizontalAdvance("modifikace"));
    EXPECT_EQ(panels[0]->toolTip(), "modifikace");
    form->resize(700, 400);
    QApplication::processEvents();
    panels[0]->grab();
    EXPECT_FALSE(overflow->isVisible());
    EXPECT_EQ(panels[0]->toolTip(), "");
}
