#pragma once
// An INI file read and written with the rules of the settings files: sections and keys match
// without regard to case, integers may be written "0x…" (hexadecimal), a value that is not a
// number yields the default, strings are cut to 1023 characters. Qt-free.
#include <memory>
#include <string>

class TIniFile {
public:
    // A missing or unreadable file reads as empty: every key yields its default.
    explicit TIniFile(std::string fileName);
    ~TIniFile();

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Writes the file (replacing it only once the new content is complete). Raises
    // EBedFileError when it can't be written.
    void UpdateFile() const;

private:
    struct Impl;
    std::string fileName_;
    std::unique_ptr<Impl> d;
};

// Values are written so that every byte comes back: a backslash doubled, control bytes and blanks
// at either end as "\xHH". Reading undoes it; any other backslash reads as itself.
std::string EscapeIniValue(const std::string& value);
std::string UnescapeIniValue(const std::string& text);

// The integer rule of the settings files: optional blanks and sign, decimal digits, or "0x"
// followed by hexadecimal digits when the value is longer than two characters. Returns false
// for anything else (including overflow).
bool ParseIniInteger(const std::string& text, int& value);
