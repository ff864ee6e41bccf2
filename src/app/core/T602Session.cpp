#include "T602Session.h"

#include "BedEditStringList.h"
#include "CodePages.h"

void RemoveLeadingDotCommands(TBedEditStringList& lines) {
    int count = 0;
    while (count < lines.Count() && IsDotCommandLine(lines.Get(count))) ++count;
    if (count > 0) lines.DeleteLines(0, count);
}

void T602Session::SetMode(TBedT602Mode mode) {
    if (mode <= t602Ask) mode_ = mode;
}

void T602Session::Detect(std::string_view firstLine, const AskUser& askUser) {
    if (!IsT602FirstLine(firstLine)) return;
    if (mode_ == t602Ask && askUser) SetMode(askUser());
    toggles_.CloseAll();
}

void T602Session::BeforeLoad(int codePage, const std::string& fileName, const AskUser& askUser) {
    converting_ = false;
    restoreAsk_ = false;
    if (!IsCodePage(codePage) || codePage == cpCP1250) return;
    // Read before changing any state: an unreadable file ends the load with nothing changed.
    const std::string firstLine = codePage == cpISO88592 ? std::string() : ReadFirstLine(fileName);
    restoreAsk_ = mode_ == t602Ask;
    if (codePage == cpISO88592)
        mode_ = t602Leave;
    else
        Detect(firstLine, askUser);
    converting_ = mode_ == t602Text || mode_ == t602Html;
}

void T602Session::ConvertLine(std::string& line) {
    if (converting_) ConvertT602Line(line, mode_, toggles_);
}

void T602Session::AfterLines(TBedEditStringList& lines) {
    if (converting_) RemoveLeadingDotCommands(lines);
}

void T602Session::AfterLoad() {
    if (restoreAsk_) mode_ = t602Ask;
    restoreAsk_ = false;
    converting_ = false;
}

void ConvertLoadedLines(TBedEditStringList& lines, int codePage, T602Session::Load& t602) {
    for (int i = 0, count = lines.Count(); i < count; ++i) {
        std::string line(lines.GetView(i));
        t602.ConvertLine(line);
        Decode(codePage, line);
        lines.Put(i, std::move(line));
    }
    t602.AfterLines(lines);
}
