#include "HighlighterChoice.h"

#include "BedHighlighterGeneral.h"
#include "BedHighlighterPas.h"

#include <array>

namespace {

struct TExtensionRow {
    std::array<const char*, 5> extensions;  // unused slots are null
    const char* component;
};

// Looked up top to bottom; the first row holding the extension wins (".INC" is Pascal's).
const TExtensionRow kExtensions[] = {
    {{".PAS", ".DPR", ".DPK", ".INC"}, "Pascal1"},
    {{".C", ".CPP", ".CC", ".H", ".HPP"}, "CC1"},
    {{".HTML", ".HTM"}, "HTML1"},
    {{".F", ".FOR"}, "Fortran1"},
    {{".ASM", ".ASI"}, "asm1"},
    {{".AWK"}, "AWK1"},
    {{".BAS"}, "Basic1"},
    {{".BAT"}, "BAT1"},
    {{".DFM"}, "DFM1"},
    {{".PRG"}, "FoxPro1"},
    {{".INI"}, "INI1"},
    {{".JAVA"}, "Java1"},
    {{".JS"}, "JavaScript1"},
    {{".PL", ".PM"}, "Perl1"},
    {{".PHP", ".PHP3", ".PHTML"}, "PHP1"},
    {{".PY"}, "Python1"},
    {{".SQL"}, "SQL1"},
    {{".TCL"}, "TCL1"},
    {{".VBS"}, "VBS1"},
    {{".SH"}, "shell1"},
};

int ItemOfComponent(std::string_view component) {
    const auto& items = HighlighterMenuItems();
    for (size_t i = 0; i < items.size(); ++i)
        if (component == items[i].component)
            return static_cast<int>(i);
    return 0;
}

TBedHighlighterAttributes* AttributeNamed(TBedCustomHighlighter& hl, std::string_view name) {
    for (int i = 0; i < hl.AttributeCount(); ++i)
        if (hl.AttributeAt(i)->Name() == name)
            return hl.AttributeAt(i);
    return nullptr;
}

// "Number blue, String red italic": what most language instances change.
void NumberBlueStringRedItalic(TBedCustomHighlighter& hl) {
    AttributeNamed(hl, "Number")->SetForeground(clBlue);
    AttributeNamed(hl, "String")->SetForeground(clRed);
    AttributeNamed(hl, "String")->SetStyle(fsItalic);
}

std::unique_ptr<TBedCustomHighlighter> CreatePascal() {
    auto hl = std::make_unique<TPasHighlighter>();
    hl->AsmAttri->SetForeground(clGray);
    NumberBlueStringRedItalic(*hl);
    return hl;
}

using TCreateInstance = std::unique_ptr<TBedCustomHighlighter> (*)();

// Instances whose class is not built yet have no creator.
const std::pair<const char*, TCreateInstance> kInstances[] = {
    {"hl_pas", &CreatePascal},
    {"hl_C", nullptr},
    {"hl_html", nullptr},
    {"hl_for", nullptr},
    {"hl_java", nullptr},
    {"hl_bas", nullptr},
    {"hl_js", nullptr},
    {"hl_php", nullptr},
    {"hl_VBS", nullptr},
    {"hl_awk", nullptr},
    {"hl_bat", nullptr},
    {"hl_pl", nullptr},
    {"hl_py", nullptr},
    {"hl_tcl", nullptr},
    {"hl_fox", nullptr},
    {"hl_sql", nullptr},
    {"hl_asm", nullptr},
    {"hl_dfm", nullptr},
    {"hl_ini", nullptr},
    {"hl_Mailbox", [] { return std::unique_ptr<TBedCustomHighlighter>(CreateMailboxHighlighter()); }},
    {"hl_shell", [] { return std::unique_ptr<TBedCustomHighlighter>(CreateShellHighlighter()); }},
    {"hl_cz", [] { return std::unique_ptr<TBedCustomHighlighter>(CreateCzechHighlighter()); }},
};

}  // namespace

const std::vector<THighlighterMenuItem>& HighlighterMenuItems() {
    static const std::vector<THighlighterMenuItem> items = {
        {"dn1", "žádné", nullptr, true},
        {"asm1", "Assembler x86", "hl_asm", true},
        {"AWK1", "AWK", "hl_awk", true},
        {"Basic1", "Basic", "hl_bas", true},
        {"BAT1", "BAT", "hl_bat", true},
        {"etina1", "čeština", "hl_cz", true},
        {"CC1", "C/C++", "hl_C", true},
        {"DFM1", "DFM", "hl_dfm", false},
        {"FoxPro1", "FoxPro", "hl_fox", true},
        {"Fortran1", "Fortran", "hl_for", true},
        {"HTML1", "HTML", "hl_html", true},
        {"INI1", "INI", "hl_ini", true},
        {"Java1", "Java", "hl_java", true},
        {"JavaScript1", "JavaScript", "hl_js", true},
        {"mailbox1", "mailbox", "hl_Mailbox", true},
        {"Pascal1", "Pascal", "hl_pas", true},
        {"Perl1", "Perl", "hl_pl", true},
        {"PHP1", "PHP", "hl_php", true},
        {"Python1", "Python", "hl_py", true},
        {"shell1", "shell", "hl_shell", true},
        {"SQL1", "SQL", "hl_sql", true},
        {"TCL1", "TCL", "hl_tcl", true},
        {"VBS1", "VBScript", "hl_VBS", true},
    };
    return items;
}

int ItemForFileName(const std::string& path) {
    // Step back from the last character to a "." (or to the first character).
    size_t pos = path.size();
    while (pos > 1 && path[pos - 1] != '.')
        --pos;
    if (pos <= 1 || path[pos - 1] != '.')
        return 0;
    std::string ext = path.substr(pos - 1);
    for (char& c : ext)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    for (const TExtensionRow& row : kExtensions)
        for (const char* e : row.extensions)
            if (e && ext == e)
                return ItemOfComponent(row.component);
    return 0;
}

TBedCustomHighlighter* TMainWindowHighlighters::Instance(std::string_view name) const {
    for (const auto& [n, hl] : instances_)
        if (n == name)
            return hl.get();
    return nullptr;
}

TBedCustomHighlighter* TMainWindowHighlighters::ForItem(int item) const {
    const auto& items = HighlighterMenuItems();
    if (item < 0 || item >= static_cast<int>(items.size()) || !items[item].instance)
        return nullptr;
    return Instance(items[static_cast<size_t>(item)].instance);
}

TMainWindowHighlighters CreateMainWindowHighlighters() {
    TMainWindowHighlighters result;
    for (const auto& [name, create] : kInstances)
        result.instances_.emplace_back(name, create ? create() : nullptr);
    return result;
}
