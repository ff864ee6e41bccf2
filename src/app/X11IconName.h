#pragma once
// The window's short name (its icon text, "BED " and the file) also as the ICCCM property
// WM_ICON_NAME. Qt sets only _NET_WM_ICON_NAME; window managers, pagers and task bars that keep
// to the older convention read WM_ICON_NAME alone.
#include <QString>

class QWidget;

// Does nothing off X11 or before the window has its native window.
void SetX11IconName(QWidget& window, const QString& name);
