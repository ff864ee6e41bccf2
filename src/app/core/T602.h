#pragma once
// T602 documents: recognising them by their first line and converting their lines, while a
// file is loaded, into plain text or simple HTML. Qt-free.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// How T602 documents are opened; the numbers come from the command line (option 6).
enum TBedT602Mode : uint8_t {
    t602Leave = 0,  // open unchanged
    t602Text = 1,   // convert to plain text
    t602Html = 2,   // convert to HTML
    t602Ask = 3,    // ask the user when a T602 document is opened
};

// "@" followed by two capital letters A-Z.
bool IsDotCommandLine(std::string_view line);
// A T602 document's first line starts with "@CT ".
bool IsT602FirstLine(std::string_view line);

// Which formatting elements are open: one flag per control byte. They carry over from line to
// line and from file to file and are closed when a T602 document is recognised.
class TBedT602Toggles {
public:
    void CloseAll() { open_.fill(false); }

private:
    friend void ConvertT602Line(std::string_view, TBedT602Mode, TBedT602Toggles&, std::string&);
    std::array<bool, 8> open_{};
};

// Appends the line to `out`, converted for mode t602Text or t602Html; other modes leave it
// alone, and so does a dot-command line.
void ConvertT602Line(std::string_view line, TBedT602Mode mode, TBedT602Toggles& toggles, std::string& out);
