#include "DesktopPalette.h"

#include "BedTextContrast.h"
#include "ColorScheme.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <cstdlib>

namespace {

std::string ReadWholeFile(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

QPalette DarkPalette() {
    const QColor window(0x2A, 0x2E, 0x32), base(0x1E, 0x21, 0x24), text(0xEF, 0xF0, 0xF1);
    const QColor disabled(0x7F, 0x84, 0x8A), highlight(0x3D, 0xAE, 0xE9);
    QPalette p;
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = g == QPalette::Disabled;
        p.setColor(g, QPalette::Window, window);
        p.setColor(g, QPalette::WindowText, off ? disabled : text);
        p.setColor(g, QPalette::Base, base);
        p.setColor(g, QPalette::AlternateBase, window);
        p.setColor(g, QPalette::Text, off ? disabled : text);
        p.setColor(g, QPalette::Button, window);
        p.setColor(g, QPalette::ButtonText, off ? disabled : text);
        p.setColor(g, QPalette::BrightText, Qt::white);
        p.setColor(g, QPalette::Highlight, off ? window.lighter(130) : highlight);
        p.setColor(g, QPalette::HighlightedText, QColor(0x10, 0x10, 0x10));
        p.setColor(g, QPalette::ToolTipBase, window);
        p.setColor(g, QPalette::ToolTipText, text);
        p.setColor(g, QPalette::PlaceholderText, disabled);
        p.setColor(g, QPalette::Light, window.lighter(150));
        p.setColor(g, QPalette::Midlight, window.lighter(125));
        p.setColor(g, QPalette::Mid, window.darker(120));
        p.setColor(g, QPalette::Dark, window.darker(150));
        p.setColor(g, QPalette::Shadow, QColor(0x0E, 0x0F, 0x10));
        p.setColor(g, QPalette::Link, highlight);
    }
    return p;
}

bool IsDark(const QPalette& p) {
    const QColor c = p.color(QPalette::Window);
    return BedIsDarkColor(TColor(c.red() | c.green() << 8 | c.blue() << 16));
}

}  // namespace

void FollowDesktopColorScheme(QApplication& app) {
    if (IsDark(QApplication::palette())) return;  // the platform theme already gives dark colours
    if (!DesktopPrefersDark(std::getenv, ReadWholeFile)) return;
    // Fusion draws with the palette as given; native-looking styles may keep their own light.
    if (QStyle* fusion = QStyleFactory::create("Fusion")) app.setStyle(fusion);
    app.setPalette(DarkPalette());
}
