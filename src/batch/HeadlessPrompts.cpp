#include "HeadlessPrompts.h"

#include "PromptTexts.h"

namespace {

constexpr std::string_view kErrorCaption = "Chyba";

// The length of the well-formed UTF-8 sequence at `at`; 0 when there is none.
size_t Utf8Length(std::string_view s, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char first = byte(at);
    if (first < 0x80) return 1;
    const size_t length = first < 0xC2 ? 0 : first < 0xE0 ? 2 : first < 0xF0 ? 3 : first < 0xF5 ? 4 : 0;
    if (length == 0 || at + length > s.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    // Overlong forms, surrogates and code points beyond Unicode.
    const unsigned char second = byte(at + 1);
    if ((first == 0xE0 && second < 0xA0) || (first == 0xED && second >= 0xA0) || (first == 0xF0 && second < 0x90) ||
        (first == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

}  // namespace

void TBedHeadlessPrompts::Report(std::string_view caption, std::string_view text, std::string_view badByte) {
    std::string line = "bed: ";
    if (!caption.empty()) {
        line += caption;
        line += caption.back() == '?' ? " " : ": ";
    }
    // One line per message, so a script can grep or count them.
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8Length(text, at);
        if (length == 0) {
            line += badByte;
            ++at;
        } else if (text[at] == '\n' || text[at] == '\r') {
            line += ' ';
            ++at;
        } else {
            line.append(text, at, length);
            at += length;
        }
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), out_);
    std::fflush(out_);
}

void TBedHeadlessPrompts::Failure(std::string_view text) {
    errorShown_ = true;
    Report(kErrorCaption, text, "\uFFFD");
}

void TBedHeadlessPrompts::Cancelled(std::string_view caption, const std::string& text, std::string_view answer) {
    Report(caption, text + " (odpověď: " + std::string(answer) + ')');
}

void TBedHeadlessPrompts::Error(const std::string& text) {
    errorShown_ = true;
    Report(kErrorCaption, text);
}

void TBedHeadlessPrompts::Information(const std::string& text) { Report("Information", text); }

int TBedHeadlessPrompts::Choose(const std::string& caption, const std::string& text,
                                const std::vector<std::string>& buttons) {
    Error(caption + ": " + text + " (odpověď: " + buttons.back() + ')');
    return int(buttons.size()) - 1;
}

TBedT602Mode TBedHeadlessPrompts::AskT602() {
    std::string question;
    for (const char* line : kT602PromptQuestion) question += (question.empty() ? "" : " ") + std::string(line);
    Cancelled(kT602PromptCaption, question, "zavřeno, soubor se otevře tak, jak je na disku");
    return t602Ask;  // as when closed by its frame
}

TDiskChangeAnswer TBedHeadlessPrompts::ChangedOnDisk(const std::string& fileName) {
    Error(std::string(kChangedOnDiskCaption) + ": " + ChangedOnDiskText(fileName) + " (odpověď: Zrušit)");
    return TDiskChangeAnswer::Cancel;
}

void TBedHeadlessPrompts::SaveDialog(int codePage) {
    Cancelled(SaveDialogTitle(codePage), "bez obrazovky nelze zvolit jméno souboru");
}

void TBedHeadlessPrompts::UnsavedWork(const std::vector<TBedUnsavedWorkText>& entries) {
    for (const TBedUnsavedWorkText& entry : entries)
        Report(kUnsavedWorkCaption, UnsavedWorkLine(entry) + "; obnovit ho lze po spuštění s obrazovkou");
}
