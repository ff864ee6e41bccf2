#pragma once
// The window is a library of its own, which the executable opens only for a run with a display:
// a run without one never loads Qt's GUI. This is the one function the executable calls in it,
// with what the start found before the choice, so that it is done once. Qt-free.
#include <string>
#include <vector>

struct TBedStart {
    std::string stateHome;               // $XDG_STATE_HOME or its default; empty when unknown
    std::vector<std::string> recovered;  // what the start did about saves a crash interrupted
};

inline constexpr const char* kBedWindowEntry = "BedWindowMain";
// Shows the window for the command line and returns the exit status once it is closed.
using TBedWindowMain = int(int argc, char** argv, const TBedStart& start);
