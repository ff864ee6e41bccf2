#include "BedEditColors.h"

namespace {

QPalette::ColorRole SystemRole(int index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
        case 5: return QPalette::Base;  // window
        case 8: return QPalette::Text;  // window text
        case 13: return QPalette::Highlight;
        case 14: return QPalette::HighlightedText;
        case 15: return QPalette::Button;                            // button face
        case 16: return QPalette::Mid;                               // button shadow
        case 17: group = QPalette::Disabled; return QPalette::Text;  // grey text
        case 18: return QPalette::ButtonText;
        case 20: return QPalette::Light;  // button highlight
        case 21: return QPalette::Shadow;
        case 22: return QPalette::Midlight;
        case 23: return QPalette::ToolTipText;
        case 24: return QPalette::ToolTipBase;
        case 4: return QPalette::Window;      // menu
        case 7: return QPalette::WindowText;  // menu text
        default: return QPalette::Window;
    }
}

}  // namespace

TColor QColorToBedColor(const QColor& color) { return TColor(color.red() | color.green() << 8 | color.blue() << 16); }

QColor BedColorToQColor(TColor color, const QPalette& palette) {
    if (color == clNone) return {};
    const uint32_t c = uint32_t(color);
    const uint32_t high = c >> 24;
    if (high == 0x80 || high == 0xFF) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = SystemRole(int(c & 0xFF), group);
        return palette.color(group, role);
    }
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
