#pragma once
// Without a window manager nobody gives the keyboard to the main window when it appears, nor back
// to it when one of its dialogs closes: its shortcuts would then be dead until a click. The window
// takes the keyboard itself in both cases; under a window manager that changes nothing.
class QWidget;

void KeepKeyboardWithWindow(QWidget* window);
