#include "BedHighlighterGeneral.h"
#include "BedHighlighterPas.h"
#include "HighlighterTestUtil.h"

#include <gtest/gtest.h>

TEST(Golden, Pascal) {
    TPasHighlighter hl;
    CheckGolden(hl, "sample.pas");
}

TEST(Golden, Mailbox) { CheckGolden(*CreateMailboxHighlighter(), "mailbox.txt"); }
TEST(Golden, Shell) { CheckGolden(*CreateShellHighlighter(), "shell.sh"); }
TEST(Golden, Czech) { CheckGolden(*CreateCzechHighlighter(), "cz.txt"); }

TEST(Golden, GeneralWithEveryCommentStyle) {
    TGeneralHighlighter hl;
    hl.SetComments(csAnsiStyle | csPasStyle | csCStyle | csAsmStyle);
    hl.SetDetectPreprocessor(true);
    hl.SetKeyWords({"begin", "end", "if", "then", "procedure", "asm", "mov"});
    CheckGolden(hl, "sample.pas", "sample.pas.general");  // a Pascal text exercises all three block comments
}
