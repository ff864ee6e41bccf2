#include "UnsavedWorkText.h"

#include "UnsavedJournals.h"

#include <cstdio>
#include <ctime>

namespace {

// Czech groups thousands with a no-break space.
std::string Grouped(std::string digits) {
    for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, "\u00A0");
    return digits;
}

}  // namespace

TBedUnsavedWorkText UnsavedWorkText(const TBedOrphanJournal& journal) {
    const TBedJournalContents& c = journal.contents;
    return {c.base.fromFile ? c.base.path : "dokument bez jména", CzechShortDateTime(journal.modifiedNs / 1000000),
            CzechDataSize(c.editBytes), journal.path};
}

std::string UnsavedWorkLine(const TBedUnsavedWorkText& t) {
    return t.document + " (naposledy změněn " + t.lastChange + ", změny " + t.changes + ") čeká v " + t.journal;
}

std::string CzechShortDateTime(int64_t msSinceEpoch) {
    // Before 1970 the division rounds towards the later second; the minute shown is the same.
    const std::time_t seconds = std::time_t(msSinceEpoch / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d %d:%02d", local.tm_mday, local.tm_mon + 1, local.tm_year % 100,
                  local.tm_hour, local.tm_min);
    return text;
}

std::string CzechDataSize(uint64_t bytes) {
    static constexpr const char* kUnits[] = {"kB", "MB", "GB", "TB", "PB", "EB"};
    int power = 0;
    for (uint64_t rest = bytes; rest >= 1024; rest /= 1024) ++power;
    if (power == 0) return Grouped(std::to_string(bytes)) + " bajty";
    double amount = double(bytes);
    for (int i = 0; i < power; ++i) amount /= 1024;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", amount);
    std::string number = text;
    const size_t point = number.find('.');
    return Grouped(number.substr(0, point)) + ',' + number.substr(point + 1) + ' ' + kUnits[power - 1];
}
