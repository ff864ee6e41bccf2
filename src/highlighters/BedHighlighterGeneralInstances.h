#pragma once
// The main window's three configurations of the general highlighter: mail messages, shell
// scripts and Czech prose.
#include "BedHighlighterLanguage.h"

extern const TBedMainWindowInstance kBedMailboxInstance;  // hl_Mailbox
extern const TBedMainWindowInstance kBedShellInstance;    // hl_shell
extern const TBedMainWindowInstance kBedCzechInstance;    // hl_cz
