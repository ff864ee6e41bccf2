// Spelling in the main window: the waves under misspelled words, the context menu, the item
// in "Čeština", a machine without the dictionary.
#include "FormFixture.h"

#include "BedSpellSession.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

#include <cstdlib>
#include <set>

namespace {

class TSpelling : public FormTest {
protected:
    void StartChecking(const std::vector<std::string>& lines) {
        Start();
        form->resize(600, 300);
        SetText(lines);
        form->Action("pravopis")->trigger();
        ASSERT_TRUE(form->Action("pravopis")->isChecked());
        form->Memo1->viewport()->grab();  // the first paint asks about the words
        ASSERT_TRUE(form->Spelling()->WaitUntilIdle());
    }
    // The first and last text column (from 1) of line `line` with the red wave below them.
    std::set<int> WavedColumns(int line) {
        const QImage image = form->Memo1->viewport()->grab().toImage();
        TBedEdit& e = *form->Memo1;
        const QPoint origin = e.PositionToPixels({1, line});
        const int bottom = origin.y() + e.LineHeight() - 1;
        std::set<int> columns;
        for (int column = 1; origin.x() + column * e.CharWidth() < image.width(); ++column) {
            const int middle = origin.x() + (column - 1) * e.CharWidth() + e.CharWidth() / 2;
            for (int x = middle - 1; x <= middle + 1; ++x)
                for (int y = bottom - 3; y <= bottom; ++y) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.red() > c.green() + 60 && c.red() > c.blue() + 60) columns.insert(column);
                }
        }
        if (columns.size() > 2) columns.erase(std::next(columns.begin()), std::prev(columns.end()));
        return columns;
    }
    QMenu* OpenContextMenu(TBedPoint at) {
        const QPoint pos = form->Memo1->PositionToPixels(at) + QPoint(2, 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, form->Memo1->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(form->Memo1->viewport(), &event);
        return form->PopupMenu1;
    }
    static QStringList Captions(QMenu* menu) {
        QStringList captions;
        for (QAction* a : menu->actions()) captions << a->text();
        return captions;
    }
    static QAction* Item(QMenu* menu, const char* caption) {
        for (QAction* a : menu->actions())
            if (a->text() == QString::fromUtf8(caption)) return a;
        return nullptr;
    }
};

}  // namespace

TEST_F(TSpelling, MisspelledWordsAreWavedAndTheMenuMendsThem) {
    // "Dnes je velyce hezky." — the third word is misspelled.
    StartChecking({"Dnes je velyce hezky."});
    EXPECT_EQ(WavedColumns(1), (std::set<int>{9, 14}));
    QMenu* menu = OpenContextMenu({10, 1});
    const QStringList captions = Captions(menu);
    EXPECT_TRUE(captions.contains("velice")) << captions.join("|").toStdString();
    EXPECT_LE(captions.indexOf(QString::fromUtf8("Přidat do slovníku")), 8);
    ASSERT_TRUE(Item(menu, "Ignorovat"));
    Item(menu, "velice")->trigger();
    menu->close();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Dnes je velice hezky."}));
    form->Action("ZptCtrlZ1")->trigger();  // one undo step
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Dnes je velyce hezky."}));

    // Added to the personal list: no longer waved, kept in the file, and known at the next start.
    menu = OpenContextMenu({10, 1});
    Item(menu, "Přidat do slovníku")->trigger();
    menu->close();
    EXPECT_TRUE(WavedColumns(1).empty());
    EXPECT_EQ(ReadFile("slovnik.txt"), "velyce\n");
    // A correct word opens the usual menu.
    menu = OpenContextMenu({2, 1});
    EXPECT_EQ(Captions(menu).first(), QString::fromUtf8("Kopírovat"));
    menu->close();
    form->quitWithoutSaving = true;
    form->close();
    EXPECT_NE(ReadFile("bed.ini").find("kontrolaPravopisu=1"), std::string::npos);
    form.reset();
    Start();
    SetText({"velyce"});
    EXPECT_TRUE(form->Action("pravopis")->isChecked());
    form->Memo1->viewport()->grab();
    ASSERT_TRUE(form->Spelling()->WaitUntilIdle());
    EXPECT_TRUE(WavedColumns(1).empty());
}

TEST_F(TSpelling, InCodeOnlyCommentsAndStringsAreChecked) {
    StartChecking({"int velyce = 1; // velyce"});
    form->SelectHighlighterItem(ItemForFileName("x.cpp"));
    ASSERT_TRUE(form->Spelling()->WaitUntilIdle());
    EXPECT_EQ(WavedColumns(1), (std::set<int>{20, 25}));
    // Off: no waves at all.
    form->Action("pravopis")->trigger();
    EXPECT_TRUE(WavedColumns(1).empty());
    EXPECT_EQ(form->Spelling(), nullptr);
}

TEST_F(TSpelling, WithoutTheDictionaryTheItemSaysWhy) {
    const std::string empty = Dir();
    const char* dataDirs = std::getenv("XDG_DATA_DIRS");
    const std::string saved = dataDirs ? dataDirs : "";
    setenv("XDG_DATA_DIRS", empty.c_str(), 1);
    setenv("XDG_DATA_HOME", empty.c_str(), 1);
    Start();
    dataDirs ? setenv("XDG_DATA_DIRS", saved.c_str(), 1) : unsetenv("XDG_DATA_DIRS");
    unsetenv("XDG_DATA_HOME");
    QAction* item = form->Action("pravopis");
    EXPECT_FALSE(item->isEnabled());
    EXPECT_EQ(item->toolTip(),
              QString::fromUtf8("Kontrola pravopisu není k dispozici: chybí český slovník (balíček hunspell-cs)."));
    EXPECT_EQ(form->Spelling(), nullptr);
}
