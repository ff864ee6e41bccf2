#include "FilePathText.h"

#include <QFile>
#include <QStringList>

#include <dirent.h>

namespace {

// The length of the valid UTF-8 sequence at `at` and its code point; 0 when there is none.
int Utf8Sequence(const std::string& s, size_t at, char32_t& codePoint) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char first = byte(at);
    const int length = first < 0x80 ? 1 : first < 0xC2 ? 0 : first < 0xE0 ? 2 : first < 0xF0 ? 3 : first < 0xF5 ? 4 : 0;
    if (length == 0 || at + size_t(length) > s.size()) return 0;
    codePoint = length == 1 ? first : first & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kLeast[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint < 0xE000)) return 0;
    return length;
}

void PutUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

QString PathText(const std::string& bytes) {
    QString text;
    text.reserve(int(bytes.size()));
    for (size_t at = 0; at < bytes.size();) {
        char32_t c = 0;
        const int length = Utf8Sequence(bytes, at, c);
        if (length == 0) {
            text += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        text += QString::fromUcs4(&c, 1);
        at += size_t(length);
    }
    return text;
}

std::string PathBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            PutUtf8(QChar::surrogateToUcs4(unit, text[i + 1].unicode()), bytes);
            ++i;
        } else if (unit >= 0xDC80 && unit <= 0xDCFF) {
            bytes += char(unit - 0xDC00);
        } else {
            PutUtf8(unit, bytes);
        }
    }
    return bytes;
}

QString DiskPathFromDialog(const QString& chosen) {
    if (!chosen.contains(QChar(0xFFFD))) return chosen;
    const QStringList parts = chosen.split('/');
    std::string path;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) path += '/';
        std::string part = PathBytes(parts[i]);
        if (parts[i].contains(QChar(0xFFFD))) {
            // The entry that Qt shows under the chosen name.
            if (DIR* dir = ::opendir(path.empty() ? "." : path.c_str())) {
                while (const dirent* entry = ::readdir(dir))
                    if (QFile::decodeName(entry->d_name) == parts[i]) {
                        part = entry->d_name;
                        break;
                    }
                ::closedir(dir);
            }
        }
        path += part;
    }
    return PathText(path);
}
