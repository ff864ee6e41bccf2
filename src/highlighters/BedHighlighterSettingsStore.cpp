#include "BedHighlighterSettingsStore.h"

#include "BedTextLetters.h"

#include <sstream>

namespace {

const char* RootName(TBedRootKey root) { return root == TBedRootKey::CurrentUser ? "HKCU" : "HKLM"; }

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            char n = s[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace

void TBedMemorySettingsStore::SetRootKey(TBedRootKey root) {
    root_ = root;
    current_.clear();
}

// The full spelled path ("HKCU\A\b") that a path opened from the current key names.
std::string TBedMemorySettingsStore::Resolve(const std::string& path) const {
    std::string base;
    std::string rest = path;
    if (!rest.empty() && rest[0] == '\\') {
        base = RootName(root_);
        rest.erase(0, 1);
    } else {
        const Key* key = Current();
        base = key ? key->name : RootName(root_);
    }
    while (!rest.empty() && rest.back() == '\\') rest.pop_back();
    return rest.empty() ? base : base + "\\" + rest;
}

bool TBedMemorySettingsStore::OpenKeyReadOnly(const std::string& path) {
    const std::string full = BedAsciiUpperCase(Resolve(path));
    if (!keys_.count(full) && full != RootName(root_)) return false;
    current_ = full;
    return true;
}

bool TBedMemorySettingsStore::OpenKey(const std::string& path, bool canCreate) {
    const std::string spelled = Resolve(path);
    const std::string full = BedAsciiUpperCase(spelled);
    if (!keys_.count(full) && full != RootName(root_)) {
        if (!canCreate) return false;
        // Create the key and every missing key above it.
        size_t pos = spelled.find('\\');
        while (pos != std::string::npos) {
            pos = spelled.find('\\', pos + 1);
            const std::string part = spelled.substr(0, pos);
            keys_.try_emplace(BedAsciiUpperCase(part), Key{part, {}, {}});
        }
    }
    current_ = full;
    return true;
}

void TBedMemorySettingsStore::CloseKey() { current_.clear(); }

std::string TBedMemorySettingsStore::CurrentPath() const {
    const Key* key = Current();
    if (!key) return {};
    const size_t slash = key->name.find('\\');
    return slash == std::string::npos ? std::string() : key->name.substr(slash + 1);
}

const TBedMemorySettingsStore::Key* TBedMemorySettingsStore::Current() const {
    auto it = keys_.find(current_);
    return it == keys_.end() ? nullptr : &it->second;
}

TBedMemorySettingsStore::Key* TBedMemorySettingsStore::Current() {
    if (current_ == RootName(root_)) keys_.try_emplace(current_, Key{current_, {}, {}});
    auto it = keys_.find(current_);
    return it == keys_.end() ? nullptr : &it->second;
}

std::optional<int32_t> TBedMemorySettingsStore::ReadInteger(const std::string& name) const {
    const Key* key = Current();
    if (!key) return std::nullopt;
    auto it = key->values.find(BedAsciiUpperCase(name));
    if (it == key->values.end() || !it->second.isInteger) return std::nullopt;
    return it->second.integer;
}

std::optional<std::string> TBedMemorySettingsStore::ReadString(const std::string& name) const {
    const Key* key = Current();
    if (!key) return std::nullopt;
    auto it = key->values.find(BedAsciiUpperCase(name));
    if (it == key->values.end() || it->second.isInteger) return std::nullopt;
    return it->second.text;
}

bool TBedMemorySettingsStore::WriteInteger(const std::string& name, int32_t value) {
    Key* key = Current();
    if (!key) return false;
    key->values[BedAsciiUpperCase(name)] = Value{true, value, {}};
    key->valueNames[BedAsciiUpperCase(name)] = name;
    return true;
}

bool TBedMemorySettingsStore::WriteString(const std::string& name, const std::string& value) {
    Key* key = Current();
    if (!key) return false;
    key->values[BedAsciiUpperCase(name)] = Value{false, 0, value};
    key->valueNames[BedAsciiUpperCase(name)] = name;
    return true;
}

std::vector<std::string> TBedMemorySettingsStore::SubKeys() const {
    std::vector<std::string> names;
    const std::string prefix = current_ + "\\";
    for (const auto& [path, key] : keys_) {
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
            path.find('\\', prefix.size()) == std::string::npos)
            names.push_back(key.name.substr(prefix.size()));
    }
    return names;
}

std::string TBedMemorySettingsStore::ToIniText() const {
    std::ostringstream out;
    for (const auto& [path, key] : keys_) {
        out << '[' << key.name << "]\n";
        for (const auto& [upper, value] : key.values) {
            out << key.valueNames.at(upper) << '='
                << (value.isInteger ? "i:" + std::to_string(value.integer) : "s:" + Escape(value.text)) << '\n';
        }
    }
    return out.str();
}

void TBedMemorySettingsStore::FromIniText(const std::string& text) {
    keys_.clear();
    current_.clear();
    std::istringstream in(text);
    std::string line;
    Key* key = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string name = line.substr(1, line.size() - 2);
            key = &keys_.try_emplace(BedAsciiUpperCase(name), Key{name, {}, {}}).first->second;
            continue;
        }
        const size_t eq = line.find('=');
        if (!key || eq == std::string::npos || line.size() < eq + 3 || line[eq + 2] != ':') continue;
        const std::string name = line.substr(0, eq);
        const std::string data = line.substr(eq + 3);
        Value value;
        if (line[eq + 1] == 'i') {
            try {
                value = Value{true, static_cast<int32_t>(std::stol(data)), {}};
            } catch (const std::exception&) {
                continue;
            }
        } else {
            value = Value{false, 0, Unescape(data)};
        }
        key->values[BedAsciiUpperCase(name)] = value;
        key->valueNames[BedAsciiUpperCase(name)] = name;
    }
}

namespace {
TBedSettingsStore* defaultStore = nullptr;
}

TBedSettingsStore& BedDefaultSettingsStore() {
    static TBedMemorySettingsStore empty;
    return defaultStore ? *defaultStore : empty;
}

void SetBedDefaultSettingsStore(TBedSettingsStore* store) { defaultStore = store; }
