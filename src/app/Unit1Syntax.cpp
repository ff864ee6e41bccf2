// The choice of the highlighter: the "Vyber zvýraznění" menu and the choice by extension.
#include "Unit1.h"

#include "BedEdit.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void TForm1::BuildHighlighterMenu(QMenu* menu) {
    auto* group = new QActionGroup(this);
    QAction* none = AddItem(menu, "dn1", "žádné", QKeySequence(), nullptr);
    none->setCheckable(true);
    none->setChecked(true);
    none->setEnabled(true);
    none->setActionGroup(group);
}

void TForm1::ChooseHighlighterForFile(const std::string&) {}
