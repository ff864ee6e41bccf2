#include "ToolPanel.h"

#include <QMenu>
#include <QResizeEvent>
#include <QToolButton>

TToolPanel::TToolPanel(QWidget* parent) : QWidget(parent), overflow_(new QToolButton(this)) {
    overflow_->setObjectName("PanelOverflow");
    overflow_->setText(QString::fromUtf8("»"));
    overflow_->setToolTip(QString::fromUtf8("Další tlačítka"));
    overflow_->setAutoRaise(true);
    overflow_->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(overflow_);
    overflow_->setMenu(menu);
    overflow_->hide();
    // Filled as it opens, with the hidden buttons as they are then (enabled or not).
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        for (const Place& p : places_) {
            if (!p.button->isHidden()) continue;
            QAction* item = menu->addAction(p.button->icon(), p.button->toolTip());
            item->setEnabled(p.button->isEnabled());
            connect(item, &QAction::triggered, p.button, &QToolButton::click);
        }
    });
}

void TToolPanel::AddButton(QToolButton* button, int left) {
    places_.push_back({button, left});
    Arrange();
}

void TToolPanel::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Arrange();
}

void TToolPanel::Arrange() {
    if (places_.empty()) return;
    const Place& last = places_.back();
    const bool allFit = last.left + last.button->width() <= width();
    const int room = allFit ? width() : width() - overflow_->sizeHint().width() - 4;
    for (const Place& p : places_) p.button->setVisible(p.left + p.button->width() <= room);
    overflow_->setVisible(!allFit);
    if (!allFit)
        overflow_->setGeometry(width() - overflow_->sizeHint().width() - 2, 8, overflow_->sizeHint().width(), 25);
}
