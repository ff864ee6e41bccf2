#include "MainWindow.h"

#include "BedEditColors.h"
#include "BedEdit.h"
#include "BedEditKeyStrokes.h"
#include "BedSpellSession.h"
#include "StatusPanel.h"
#include "ToolIcons.h"
#include "X11IconName.h"
#include "ToolPanel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

TForm1::TForm1(UiServices& ui, std::string programDirectory, QStringList params, QWidget* parent)
    : QMainWindow(parent), programDir(std::move(programDirectory)), ui_(ui) {
    setObjectName("Form1");
    // Narrower, the menu bar keeps its items behind its "»", the tool panel behind its own and
    // the status panels end their texts in "…".
    setMinimumSize(kMinimumWidth, 200);
    resize(518, 516);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Memo1 = new TBedEdit(central);
    Memo1->setObjectName("Memo1");
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->SetOptions(kBedMainEditorOptions);
    Memo1->SetMaxLeftChar(32767);
    Memo1->SetWantTabs(true);
    Memo1->SetRightEdgeColor(clNone);
    Memo1->Gutter().SetVisible(false);
    Memo1->Gutter().SetShowLineNumbers(true);
    Memo1->Gutter().SetWidth(20);
    LoadMainEditorKeyStrokes(Memo1->Keystrokes());
    layout->addWidget(Memo1, 1);
    setCentralWidget(central);
    document_ = std::make_unique<TBedDocument>(*Memo1, settings_, ui_);
    document_->OnChange = [this] { ShowDocument(); };
    document_->OnLoading = [this](const std::string& fileName) { ChooseHighlighterForFile(fileName); };
    BuildMenus();
    BuildToolPanel();
    layout->insertWidget(0, Panel1);
    BuildStatusBar();
    Memo1->OnChange = [this] { ShowModified(); };
    ConnectTyping();
    ConnectNavigation();
    ConnectSpelling();
    Memo1->OnPasteUnrepresentable = [this](TCustomBedEdit&) {
        statusBar()->showMessage("Některé vložené znaky nejsou v kódování CP 1250; byly nahrazeny otazníkem.", 8000);
    };
    Memo1->OnReplaceText = [this](TCustomBedEdit&, const std::string& found, const std::string& replacement, int line,
                                  int column) { return Memo1ReplaceText(found, replacement, line, column); };
    Memo1->OnDropFiles = [this](int, int, const std::vector<std::string>& files) {
        Guard([&] { Memo1DropFiles(files); });
    };
    StartJournal();
    Guard([&] { FormCreate(params); });
}

TForm1::~TForm1() {
    // The highlighters go before the child widgets that use them.
    Memo1->SetHighlighter(nullptr);
}

QAction* TForm1::Action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QString TForm1::PanelText(int panel) const { return panels_[panel]->text(); }

void TForm1::SetPanel(int panel, const QString& text) {
    // Shown on every change of the document: a text that stays costs no relayout.
    if (panels_[panel]->text() != text) panels_[panel]->setText(text);
}

void TForm1::Guard(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        ui_.ErrorBox(QString::fromUtf8(e.what()));
    }
}

QAction* TForm1::AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                         void (TForm1::*handler)()) {
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    // Items whose command is not built yet stand in the menu with caption and key, disabled.
    action->setEnabled(handler != nullptr);
    if (handler) connect(action, &QAction::triggered, this, [this, handler] { Guard([&] { (this->*handler)(); }); });
    if (menu)
        menu->addAction(action);
    else
        addAction(action);  // hidden items exist only for their shortcuts
    actions_[name] = action;
    return action;
}

// A check item: triggering it toggles its mark, then runs the handler (if any) on the new state.
QAction* TForm1::AddToggle(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                           void (TForm1::*handler)(bool on)) {
    QAction* action = AddItem(menu, name, caption, key, nullptr);
    action->setCheckable(true);
    action->setEnabled(true);
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler](bool on) { Guard([&] { (this->*handler)(on); }); });
    return action;
}

QAction* TForm1::AddSetting(QMenu* menu, const char* name, const char* caption, const QKeySequence& key,
                            bool TBedSettings::*setting, void (TForm1::*handler)()) {
    QAction* action = AddToggle(menu, name, caption, key, nullptr);
    action->setChecked(settings_.*setting);
    connect(action, &QAction::triggered, this, [this, setting](bool checked) { settings_.*setting = checked; });
    settingItems_.emplace_back(action, setting);
    if (handler) connect(action, &QAction::triggered, this, [this, handler] { Guard([&] { (this->*handler)(); }); });
    return action;
}

void TForm1::BuildMenus() {
    const QKeySequence none;
    QMenuBar* bar = menuBar();

    QMenu* soubor = bar->addMenu("&Soubor");
    soubor->setObjectName("Soubor");
    AddItem(soubor, "Novy", "&Nový", Qt::CTRL | Qt::Key_N, &TForm1::NovyClick);
    AddItem(soubor, "Otevrit", "&Otevřít...", Qt::Key_F3, &TForm1::OtevritClick);
    AddItem(soubor, "Ulozit", "&Uložit", Qt::Key_F2, &TForm1::UlozitClick);
    AddItem(soubor, "UlozitJako", "Uložit &jako...", Qt::CTRL | Qt::Key_F2, &TForm1::UlozitJakoClick);
    AddItem(soubor, "ulNaDisketu", "Uložit na dis&ketu A:", Qt::SHIFT | Qt::Key_F2, &TForm1::ulNaDisketuClick);
    soubor->addSeparator();
    AddItem(soubor, "Tisk1", "&Tisk", Qt::CTRL | Qt::Key_P, &TForm1::Tisk1Click);
    AddSetting(soubor, "tisk_highlight", "Tisknout i se zvýrazněním", none, &TBedSettings::tiskSeZvyraznenim);
    soubor->addSeparator();
    AddItem(soubor, "ZnovuNacist", "&Znovu načíst", Qt::CTRL | Qt::SHIFT | Qt::Key_R, &TForm1::ZnovuNacistClick);
    AddItem(soubor, "Daloknoeditoru1", "&Další okno editoru", Qt::CTRL | Qt::SHIFT | Qt::Key_O,
            &TForm1::Daloknoeditoru1Click);
    soubor->addSeparator();
    AddItem(soubor, "Asociuj1", "&Asociuj...", none, &TForm1::Asociuj1Click);
    AddItem(soubor, "Volby1", "Volby...", none, &TForm1::Volby1Click);
    soubor->addSeparator();
    AddItem(soubor, "Konec", "&Konec", Qt::Key_F10, &TForm1::KonecClick);
    AddItem(soubor, "Konecsuloenm1", "Konec s uložením", Qt::Key_F11, &TForm1::Konecsuloenm1Click);
    AddItem(soubor, "Konecbezuloen1", "Konec &bez uložení", Qt::Key_F12, &TForm1::Konecbezuloen1Click);
    QAction* oddCara = soubor->addSeparator();
    oddCara->setObjectName("OddCara");
    oddCara->setVisible(false);
    actions_["OddCara"] = oddCara;
    for (int k = 1; k <= 5; ++k) {
        const QByteArray name = "SM" + QByteArray::number(k);
        QAction* item = AddItem(soubor, name.constData(), "", none, nullptr);
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, k] { Guard([&] { OpenRecentFile(k); }); });
    }
    // Alt+Z opens the Soubor menu as well.
    auto* altZ = new QShortcut(Qt::ALT | Qt::Key_Z, this);
    connect(altZ, &QShortcut::activated, this, [bar, soubor] { bar->setActiveAction(soubor->menuAction()); });

    // "Skryte": never shown, its items exist for their shortcuts.
    AddItem(nullptr, "Prilep1", "Prilep", Qt::CTRL | Qt::Key_V, &TForm1::PrilepClick);
    AddItem(nullptr, "Konec1", "Konec", Qt::Key_Escape, &TForm1::Konec1Click);
    AddItem(nullptr, "Otevrit1", "Otevrit", Qt::CTRL | Qt::Key_O, &TForm1::OtevritClick);
    AddItem(nullptr, "Ulozit1", "Ulozit", Qt::CTRL | Qt::Key_S, &TForm1::UlozitClick);
    AddItem(nullptr, "Najit1", "Najit", Qt::CTRL | Qt::Key_F, &TForm1::Hledej1Click);
    AddItem(nullptr, "Nahradit1", "Nahradit", Qt::CTRL | Qt::Key_R, &TForm1::NahradClick);

    QMenu* upravy = bar->addMenu("Ú&pravy");
    upravy->setObjectName("Upravy");
    AddItem(upravy, "Kopiruj", "&Kopírovat", Qt::CTRL | Qt::Key_Insert, &TForm1::KopirujClick);
    AddItem(upravy, "Vystrihni", "&Vyjmout", Qt::SHIFT | Qt::Key_Delete, &TForm1::VystrihniClick);
    AddItem(upravy, "pridej", "Při&dat", Qt::ALT | Qt::Key_Insert, &TForm1::pridejClick);
    AddItem(upravy, "Prilep", "V&ložit", Qt::SHIFT | Qt::Key_Insert, &TForm1::PrilepClick);
    AddItem(upravy, "Pilepzesouboru1", "Vložit ze &souboru...", none, &TForm1::Pilepzesouboru1Click);
    upravy->addSeparator();
    AddToggle(upravy, "Sloupcovbloky1", "&Sloupcové bloky", Qt::SHIFT | Qt::CTRL | Qt::Key_S,
              &TForm1::Sloupcovbloky1Click);
    // Shift+Ctrl+R reloads (Soubor comes first); the key stands in the caption only, as Qt
    // would run neither of two items sharing it.
    AddToggle(upravy, "RadkoveBloky", "Řá&dkové bloky\tShift+Ctrl+R", none, &TForm1::RadkoveBlokyClick);
    upravy->addSeparator();
    AddItem(upravy, "Velka", "Velká písmena", none, &TForm1::VelkaClick);
    AddItem(upravy, "Mala", "Malá písmena", none, &TForm1::MalaClick);
    AddItem(upravy, "Prohozen1", "Prohození", none, &TForm1::Prohozen1Click);
    upravy->addSeparator();
    AddItem(upravy, "ZptCtrlZ1", "&Undo (Zpět)", Qt::CTRL | Qt::Key_U, &TForm1::ZptCtrlZ1Click);
    AddItem(upravy, "Vybervse", "Vy&ber vše", Qt::CTRL | Qt::Key_A, &TForm1::VybervseClick);
    AddItem(upravy, "zacatekvyberu", "&Začátek SuperVýběru", Qt::CTRL | Qt::Key_B, &TForm1::zacatekvyberuClick);
    AddItem(upravy, "konecvyberu", "Ko&nec SuperVýběru", Qt::CTRL | Qt::Key_E, &TForm1::konecvyberuClick);
    AddItem(upravy, "VysvtitSuperVbr1", "O&bnovit SuperVýběr", Qt::CTRL | Qt::Key_L, &TForm1::VysvtitSuperVbr1Click);
    upravy->addSeparator();
    AddToggle(upravy, "readonly", "Pouze p&ro čtení", Qt::CTRL | Qt::ALT | Qt::Key_R, &TForm1::readonlyClick);

    QMenu* format = bar->addMenu("&Formát");
    format->setObjectName("Formt1");
    AddItem(format, "odsadblok", "Posuň blok do&prava", Qt::CTRL | Qt::ALT | Qt::Key_Right, &TForm1::odsadblokClick);
    AddItem(format, "ododsad", "Posuň blok do&leva", Qt::CTRL | Qt::ALT | Qt::Key_Left, &TForm1::ododsadClick);
    AddItem(format, "srovnejblok", "Srovnej &blok", Qt::CTRL | Qt::ALT | Qt::Key_S, &TForm1::srovnejblokClick);
    format->addSeparator();
    AddItem(format, "smazradek", "&Smaž řádek", Qt::ALT | Qt::Key_Delete, &TForm1::smazradekClick);
    AddItem(format, "zackonradku", "&Přidej na začátek/konec řádku...", none, &TForm1::zackonradkuClick);
    format->addSeparator();
    AddItem(format, "Provedkovzlom1", "Proveď řádkový zlom (respektující slova)", Qt::CTRL | Qt::ALT | Qt::Key_Z,
            &TForm1::Provedkovzlom1Click);
    AddItem(format, "Dlkadkupidkovmzlomu1", "Délka řádku při řádkovém zlomu...", none,
            &TForm1::Dlkadkupidkovmzlomu1Click);
    AddSetting(format, "uhz1", "Ukaž hranici zlomu", none, &TBedSettings::ukazHraniciZlomu, &TForm1::uhz1Click);
    AddSetting(format, "AutoZalam", "Lámat řádky při psaní", Qt::ALT | Qt::Key_L, &TBedSettings::autoZalam,
               &TForm1::ShowWrapWhileTyping);
    AddSetting(format, "Zalamovani", "&Automaticky provádět řádkový zlom při nahrávání", none,
               &TBedSettings::zalamovani);
    format->addSeparator();
    AddItem(format, "inshtml", "&Vlož standardní hlavičku HTML", Qt::CTRL | Qt::Key_H, &TForm1::inshtmlClick);
    AddItem(format, "dos2unix", "&Dos <---> Unix", Qt::ALT | Qt::Key_U, &TForm1::dos2unixClick);
    format->addSeparator();
    AddSetting(format, "PomListaL", "Z&obraz nalevo pomocnou lištu", none, &TBedSettings::pomListaL,
               &TForm1::ApplyGutterVisibility);
    AddItem(format, "Font1", "&Font...", none, &TForm1::Font1Click);

    QMenu* syntaxe = bar->addMenu("S&yntaxe");
    syntaxe->setObjectName("Syntaxe");
    QMenu* vyber = syntaxe->addMenu("Vyber zvýraznění");
    vyber->setObjectName("Vyberzvraznn1");
    BuildHighlighterMenu(vyber);
    AddSetting(syntaxe, "PodlePripony", "Určovat zvýraznění podle přípony", none, &TBedSettings::podlePripony);
    AddItem(syntaxe, "Kontrolujzvorky1", "s&koč na odpovídající závorku", Qt::CTRL | Qt::Key_K,
            &TForm1::Kontrolujzvorky1Click);

    QMenu* cestina = bar->addMenu("Č&eština");
    cestina->setObjectName("cestina");
    AddItem(cestina, "Ukldatnahrvatv1", "Ukládat / nahrávat v :", none, nullptr);  // a label
    BuildCodePageMenu(cestina);
    cestina->addSeparator();
    AddItem(cestina, "odstran_diakritiku", "&Odstraň diakritiku", none, &TForm1::odstran_diakritikuClick);
    AddSetting(cestina, "YxZ", "&Přehodit \"y\" a \"z\"", Qt::CTRL | Qt::ALT | Qt::Key_P, &TBedSettings::prehoditYZ,
               &TForm1::YxZClick);
    AddItem(cestina, "Vloz_uu", "&Vlož Ů (velké U s kroužkem)", Qt::CTRL | Qt::ALT | Qt::Key_U, &TForm1::Vloz_uuClick);
    AddItem(cestina, "Dalznakjinouklvesnic1", "&Další znak druhou klávesnicí", Qt::CTRL | Qt::Key_D,
            &TForm1::Dalznakjinouklvesnic1Click);
    cestina->addSeparator();
    AddSetting(cestina, "autokod", "&Automatická změna kódování", none, &TBedSettings::autokodovani);
    AddSetting(cestina, "rozpoznat", "&Rozpoznat kódování podle obsahu", none, &TBedSettings::rozpoznatKodovani);
    cestina->addSeparator();
    AddSetting(cestina, "pravopis", "Kon&trola pravopisu", none, &TBedSettings::kontrolaPravopisu,
               &TForm1::pravopisClick);
    cestina->setToolTipsVisible(true);  // a disabled item says why

    QMenu* hledej = bar->addMenu("&Hledej");
    hledej->setObjectName("Hledej");
    AddItem(hledej, "Hledej1", "&Hledej...", Qt::Key_F7, &TForm1::Hledej1Click);
    AddItem(hledej, "HlDalsi", "Hledej další", Qt::ALT | Qt::Key_F7, &TForm1::HlDalsiClick);
    AddItem(hledej, "Nahrad", "&Nahraď...", Qt::SHIFT | Qt::Key_F7, &TForm1::NahradClick);
    AddItem(hledej, "NahrDalsi", "Nahraď další", Qt::SHIFT | Qt::ALT | Qt::Key_F7, &TForm1::NahrDalsiClick);

    QMenu* jdi = bar->addMenu("&Jdi na...");
    jdi->setObjectName("Jdina1");
    AddItem(jdi, "Zateksouboru1", "&Začátek souboru", Qt::CTRL | Qt::Key_Home, &TForm1::Zateksouboru1Click);
    AddItem(jdi, "Konecsouboru1", "&Konec souboru", Qt::CTRL | Qt::Key_End, &TForm1::Konecsouboru1Click);
    AddItem(jdi, "dekslo1", "Řáde&k číslo...", Qt::ALT | Qt::Key_R, &TForm1::dekslo1Click);
    AddItem(jdi, "PredchoziSoubor", "&Předchozí soubor", Qt::ALT | Qt::Key_Left, &TForm1::PredchoziSouborClick)
        ->setEnabled(false);
    AddItem(jdi, "DalsiSoubor", "&Další soubor", Qt::ALT | Qt::Key_Right, &TForm1::DalsiSouborClick)->setEnabled(false);

    QMenu* zobraz = bar->addMenu("Z&obraz...");
    zobraz->setObjectName("Zobraz1");
    AddItem(zobraz, "Poetdkvtextu1", "Počet řá&dků v textu", none, &TForm1::Poetdkvtextu1Click);
    AddItem(zobraz, "pocetslov", "Počet &slov v textu", none, &TForm1::pocetslovClick);
    AddItem(zobraz, "Poetznakvtextu1", "Počet &znaků v textu", none, &TForm1::Poetznakvtextu1Click);
    zobraz->addSeparator();
    AddItem(zobraz, "zhtml", "Soubor v &asociované aplikaci", Qt::ALT | Qt::Key_A, &TForm1::zhtmlClick);

    QMenu* napoveda = bar->addMenu("&Nápověda");
    napoveda->setObjectName("Napoveda1");
    connect(napoveda, &QMenu::aboutToShow, this, [this] { Guard([&] { Napoveda1Click(); }); });
    AddItem(napoveda, "Obsah", "&Obsah", Qt::Key_F1, &TForm1::ObsahClick);
    AddItem(napoveda, "FAQ", "&FAQ (často pokládané otázky)", none, &TForm1::FAQClick);
    AddItem(napoveda, "Historieverzeditoru1", "Historie verzí editoru", none, &TForm1::Historieverzeditoru1Click);
    AddItem(napoveda, "oprog", "O &programování tohoto editoru", none, &TForm1::oprogClick);
    napoveda->addSeparator();
    AddItem(napoveda, "Oaplikaci", "O &aplikaci...", none, &TForm1::OaplikaciClick);
}

void TForm1::BuildToolPanel() {
    auto* panel = new TToolPanel(this);
    Panel1 = panel;
    Panel1->setObjectName("Panel1");
    Panel1->setFixedHeight(41);
    static const struct {
        int left;
        const char* name;
        const char* hint;
        const char* action;
        TToolGlyph glyph;
    } kButtons[] = {
        {16, "SpeedButton1", "Nový", "Novy", TToolGlyph::New},
        {40, "SpeedButton2", "Otevřít", "Otevrit", TToolGlyph::Open},
        {64, "SpeedButton3", "Uložit", "Ulozit", TToolGlyph::Save},
        {88, "SpeedButton14", "Znovu načíst", "ZnovuNacist", TToolGlyph::Reload},
        {112, "SpeedButton7", "Tisk", "Tisk1", TToolGlyph::Print},
        {152, "SpeedButton16", "Volby", "Volby1", TToolGlyph::Options},
        {192, "SpeedButton4", "Kopírovat", "Kopiruj", TToolGlyph::Copy},
        {216, "SpeedButton5", "Vyjmout", "Vystrihni", TToolGlyph::Cut},
        {240, "SpeedButton6", "Vložit", "Prilep", TToolGlyph::Paste},
        {280, "SpeedButton8", "Hledej", "Hledej1", TToolGlyph::Find},
        {304, "SpeedButton9", "Nahraď", "Nahrad", TToolGlyph::Replace},
        {344, "SpeedButton10", "Na začátek", "Zateksouboru1", TToolGlyph::Top},
        {368, "SpeedButton11", "Na konec", "Konecsouboru1", TToolGlyph::Bottom},
        {392, "SpeedButton15", "Na řádek č. ...", "dekslo1", TToolGlyph::Line},
        {432, "SpeedButton12", "Nápověda", "Obsah", TToolGlyph::Help},
        {472, "SpeedButton13", "Konec", "Konec", TToolGlyph::Exit},
    };
    for (const auto& b : kButtons) {
        auto* button = new QToolButton(Panel1);
        button->setObjectName(b.name);
        button->setGeometry(b.left, 8, 25, 25);
        button->setIconSize(QSize(20, 20));
        button->setAutoRaise(true);
        button->setIcon(ToolIcon(b.glyph));
        button->setToolTip(QString::fromUtf8(b.hint));
        QAction* action = Action(b.action);
        // The button runs the handler of the menu command of the same name, also while the
        // item is greyed because its menu last opened without a selection.
        button->setEnabled(action->isEnabled());
        connect(button, &QToolButton::clicked, action, [action] { emit action->triggered(); });
        panel->AddButton(button, b.left);
    }
}

void TForm1::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    // Set once on the bar, the font reaches every panel (and a status message) without each
    // panel resolving it again.
    QFont font("Courier New");
    font.setPixelSize(13);
    bar->setFont(font);
    static constexpr int kWidths[7] = {90, 75, 100, 26, 50, 45, 50};
    for (int i = 0; i < 7; ++i) {
        auto* label = new TStatusPanel(kWidths[i], bar);
        bar->addWidget(label);
        panels_[i] = label;
    }
    SetPanel(3, "RW");
    // Why the document is read-only, in what room the panels leave: it never widens the window.
    readOnlyReason_ = new QLabel(bar);
    readOnlyReason_->setObjectName("readOnlyReason");
    readOnlyReason_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(readOnlyReason_, 1);
}

TBedTextToolEdit TForm1::TextToolEdit() { return TBedTextToolEdit(*Memo1); }

void TForm1::readonlyClick(bool on) { document_->SetReadOnly(on); }

void TForm1::KonecClick() { close(); }

void TForm1::Konecsuloenm1Click() {
    UlozitClick();
    close();
}

void TForm1::Konecbezuloen1Click() {
    quitWithoutSaving = true;
    close();
}

void TForm1::Konec1Click() {
    if (settings_.escKonci) close();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The native window exists only now.
    SetX11IconName(*this, applicationTitle_);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A save that fails from the close query keeps the window open, with the error shown.
    bool mayClose = false;
    Guard([&] { mayClose = FormCloseQuery(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}
