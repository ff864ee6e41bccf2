#include "HelpTexts.h"

const std::array<THelpText, 4> kHelpTexts = {{
    {"HELP.TXT", 490, "nápověda BEDu", "Nápověda k Brousek Editoru"},
    {"OPROG.TXT", 470, "o programování BEDu", "O programování Brousek Editoru"},
    {"BED_FAQ.TXT", 525, "FAQ BEDu", "Často pokládané otázky o Brousek editoru"},
    {"BED_VER.TXT", 490, "Historie verzí BEDu", "Historie verzí Brousek Editoru"},
}};

const THelpText* FindHelpText(std::string_view file) {
    for (const THelpText& help : kHelpTexts)
        if (file == help.file) return &help;
    return nullptr;
}

std::vector<std::string> HelpWindowArguments(const std::string& helpFile, const THelpText& help) {
    return {helpFile, "^=1", "S=" + std::to_string(help.width), "V=" + std::to_string(kHelpWindowHeight), "C=R"};
}
