#pragma once
// The user's choice of default applications, $XDG_CONFIG_HOME/mimeapps.list. Qt-free.
#include <string>

// The text of mimeapps.list with `desktopId` as the default application of `mimeType` in the
// group [Default Applications], as `xdg-mime default` sets it: an earlier choice for the type is
// replaced, every other line stays as it was, a missing group is added.
std::string SetDefaultApplication(const std::string& text, const std::string& mimeType, const std::string& desktopId);
