#pragma once
// The find dialog "Najít" (TForm8) and the replace dialog "Nahraď" (TForm9, the find dialog
// with a replacement and two more options). They only collect the texts and the options and
// keep them for the whole run; searching is the editing component's.
#include "BedEditSearch.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent);

    // Shows the dialog modally with the text to find selected; true when closed with OK.
    bool Run();
    // The text to find in the editor's code page.
    std::string SearchText() const;
    // The option bits of the check boxes.
    virtual TBedSearchOptions Options() const;

    QLabel* Label1;
    QLineEdit* Edit1;
    QCheckBox* kejs;
    QCheckBox* celaSlova;
    QCheckBox* Dozadu;
    QCheckBox* entireScope;
    QCheckBox* vbloku;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    TForm8(QWidget* parent, const char* caption, const char* buttonCaption);
    QLineEdit* AddTextRow(const char* label, QLabel*& labelWidget);
    QCheckBox* AddCheck(QVBoxLayout* column, const char* caption);
    // Chains the tab order through the widgets in the order given.
    void SetTabOrder(std::initializer_list<QWidget*> widgets);

    QGridLayout* texts_;
    QVBoxLayout* left_;
    QVBoxLayout* right_;
};

class TForm9 : public TForm8 {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent);

    std::string ReplaceText() const;
    TBedSearchOptions Options() const override;

    QLabel* Label2;
    QLineEdit* Edit2;
    QCheckBox* vse;
    QCheckBox* ptatse;
};
