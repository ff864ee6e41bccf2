// The lists below name every language already, built or not, so building a language's
// scanner touches only that language's own files (BedHighlighterPas.* is the model):
//   1. BedHighlighterFoo.h/.cpp: the class TFooHighlighter, derived from
//      TBedScannerHighlighter<TFooHighlighter> and constructed from kBedFooLanguage;
//   2. kBedFooLanguage gets `.create = &BedCreate<TFooHighlighter>` in place of nullptr,
//      which also enables its menu item; its mainWindow row gets a configure function if the
//      main window sets more than colours on its instance (a keyword list, a dialect);
//   3. tests/highlighters/test_Foo.cpp, and samples with their .tokens files in
//      tests/data/highlighters/<the instance's name without "hl_", in lower case>/.
#include "BedHighlighterList.h"

#include "BedHighlighterAWK.h"
#include "BedHighlighterAsm.h"
#include "BedHighlighterBat.h"
#include "BedHighlighterCpp.h"
#include "BedHighlighterDfm.h"
#include "BedHighlighterFortran.h"
#include "BedHighlighterFoxpro.h"
#include "BedHighlighterGeneral.h"
#include "BedHighlighterGeneralInstances.h"
#include "BedHighlighterHTML.h"
#include "BedHighlighterIni.h"
#include "BedHighlighterJScript.h"
#include "BedHighlighterJava.h"
#include "BedHighlighterPHP.h"
#include "BedHighlighterPas.h"
#include "BedHighlighterPerl.h"
#include "BedHighlighterPython.h"
#include "BedHighlighterSQL.h"
#include "BedHighlighterTclTk.h"
#include "BedHighlighterVB.h"
#include "BedHighlighterVBScript.h"

namespace {

constexpr TBedMainWindowHighlighter Own(const TBedLanguage& language) {
    return {&language, &language.mainWindow};
}

constexpr TBedMainWindowHighlighter General(const TBedMainWindowInstance& instance) {
    return {&kBedGeneralLanguage, &instance};
}

constinit const TBedLanguage* const kClasses[] = {
    &kBedPasLanguage,     &kBedCppLanguage,      &kBedHTMLLanguage,   &kBedFortranLanguage,
    &kBedIniLanguage,     &kBedDfmLanguage,      &kBedAsmLanguage,    &kBedSQLLanguage,
    &kBedFoxproLanguage,  &kBedTclTkLanguage,    &kBedPythonLanguage, &kBedPerlLanguage,
    &kBedBatLanguage,     &kBedAWKLanguage,      &kBedVBScriptLanguage, &kBedPHPLanguage,
    &kBedJScriptLanguage, &kBedVBLanguage,       &kBedJavaLanguage,   &kBedGeneralLanguage};

constinit const TBedMainWindowHighlighter kMenu[] = {
    Own(kBedAsmLanguage),      Own(kBedAWKLanguage),     Own(kBedVBLanguage),
    Own(kBedBatLanguage),      General(kBedCzechInstance), Own(kBedCppLanguage),
    Own(kBedDfmLanguage),      Own(kBedFoxproLanguage),  Own(kBedFortranLanguage),
    Own(kBedHTMLLanguage),     Own(kBedIniLanguage),     Own(kBedJavaLanguage),
    Own(kBedJScriptLanguage),  General(kBedMailboxInstance), Own(kBedPasLanguage),
    Own(kBedPerlLanguage),     Own(kBedPHPLanguage),     Own(kBedPythonLanguage),
    General(kBedShellInstance), Own(kBedSQLLanguage),    Own(kBedTclTkLanguage),
    Own(kBedVBScriptLanguage)};

}  // namespace

std::span<const TBedLanguage* const> BedHighlighterClasses() { return kClasses; }

std::span<const TBedMainWindowHighlighter> BedMainWindowHighlighters() { return kMenu; }
