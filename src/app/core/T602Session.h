#pragma once
// The T602 state the main window keeps for the whole run, and its part in loading a file.
// Qt-free.
#include "T602.h"

#include <functional>
#include <string>
#include <string_view>

class TBedEditStringList;

// Deletes the dot-command lines at the top of the document.
void RemoveLeadingDotCommands(TBedEditStringList& lines);

// Every load of a file in a code page other than CP 1250 runs:
//
//     T602Session::Load t602(session, codePage, fileName, askUser);  // may raise EBedFileError
//     lines.LoadFromFile(fileName);
//     ConvertLoadedLines(lines, codePage, t602);
//
// Leaving the scope, also by an exception, ends the load: a mode that was "ask" before the load
// returns to "ask", so the next T602 document asks again.
class T602Session {
public:
    // Shows the prompt and returns the chosen mode, t602Ask when the prompt was closed.
    using AskUser = std::function<TBedT602Mode()>;

    TBedT602Mode Mode() const { return mode_; }
    void SetMode(TBedT602Mode mode);

    // Recognises a T602 document by its first line: asks when the mode is "ask", then closes
    // the formatting elements.
    void Detect(std::string_view firstLine, const AskUser& askUser);

    // The steps of one load; prefer the Load scope, which pairs BeforeLoad with AfterLoad.
    void BeforeLoad(int codePage, const std::string& fileName, const AskUser& askUser);
    bool Converting() const { return converting_; }
    void ConvertLine(std::string& line);
    void AfterLines(TBedEditStringList& lines);
    void AfterLoad();

    class Load {
    public:
        Load(T602Session& session, int codePage, const std::string& fileName, const AskUser& askUser)
            : session_(session) {
            session_.BeforeLoad(codePage, fileName, askUser);
        }
        ~Load() { session_.AfterLoad(); }
        Load(const Load&) = delete;
        Load& operator=(const Load&) = delete;
        void ConvertLine(std::string& line) { session_.ConvertLine(line); }
        void AfterLines(TBedEditStringList& lines) { session_.AfterLines(lines); }

    private:
        T602Session& session_;
    };

private:
    TBedT602Mode mode_ = t602Ask;
    TBedT602Toggles toggles_;
    bool restoreAsk_ = false;
    bool converting_ = false;
};

// Turns the lines just read from a file in the given code page into the editor's text: each line
// through the T602 conversion (when this load converts) and then decoded to CP 1250; finally the
// leading dot commands of a converted document go.
void ConvertLoadedLines(TBedEditStringList& lines, int codePage, T602Session::Load& t602);
