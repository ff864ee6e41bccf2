#pragma once
// The application's colours follow a dark desktop also where Qt's platform theme gives a light
// palette (GNOME and others without a Qt theme of their own).
class QApplication;

void FollowDesktopColorScheme(QApplication& app);
