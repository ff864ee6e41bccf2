#include "BedHighlighter.h"

#include "BedTextLetters.h"
#include "BedTextLines.h"

#include <algorithm>
#include <array>
#include <typeinfo>

namespace {

// The sixteen basic colours that IDE colour schemes index.
constexpr std::array<TColor, 16> kIdeColours = {clBlack, clMaroon,  clGreen, clOlive, clNavy, clPurple,
                                                clTeal,  clSilver,  clGray,  clRed,   clLime, clYellow,
                                                clBlue,  clFuchsia, clAqua,  clWhite};

TColor IdeColour(long index) {
    if (index < 0 || index >= static_cast<long>(kIdeColours.size())) throw std::out_of_range("colour index");
    return kIdeColours[static_cast<size_t>(index)];
}

bool IdeTrue(const std::string& value) { return BedAsciiUpperCase(value) != "FALSE" && value != "0"; }

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> KeywordLines(const std::string& text) {
    std::vector<std::string> lines;
    SplitLines(text.data(), text.data() + text.size(),
               [&](const char* begin, const char* end) { lines.emplace_back(begin, end); });
    return lines;
}

}  // namespace

TBedCharSet BedNonBlankCharacters() {
    TBedCharSet set;
    for (int c = 33; c <= 255; ++c) set.set(c);
    return set;
}

TBedCharSet BedCharSetOf(const std::string& description) {
    TBedCharSet set;
    for (size_t i = 0; i < description.size(); ++i) {
        const auto first = static_cast<unsigned char>(description[i]);
        if (i + 2 < description.size() && description[i + 1] == '-') {
            const auto last = static_cast<unsigned char>(description[i + 2]);
            for (int c = first; c <= last; ++c) set.set(c);
            i += 2;
        } else {
            set.set(first);
        }
    }
    return set;
}

void TBedPersistent::Assign(const TBedPersistent* source) {
    throw EBedConvertError(std::string("Cannot assign a ") + (source ? source->ClassName() : "nil") + " to a " +
                           ClassName());
}

// ---------------------------------------------------------------- attributes

TBedHighlighterAttributes::TBedHighlighterAttributes(std::string name) : name_(std::move(name)) {}

void TBedHighlighterAttributes::SetBackground(TColor value) {
    if (background_ != value) {
        background_ = value;
        AttributeChanged();
    }
}

void TBedHighlighterAttributes::SetForeground(TColor value) {
    if (foreground_ != value) {
        foreground_ = value;
        AttributeChanged();
    }
}

void TBedHighlighterAttributes::SetStyle(TFontStyles value) {
    if (style_ != value) {
        style_ = value;
        AttributeChanged();
    }
}

void TBedHighlighterAttributes::RecordDefaults() {
    backgroundDefault_ = background_;
    foregroundDefault_ = foreground_;
    styleDefault_ = style_;
}

void TBedHighlighterAttributes::Assign(const TBedPersistent* source) {
    const auto* src = dynamic_cast<const TBedHighlighterAttributes*>(source);
    if (!src) {
        TBedPersistent::Assign(source);
        return;
    }
    name_ = src->name_;
    const bool changed = background_ != src->background_ || foreground_ != src->foreground_ || style_ != src->style_;
    background_ = src->background_;
    foreground_ = src->foreground_;
    style_ = src->style_;
    if (changed) AttributeChanged();
}

void TBedHighlighterAttributes::AttributeChanged() {
    if (OnAttributeChange) OnAttributeChange(this);
}

bool TBedHighlighterAttributes::LoadFromIdeRegistry(TBedSettingsStore& store, TBedRootKey root, const std::string& key,
                                                    bool oldFormat, const std::string& valueName) {
    TColor foreground = 0;
    TColor background = 0;
    TFontStyles style = 0;
    try {
        store.SetRootKey(root);
        if (oldFormat) {
            if (!store.OpenKeyReadOnly(key)) return false;
            const auto value = store.ReadString(valueName);
            if (!value) return false;
            // Seven comma-separated fields; a missing comma takes the rest of the string.
            std::array<std::string, 7> fields;
            std::string rest = *value;
            for (std::string& field : fields) {
                const size_t comma = rest.find(',');
                field = rest.substr(0, comma);
                rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
            }
            for (char c : fields[2]) {
                if (c == 'B')
                    style |= fsBold;
                else if (c == 'I')
                    style |= fsItalic;
                else if (c == 'U')
                    style |= fsUnderline;
            }
            foreground = fields[3] == "1" ? clWindowText : IdeColour(std::stol(fields[5]));
            background = fields[4] == "1" ? clWindow : IdeColour(std::stol(fields[6]));
        } else {
            if (!store.OpenKeyReadOnly(key + "\\" + valueName)) return false;
            const auto fg = store.ReadInteger("Foreground Color");
            const auto bg = store.ReadInteger("Background Color");
            const auto bold = store.ReadString("Bold");
            const auto italic = store.ReadString("Italic");
            const auto underline = store.ReadString("Underline");
            const auto defaultFg = store.ReadString("Default Foreground");
            const auto defaultBg = store.ReadString("Default Background");
            if (!fg || !bg || !bold || !italic || !underline || !defaultFg || !defaultBg) return false;
            background = IdeTrue(*defaultBg) ? clWindow : IdeColour(*bg);
            foreground = IdeTrue(*defaultFg) ? clWindowText : IdeColour(*fg);
            style = (IdeTrue(*bold) ? fsBold : 0) | (IdeTrue(*italic) ? fsItalic : 0) |
                    (IdeTrue(*underline) ? fsUnderline : 0);
        }
    } catch (const std::exception&) {
        return false;
    }
    SetBackground(background);
    SetForeground(foreground);
    SetStyle(style);
    return true;
}

// ---------------------------------------------------------------- highlighter

TBedCustomHighlighter::TBedCustomHighlighter(void*) : changeChain_(this) {}

TBedCustomHighlighter::~TBedCustomHighlighter() {
    const auto notifications = std::move(freeNotifications_);
    for (const auto& [client, notify] : notifications) notify();
    while (!attributes_.empty()) attributes_.pop_back();
}

int TBedCustomHighlighter::AttributeCount() const { return static_cast<int>(attributes_.size()); }

TBedHighlighterAttributes* TBedCustomHighlighter::AttributeAt(int index) const {
    if (index < 0 || index >= AttributeCount()) return nullptr;
    return attributes_[static_cast<size_t>(index)].get();
}

TBedCharSet TBedCustomHighlighter::WordCharacters() const { return BedNonBlankCharacters(); }

void TBedCustomHighlighter::RegisterAttribute(TBedHighlighterAttributes* attr) {
    std::unique_ptr<TBedHighlighterAttributes> owned(attr);
    const std::string key = BedAsciiUpperCase(attr->Name());
    auto pos = std::lower_bound(attributes_.begin(), attributes_.end(), key,
                                [](const auto& a, const std::string& k) { return BedAsciiUpperCase(a->Name()) < k; });
    if (pos != attributes_.end() && BedAsciiUpperCase((*pos)->Name()) == key)
        throw EBedStringListError("String list does not allow duplicates");
    attributes_.insert(pos, std::move(owned));
}

void TBedCustomHighlighter::NotifyChanged(void*) { changeChain_.Fire(); }

void TBedCustomHighlighter::AddChangeHandler(TBedNotifyEvent handler) { changeChain_.Add(handler); }

void TBedCustomHighlighter::RemoveChangeHandler(TBedNotifyEvent handler) { changeChain_.Remove(handler); }

void TBedCustomHighlighter::HookAttributeChanges() {
    for (int i = AttributeCount() - 1; i >= 0; --i) {
        TBedHighlighterAttributes* attr = AttributeAt(i);
        attr->OnAttributeChange = [this](TBedHighlighterAttributes* a) { AttributeChangedHandler(a); };
        attr->RecordDefaults();
    }
}

void TBedCustomHighlighter::ScanToLineEnd() {
    while (!AtLineEnd()) NextToken();
}

void TBedCustomHighlighter::Assign(const TBedPersistent* source) {
    const auto* src = dynamic_cast<const TBedCustomHighlighter*>(source);
    if (!src) {
        TBedPersistent::Assign(source);
        return;
    }
    for (int i = 0; i < AttributeCount(); ++i) {
        TBedHighlighterAttributes* own = AttributeAt(i);
        for (int j = 0; j < src->AttributeCount(); ++j) {
            const TBedHighlighterAttributes* other = src->AttributeAt(j);
            if (other->Name() == own->Name()) own->Assign(other);
        }
    }
    // No class of ours derives from a concrete highlighter, so "this class or one derived
    // from it" is the same dynamic type.
    if (typeid(*src) == typeid(*this)) ImportExtraSettings(src->ExportExtraSettings());
}

void TBedCustomHighlighter::AddFreeNotification(const void* client, std::function<void()> notify) {
    RemoveFreeNotification(client);
    freeNotifications_.emplace_back(client, std::move(notify));
}

void TBedCustomHighlighter::RemoveFreeNotification(const void* client) {
    std::erase_if(freeNotifications_, [client](const auto& n) { return n.first == client; });
}

bool TBedCustomHighlighter::LoadAttributesFromRegistry(TBedSettingsStore& store, TBedRootKey root,
                                                       const std::string& key) {
    store.SetRootKey(root);
    return store.OpenKeyReadOnly(key) && LoadAttributesFromOpenKey(store);
}

bool TBedCustomHighlighter::SaveAttributesToRegistry(TBedSettingsStore& store, TBedRootKey root,
                                                     const std::string& key) {
    store.SetRootKey(root);
    return store.OpenKey(key, true) && SaveAttributesToOpenKey(store);
}

bool TBedCustomHighlighter::LoadAttributesFromOpenKey(TBedSettingsStore& store) {
    const std::string parent = std::string(1, '\\').append(store.CurrentPath());
    for (int i = 0; i < AttributeCount(); ++i) {
        TBedHighlighterAttributes* attr = AttributeAt(i);
        if (!store.OpenKeyReadOnly(attr->Name())) return false;
        if (auto v = store.ReadInteger("Background")) attr->SetBackground(*v);
        if (auto v = store.ReadInteger("Foreground")) attr->SetForeground(*v);
        if (auto v = store.ReadInteger("Style")) attr->SetStyle(static_cast<TFontStyles>(*v & 0x0F));
        store.OpenKeyReadOnly(parent);
    }
    return true;
}

bool TBedCustomHighlighter::SaveAttributesToOpenKey(TBedSettingsStore& store) {
    const std::string parent = std::string(1, '\\').append(store.CurrentPath());
    for (int i = 0; i < AttributeCount(); ++i) {
        const TBedHighlighterAttributes* attr = AttributeAt(i);
        if (!store.OpenKey(attr->Name(), true)) return false;
        store.WriteInteger("Background", attr->Background());
        store.WriteInteger("Foreground", attr->Foreground());
        store.WriteInteger("Style", attr->Style());
        store.OpenKey(parent, false);
    }
    return true;
}

bool TBedCustomHighlighter::LoadKeyWordsAndAttributes(
    TBedSettingsStore& store, TBedRootKey root, const std::string& key,
    const std::function<void(std::vector<std::string>)>& setKeyWords) {
    store.SetRootKey(root);
    if (!store.OpenKeyReadOnly(key)) return false;
    if (auto words = store.ReadString("KeyWords")) setKeyWords(KeywordLines(*words));
    return LoadAttributesFromOpenKey(store);
}

bool TBedCustomHighlighter::SaveKeyWordsAndAttributes(TBedSettingsStore& store, TBedRootKey root,
                                                      const std::string& key,
                                                      const std::vector<std::string>& keyWords) {
    store.SetRootKey(root);
    if (!store.OpenKey(key, true)) return false;
    store.WriteString("KeyWords", JoinLines(keyWords));
    return SaveAttributesToOpenKey(store);
}
