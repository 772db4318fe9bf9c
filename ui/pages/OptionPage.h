#pragma once

// Page 1 of the scientific area: the fourteen option buttons and the key of edit mode. A button
// asks for its command string to be put into the expression line (TextChosen). In edit mode a
// "title:expression" field lies over each shown button; leaving the mode takes the fields over
// into the working set. A double-click on a field (or Ctrl+Enter in it) widens its button by one
// column, until the grid's right edge, where the row goes back to single buttons.

#include "model/OptionButtonData.h"
#include "model/OptionButtonRow.h"
#include "ui/pages/KeypadPage.h"

#include <QList>

#include <array>
#include <functional>

class QLineEdit;

class TOptionPage : public TKeypadPage {
    Q_OBJECT

public:
    using TScale = std::function<double()>;

    // AOptionButtonData is the window's working set: it must outlive the page, which shows it and
    // writes the edits into it. AScale gives the window's current scale factor.
    TOptionPage(TOptionButtonData& AOptionButtonData, TScale AScale, QWidget* AParent);

    // Shows the working set: each button's caption and width, the rows re-flowed around wide
    // buttons.
    void ApplyOptionButtonData();
    void ApplyKeyStyles() override;

    bool IsEditing() const { return IsOptionButtonEdit; }

signals:
    // An option button was clicked: its command string.
    void TextChosen(const QString& ACommand);

private:
    static constexpr int OptionButtonCount = TOptionButtonData::Count;

    void CreateButtons();
    void CreateEdits();

    void Option1BtnClick(TKeyButton* Sender);
    void OptionButtonEditBtnClick();
    void UpdateOptionEditBtnStyle();
    void Option1EditDblClick(QLineEdit* Edit);
    // The field or option button with that tag, or nullptr.
    QLineEdit* FindOptionEdit(int Tag) const;
    TKeyButton* FindOptionButton(int Tag) const;
    void ArrangeOptionButtonRow(TKeyButton* Button);
    void ShowUncoveredOptionButtons(int Width, int Y, int X);
    // Gives the button and its field the design width AWidth.
    void SetOptionButtonWidth(TKeyButton* AButton, int AWidth);
    // Gives a row's buttons (and their fields) the widths and visibility of ACells.
    void ApplyOptionRow(const QList<TKeyButton*>& AButtons, const OptionButtonRow::TRow& ACells);
    // The option buttons of the row at design height AY, in child order.
    QList<TKeyButton*> OptionRowButtons(int AY) const;
    void WriteOptionEdits();
    void WriteOptionEdit(int N, QLineEdit* Edit);
    void ReadOptionEdits();
    void ReadOptionEdit(int N, const QString& Text, TKeyButton* Button);

    TOptionButtonData& OptionButtonData;
    TScale Scale;
    bool IsOptionButtonEdit = false;
    TKeyButton* ButtonEditBtn = nullptr;
    std::array<TKeyButton*, OptionButtonCount> OptionButtons{};
    std::array<QLineEdit*, OptionButtonCount> OptionEdits{};
};
