#pragma once
// "he?" (Theeee): shown to a user who asks for help inside the help window.
#include <QDialog>

inline constexpr const char* kHelpJokeCaption = "he?";
inline constexpr const char* kHelpJokeText = "Vždyť  už přece v nápovědě _jsi_, ne?";

class Theeee : public QDialog {
    Q_OBJECT
public:
    explicit Theeee(QWidget* parent = nullptr);
};
