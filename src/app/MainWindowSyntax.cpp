// The choice of the highlighter: the "Vyber zvýraznění" menu and the choice by extension.
#include "MainWindow.h"

#include "BedEdit.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void TForm1::BuildHighlighterMenu(QMenu* menu) {
    auto* group = new QActionGroup(this);
    const auto& items = HighlighterMenuItems();
    for (int i = 0; i < int(items.size()); ++i) {
        const THighlighterMenuItem& item = items[i];
        QAction* action = AddItem(menu, item.component, item.caption, QKeySequence(), nullptr);
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setVisible(item.visible);
        // Languages whose highlighter is not built yet stay disabled.
        action->setEnabled(!item.instance || highlighters_.ForItem(i));
        connect(action, &QAction::triggered, this, [this, i] { SelectHighlighterItem(i); });
    }
    Action(items[0].component)->setChecked(true);
}

void TForm1::SelectHighlighterItem(int item) {
    Action(HighlighterMenuItems()[item].component)->setChecked(true);
    Memo1->SetHighlighter(highlighters_.ForItem(item));
}

void TForm1::ChooseHighlighterForFile(const std::string& fileName) {
    if (!settings_.podlePripony) return;
    SelectHighlighterItem(ItemForFileName(fileName));
}
