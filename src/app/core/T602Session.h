#pragma once
// The T602 state the main window keeps for the whole run, and its part in loading a file.
// Qt-free.
#include "T602.h"

#include <functional>
#include <string>
#include <string_view>

// Every load of a file holds a Load scope while it converts the file's lines (see
// DocumentLoader). Leaving the scope, also by an exception, ends the load: a mode that was "ask"
// before the load returns to "ask", so the next T602 document asks again.
class T602Session {
public:
    // Shows the prompt and returns the chosen mode, t602Ask when the prompt was closed.
    using AskUser = std::function<TBedT602Mode()>;

    TBedT602Mode Mode() const { return mode_; }
    void SetMode(TBedT602Mode mode);

    // Recognises a T602 document by its first line: asks when the mode is "ask", then closes
    // the formatting elements.
    void Detect(std::string_view firstLine, const AskUser& askUser);

    class Load {
    public:
        // The first line of the file decides, in the DOS code pages; ISO-8859-2 turns the
        // conversion off for good, CP 1250 leaves everything alone.
        Load(T602Session& session, int codePage, std::string_view firstLine, const AskUser& askUser);
        ~Load();
        Load(const Load&) = delete;
        Load& operator=(const Load&) = delete;

        // Whether this load converts the lines.
        bool Converting() const { return converting_; }
        // Appends the line to `out`, converted when this load converts.
        void ConvertLine(std::string_view line, std::string& out);

    private:
        T602Session& session_;
        bool restoreAsk_ = false;
        bool converting_ = false;
    };

private:
    TBedT602Mode mode_ = t602Ask;
    TBedT602Toggles toggles_;
};
