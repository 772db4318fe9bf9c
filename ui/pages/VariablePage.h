#pragma once

// Page 2 of the scientific area: six variables, each a key with its name and a field with its
// value. A key asks for its name to be put into the expression line (TextChosen); Enter in a value
// field asks for the line to be evaluated again with the values as they stand (ValueEntered). In
// rename mode, entered and left by a double-click on any value field, a field over each key edits
// the names, which take effect when the mode is left.

#include "model/VariableButtonData.h"
#include "ui/pages/KeypadPage.h"

#include <array>

class QKeyEvent;
class QLineEdit;

class TVariablePage : public TKeypadPage {
    Q_OBJECT

public:
    // AVariableButtonData is the window's working set: it must outlive the page, which shows it
    // and collects the names and values into it.
    TVariablePage(TVariableButtonData& AVariableButtonData, QWidget* AParent);

    // Shows the working set: the keys' names and the fields' values.
    void ApplyVariableButtonData();
    // Takes the names on the keys and the texts of the value fields into the working set.
    void CollectVariableButtonData();
    // Selects the whole text of variable ANumber's value field, so that typing replaces it.
    void SelectValue(int ANumber);

    bool IsRenaming() const { return IsVariableButtonEdit; }

signals:
    // A variable's key was clicked: its name.
    void TextChosen(const QString& AName);
    // Enter in the value field of variable ANumber.
    void ValueEntered(int ANumber);

private:
    static constexpr int VariableCount = TVariableButtonData::Count;

    void CreateVariable(int ANumber);
    void CreateTitleEdits();

    void VariableData1EditDblClick();
    bool VariableData1EditKeyDown(int ANumber, QKeyEvent* AEvent); // true: the key is consumed
    bool VariableTitleEditKeyDown(int ANumber, QKeyEvent* AEvent);
    void ReadVariableTitleEdits();
    void WriteVariableTitleEdits();

    TVariableButtonData& VariableButtonData;
    bool IsVariableButtonEdit = false;
    std::array<TKeyButton*, VariableCount> VariableButtons{};
    std::array<QLineEdit*, VariableCount> VariableDataEdits{};
    std::array<QLineEdit*, VariableCount> VariableTitleEdits{};
};
