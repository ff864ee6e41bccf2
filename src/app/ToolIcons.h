#pragma once
// The glyphs of the tool panel, drawn in code so they stay crisp and need no image files.
#include <QIcon>

enum class TToolGlyph {
    New,
    Open,
    Save,
    Reload,
    Print,
    Options,
    Copy,
    Cut,
    Paste,
    Find,
    Replace,
    Top,
    Bottom,
    Line,
    Help,
    Exit
};

QIcon ToolIcon(TToolGlyph glyph);
