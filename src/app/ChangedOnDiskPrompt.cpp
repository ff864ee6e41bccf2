#include "ChangedOnDiskPrompt.h"

#include <QMessageBox>
#include <QPushButton>

QString ChangedOnDiskText(const QString& fileName) {
    return QString::fromUtf8("Soubor %1 mezitím změnil jiný program.\n\n"
                             "Přepsat – uložit tento text, změny na disku se ztratí.\n"
                             "Načíst znovu – otevřít soubor z disku, neuložené změny se zahodí.\n"
                             "Zrušit – nic neukládat.")
        .arg(fileName);
}

TDiskChangeAnswer AskChangedOnDisk(QWidget* parent, const QString& fileName) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kChangedOnDiskCaption),
                    ChangedOnDiskText(fileName), QMessageBox::NoButton, parent);
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
