#include "UnsavedWorkDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TUnsavedWorkAnswer AskUnsavedWork(QWidget* parent, const std::vector<TUnsavedWorkEntry>& entries, int& chosen) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8(kUnsavedWorkCaption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* intro = new QLabel(
        QString::fromUtf8("Brousek editor se minule neukončil řádně. Tyto dokumenty měly neuložené změny, které se "
                          "daly zachránit. Vyberte dokument a zvolte, co s ním:"));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setHeaderLabels(
        {QString::fromUtf8("Dokument"), QString::fromUtf8("Poslední změna"), QString::fromUtf8("Změny")});
    for (const TUnsavedWorkEntry& e : entries) {
        auto* item = new QTreeWidgetItem(list, {e.document, e.lastChange, e.changes});
        item->setToolTip(0, e.journal);
    }
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setStretchLastSection(false);
    list->resizeColumnToContents(1);
    list->resizeColumnToContents(2);
    list->setCurrentItem(list->topLevelItem(0));
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox;
    QPushButton* restore = buttons->addButton(QString::fromUtf8("&Obnovit"), QDialogButtonBox::AcceptRole);
    QPushButton* discard = buttons->addButton(QString::fromUtf8("&Zahodit"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(QString::fromUtf8("&Později"), QDialogButtonBox::RejectRole);
    restore->setDefault(true);
    layout->addWidget(buttons);
    TUnsavedWorkAnswer answer = TUnsavedWorkAnswer::Later;
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton* button) {
        answer = button == restore   ? TUnsavedWorkAnswer::Restore
                 : button == discard ? TUnsavedWorkAnswer::Discard
                                     : TUnsavedWorkAnswer::Later;
        dialog.done(answer == TUnsavedWorkAnswer::Later ? QDialog::Rejected : QDialog::Accepted);
    });
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, [&] {
        answer = TUnsavedWorkAnswer::Restore;
        dialog.accept();
    });
    (void)later;
    dialog.resize(560, 260);
    if (dialog.exec() != QDialog::Accepted) return TUnsavedWorkAnswer::Later;
    chosen = std::max(0, list->indexOfTopLevelItem(list->currentItem()));
    return answer;
}
