#include "ReplacePrompt.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

QString ReplacePromptText(const QString& found, const QString& replacement) {
    return QString::fromUtf8("Nahradit tento výskyt „%1“ textem „%2“?").arg(found, replacement);
}

namespace {

// Below the match when there is room on its screen, else above it.
void MoveClearOf(QWidget& box, const QRect& match) {
    if (match.isNull()) return;
    box.adjustSize();
    const QScreen* screen = QGuiApplication::screenAt(match.center());
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = box.frameGeometry().size();
    const int gap = match.height();
    int y = match.bottom() + gap;
    if (y + size.height() > area.bottom()) y = match.top() - gap - size.height();
    const int x = std::clamp(match.center().x() - size.width() / 2, area.left(),
                             std::max(area.left(), area.right() - size.width()));
    box.move(x, std::max(area.top(), y));
}

}  // namespace

TBedReplaceAction AskReplace(QWidget* parent, const QString& found, const QString& replacement, const QRect& match) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kReplacePromptCaption),
                    ReplacePromptText(found, replacement), QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QString::fromUtf8("&Ano"), QMessageBox::ActionRole);
    QPushButton* no = box.addButton(QString::fromUtf8("&Ne"), QMessageBox::ActionRole);
    QPushButton* all = box.addButton(QString::fromUtf8("&Vše"), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QString::fromUtf8("&Zrušit"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    MoveClearOf(box, match);
    box.exec();
    if (box.clickedButton() == yes) return raReplace;
    if (box.clickedButton() == no) return raSkip;
    if (box.clickedButton() == all) return raReplaceAll;
    return raCancel;
}
