#include "ChangedOnDiskPrompt.h"
#include "FilePathText.h"

#include <QMessageBox>
#include <QPushButton>

TDiskChangeAnswer AskChangedOnDisk(QWidget* parent, const QString& fileName) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kChangedOnDiskCaption),
                    PathText(ChangedOnDiskText(PathBytes(fileName))), QMessageBox::NoButton, parent);
    QPushButton* overwrite = box.addButton(QString::fromUtf8("&Přepsat"), QMessageBox::AcceptRole);
    QPushButton* reload = box.addButton(QString::fromUtf8("&Načíst znovu"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QString::fromUtf8("&Zrušit"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite) return TDiskChangeAnswer::Overwrite;
    if (box.clickedButton() == reload) return TDiskChangeAnswer::Reload;
    return TDiskChangeAnswer::Cancel;
}
