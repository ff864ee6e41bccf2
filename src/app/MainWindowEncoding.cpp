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
    const TBedCodePageRow& codePage = CodePageRow(d.CodePage());
    SetPanel(2, QString::fromUtf8(codePage.name.data(), int(codePage.name.size())));
    Action(QString::fromUtf8(codePage.menuObject.data(), int(codePage.menuObject.size())))->setChecked(true);
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
