#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the program's name, its version and the maker, and a close button that both
// Enter and Escape press. Created fresh for each showing and shown modally.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* AParent = nullptr);

    static const char* const MakerLine; // the third line of text

private:
    void Button1Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;
};
