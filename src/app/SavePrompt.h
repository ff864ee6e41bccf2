#pragma once
// The save prompt "Chcete uložit změny?".
#include "UiServices.h"

#include <QDialog>

inline constexpr const char* kSavePromptCaption = "Chcete uložit změny?";
inline constexpr const char* kSavePromptText = "Soubor byl změněn, ale změny nebyly uloženy. Uložit soubor?";

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent);
    TModalResult Ask();

private:
    TModalResult result_ = TModalResult::Cancel;
};
