// What the window shows of the document: its code page (status panel 2 and the Čeština menu),
// line ends (panel 4), read-only state and its reason (panel 3, the item, the status bar), the
// modified mark (panel 0) and the history's items.
#include "MainWindow.h"
#include "FilePathText.h"

#include "BedEdit.h"
#include "CodePages.h"

#include <QAction>
#include <QLabel>

void TForm1::ShowDocument() {
    const TBedDocument& d = *document_;
    const std::string_view name = CodePageName(d.CodePage());
    SetPanel(2, QString::fromUtf8(name.data(), int(name.size())));
    for (const TBedCodePageMenuItem& item : kCodePageMenuItems)
        if (item.codePage == d.CodePage())
            Action(QString::fromUtf8(item.objectName.data(), int(item.objectName.size())))->setChecked(true);
    SetPanel(4, d.UnixLineEnds() ? "UNIX" : "DOS");
    Action("readonly")->setChecked(d.ReadOnly());
    SetPanel(3, d.ReadOnly() ? "RO" : "RW");
    // The bar may be too narrow for the whole reason: it is also the panels' tooltip.
    const QString reason = QString::fromStdString(d.ReadOnlyReason());
    readOnlyReason_->setText(reason);
    readOnlyReason_->setToolTip(reason);
    panels_[3]->setToolTip(reason);
    ShowModified();
    Action("PredchoziSoubor")->setEnabled(d.History().CanGoBack());
    Action("DalsiSoubor")->setEnabled(d.History().CanGoForward());
}

void TForm1::ShowModified() { SetPanel(0, document_->Modified() ? "modifikace" : ""); }
