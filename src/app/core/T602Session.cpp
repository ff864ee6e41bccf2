#include "T602Session.h"

#include "CodePages.h"

void T602Session::SetMode(TBedT602Mode mode) {
    if (mode <= t602Ask) mode_ = mode;
}

void T602Session::Detect(std::string_view firstLine, const AskUser& askUser) {
    if (!IsT602FirstLine(firstLine)) return;
    if (mode_ == t602Ask && askUser) SetMode(askUser());
    toggles_.CloseAll();
}

T602Session::Load::Load(T602Session& session, int codePage, std::string_view firstLine, const AskUser& askUser)
    : session_(session) {
    if (!IsCodePage(codePage) || codePage == cpCP1250) return;
    restoreAsk_ = session_.mode_ == t602Ask;
    if (codePage == cpISO88592)
        session_.mode_ = t602Leave;
    else
        session_.Detect(firstLine, askUser);
    converting_ = session_.mode_ == t602Text || session_.mode_ == t602Html;
}

T602Session::Load::~Load() {
    if (restoreAsk_) session_.mode_ = t602Ask;
}

void T602Session::Load::ConvertLine(std::string_view line, std::string& out) {
    ConvertT602Line(line, converting_ ? session_.mode_ : t602Leave, session_.toggles_, out);
}
