#pragma once
// A main window on a private program directory, with scripted dialogs.
#include "BedEdit.h"
#include "ScriptedUiServices.h"
#include "MainWindow.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

// QTest types only ASCII; Czech letters come as the key events a Czech keyboard sends.
inline void TypeKeys(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, w, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, key, QString(c), Qt::NoModifier);
    }
}

class FormTest : public ::testing::Test {
protected:
    std::filesystem::path dir;
    ScriptedUiServices ui;
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        char tmpl[] = "/tmp/bedformXXXXXX";
        dir = mkdtemp(tmpl);
    }
    void TearDown() override {
        if (form) {
            form->quitWithoutSaving = true;
            form.reset();
        }
        std::filesystem::remove_all(dir);
    }
    std::string Dir() const { return dir.string() + "/"; }
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    void Start(QStringList params = {}) { form = std::make_unique<TForm1>(ui, Dir(), params); }
    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream f(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> result;
        for (int i = 0; i < form->Memo1->Lines().Count(); ++i) result.push_back(form->Memo1->Lines().Get(i));
        return result;
    }
    // Puts lines straight into the buffer: no undo record, no change event.
    void SetText(const std::vector<std::string>& lines) {
        form->Memo1->Lines().Clear();
        for (const auto& line : lines) form->Memo1->Lines().Add(line);
    }
    // Window shortcuts need the window to be the active one.
    void ShowFocused() {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->Memo1->setFocus();
    }
    // Closes the window the way the user does; false when the close was refused.
    bool Close() { return form->close(); }
};
