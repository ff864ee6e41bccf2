// Qt's own texts in Czech and the Czech locale for numbers in messages.
#include "FormFixture.h"

#include "CzechTranslations.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

namespace {

class TTranslations : public FormTest {
protected:
    void TearDown() override {
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        QLocale::setDefault(QLocale::c());
        FormTest::TearDown();
    }
};

}  // namespace

TEST_F(TTranslations, StandardButtonsAndNumbersAreCzech) {
    ASSERT_TRUE(InstallCzechTranslations(*qApp));
    QDialogButtonBox box(QDialogButtonBox::Open | QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8("Zrušit"));
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text(), QString::fromUtf8("&Ano"));
    EXPECT_EQ(box.button(QDialogButtonBox::Open)->text(), QString::fromUtf8("Otevřít"));

    Start();
    std::vector<std::string> lines(12345, "x");
    SetText(lines);
    form->Action("Poetdkvtextu1")->trigger();
    EXPECT_EQ(ui.shown.back(), QString::fromUtf8("information: V textu je 12\u00A0345 řádků."));
}
