#include "BedHighlighterList.h"

namespace {

constexpr TBedMainWindowHighlighter Own(const TBedLanguage& language) { return {&language, &language.mainWindow}; }

constexpr TBedMainWindowHighlighter General(const TBedMainWindowInstance& instance) {
    return {&kBedGeneralLanguage, &instance};
}

constinit const TBedLanguage* const kClasses[] = {
    &kBedPasLanguage,    &kBedCppLanguage,     &kBedHTMLLanguage, &kBedFortranLanguage, &kBedIniLanguage,
    &kBedDfmLanguage,    &kBedAsmLanguage,     &kBedSQLLanguage,  &kBedFoxproLanguage,  &kBedTclTkLanguage,
    &kBedPythonLanguage, &kBedPerlLanguage,    &kBedBatLanguage,  &kBedAWKLanguage,     &kBedVBScriptLanguage,
    &kBedPHPLanguage,    &kBedJScriptLanguage, &kBedVBLanguage,   &kBedJavaLanguage,    &kBedGeneralLanguage};

constinit const TBedMainWindowHighlighter kMenu[] = {
    Own(kBedAsmLanguage),       Own(kBedAWKLanguage),         Own(kBedVBLanguage),        Own(kBedBatLanguage),
    General(kBedCzechInstance), Own(kBedCppLanguage),         Own(kBedDfmLanguage),       Own(kBedFoxproLanguage),
    Own(kBedFortranLanguage),   Own(kBedHTMLLanguage),        Own(kBedIniLanguage),       Own(kBedJavaLanguage),
    Own(kBedJScriptLanguage),   General(kBedMailboxInstance), Own(kBedPasLanguage),       Own(kBedPerlLanguage),
    Own(kBedPHPLanguage),       Own(kBedPythonLanguage),      General(kBedShellInstance), Own(kBedSQLLanguage),
    Own(kBedTclTkLanguage),     Own(kBedVBScriptLanguage)};

}  // namespace

std::span<const TBedLanguage* const> BedHighlighterClasses() { return kClasses; }

std::span<const TBedMainWindowHighlighter> BedMainWindowHighlighters() { return kMenu; }
