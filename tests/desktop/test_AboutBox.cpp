#include "AboutBox.h"
#include "AppIcon.h"
#include "HelpJokeDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(AboutBox, ShowsTheNameAndClosesWithOk) {
    TForm2 form;
    EXPECT_EQ(form.windowTitle(), "BROUSEK EDITOR");
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    const auto* name = form.findChild<QLabel*>("Label1");
    EXPECT_EQ(name->text(), "Brousek editor");
    EXPECT_EQ(name->font().family(), "Comic Sans MS");
    EXPECT_EQ(name->font().pixelSize(), 21);
    EXPECT_EQ(form.findChild<QLabel*>("Label2")->text(), QString::fromUtf8("Textový editor pro práci"));
    EXPECT_EQ(form.findChild<QLabel*>("Label3")->text(), QString::fromUtf8("s čistým textem"));
    EXPECT_EQ(form.findChild<QLabel*>("Label3")->font().pixelSize(), 19);
    EXPECT_TRUE(form.findChild<QLabel*>("Label4")->text().contains("10.4"));
    EXPECT_FALSE(form.findChild<QLabel*>("Image1")->pixmap().isNull());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());  // fixed

    QTimer::singleShot(0, [&] { QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton); });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_FALSE(BedAppIcon().isNull());
}

TEST(AboutBox, TheHelpJokeAnswersAha) {
    Theeee form;
    EXPECT_EQ(form.windowTitle(), "he?");
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), QString::fromUtf8("Vždyť  už přece v nápovědě _jsi_, ne?"));
    auto* button = form.findChild<QPushButton*>("Button1");
    EXPECT_EQ(button->text(), "aha!");
    QTimer::singleShot(0, [&] { QTest::keyClick(&form, Qt::Key_Return); });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
}
