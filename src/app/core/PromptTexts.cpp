#include "PromptTexts.h"

#include "CodePages.h"

std::string ChangedOnDiskText(const std::string& fileName) {
    return "Soubor " + fileName +
           " mezitím změnil jiný program.\n\n"
           "Přepsat – uložit tento text, změny na disku se ztratí.\n"
           "Načíst znovu – otevřít soubor z disku, neuložené změny se zahodí.\n"
           "Zrušit – nic neukládat.";
}

std::string SaveDialogTitle(int codePage) { return "Uložit soubor" + CodePageTitleSuffix(codePage); }
