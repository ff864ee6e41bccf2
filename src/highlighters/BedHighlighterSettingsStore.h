#pragma once
// A tree of keys holding named integer and string values, in the manner of a system registry.
// Highlighters keep their attributes there; the in-memory store below can be read from and
// written to an INI-style text file.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

enum class TBedRootKey : uint8_t { CurrentUser, LocalMachine };

class TBedSettingsStore {
public:
    virtual ~TBedSettingsStore() = default;

    virtual void SetRootKey(TBedRootKey root) = 0;
    // A path that begins with "\" is taken from the root (without the "\"); any other path is
    // relative to the currently open key. True when the key exists (read-only open) or exists
    // afterwards (canCreate).
    virtual bool OpenKeyReadOnly(const std::string& path) = 0;
    virtual bool OpenKey(const std::string& path, bool canCreate) = 0;
    virtual void CloseKey() = 0;
    // The open key's path from the root, without a leading "\".
    virtual std::string CurrentPath() const = 0;

    virtual std::optional<int32_t> ReadInteger(const std::string& name) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& name) const = 0;
    virtual bool WriteInteger(const std::string& name, int32_t value) = 0;
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
    // Names of the open key's direct subkeys.
    virtual std::vector<std::string> SubKeys() const = 0;
};

// The store's keys compare without regard to ASCII case, like the registry's.
class TBedMemorySettingsStore : public TBedSettingsStore {
public:
    void SetRootKey(TBedRootKey root) override;
    bool OpenKeyReadOnly(const std::string& path) override;
    bool OpenKey(const std::string& path, bool canCreate) override;
    void CloseKey() override;
    std::string CurrentPath() const override;
    std::optional<int32_t> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& name) const override;
    bool WriteInteger(const std::string& name, int32_t value) override;
    bool WriteString(const std::string& name, const std::string& value) override;
    std::vector<std::string> SubKeys() const override;

    // INI-style text: one section "[HKCU\path]" per key, values "name=i:123" or "name=s:text"
    // (line breaks inside a string are written as \n, a backslash as \\).
    std::string ToIniText() const;
    void FromIniText(const std::string& text);

private:
    struct Value {
        bool isInteger = false;
        int32_t integer = 0;
        std::string text;
    };
    struct Key {
        std::string name;                               // spelling as created
        std::map<std::string, Value> values;            // by upper-cased name
        std::map<std::string, std::string> valueNames;  // upper-cased -> spelling
    };
    std::string Resolve(const std::string& path) const;
    const Key* Current() const;
    Key* Current();

    TBedRootKey root_ = TBedRootKey::CurrentUser;
    std::string current_;              // full upper-cased path "HKCU\A\B"; empty when no key is open
    std::map<std::string, Key> keys_;  // by upper-cased full path
};

// The store used by operations that are not handed one (the IDE colour import). Starts as an
// empty in-memory store.
TBedSettingsStore& BedDefaultSettingsStore();
void SetBedDefaultSettingsStore(TBedSettingsStore* store);
