#include "IniFile.h"

#include "FileWriter.h"

// Keys and values are byte strings: no character conversion.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <climits>
#include <cstdlib>
#include <filesystem>

struct TIniFile::Impl {
    // Sections and keys match without regard to case.
    CSimpleIniA ini{false, false, false};
};

namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string EscapeIniValue(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        // A line break would start a key of its own; blanks at the ends would be trimmed away.
        const bool edgeBlank = Blank(value[i]) && (i == 0 || i + 1 == value.size());
        if (byte < 0x20 || byte == 0x7F || edgeBlank) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else if (byte == '\\') {
            out += "\\\\";
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string UnescapeIniValue(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' && HexDigit(text[i + 2]) >= 0 &&
                   HexDigit(text[i + 3]) >= 0) {
            out += char(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            out += text[i];  // any other backslash is the text's own, as in older files
        }
    }
    return out;
}

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)), d(std::make_unique<Impl>()) {
    d->ini.SetSpaces(false);
    d->ini.LoadFile(fileName_.c_str());  // a missing file simply leaves the INI empty
}

TIniFile::~TIniFile() = default;

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
    const char* v = d->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    std::string value = v ? UnescapeIniValue(v) : def;
    if (value.size() > 1023) value.resize(1023);
    return value;
}

bool ParseIniInteger(const std::string& text, int& value) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return false;
    std::string s = text.substr(i);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s = s.substr(2);
        base = 16;
        if (s.empty() || !std::isxdigit(static_cast<unsigned char>(s[0]))) return false;
    } else if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s[0])) || s[0] == '-' || s[0] == '+')) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    long long n = std::strtoll(s.c_str(), &end, base);
    if (errno != 0 || end == s.c_str() || *end != '\0') return false;
    // A hexadecimal value may fill all 32 bits, as colours do.
    if (base == 16 && n >= 0 && n <= 0xFFFFFFFFLL) n = static_cast<int32_t>(static_cast<uint32_t>(n));
    if (n < INT_MIN || n > INT_MAX) return false;
    value = static_cast<int>(n);
    return true;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    int value = def;
    return ParseIniInteger(ReadString(section, key, ""), value) ? value : def;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    d->ini.SetValue(section.c_str(), key.c_str(), EscapeIniValue(value).c_str());
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::UpdateFile() const {
    std::string text;
    d->ini.Save(text);
    // The user's configuration folder may not exist yet; a failure shows in the writer's error.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(fileName_).parent_path(), ignored);
    TBedEditFileWriter writer(fileName_);
    writer.Write(text);
    writer.Commit();
}
