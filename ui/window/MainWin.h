#pragma once

// The calculator's main window: the expression panel on top, one keypad page of the scientific
// area below it, the numeric keypad below that, and the history panel. TMainForm keeps the
// window's state (the line's caret, the display format, which areas and page are shown, the
// history and the working option and variable sets) and coordinates its parts; its methods live
// in these files, and each group of declarations below names its file:
//   MainWin.cpp                 construction, destruction and the window-wide event filter
//   MainWinBuildExpression.cpp  the expression panel and its popup menu
//   MainWinSettings.cpp         start-up and shutdown: reading and writing the settings
//   MainWinEntry.cpp            editing the expression line: text from the keys, DEL, AC, the
//                               cursor keys, copy, and the line's own keys (Up and Down recall)
//   MainWinKeyboard.cpp         the window by keyboard: its shortcuts (FormKeyDown), Tab order, the
//                               menu keys, Escape, typing that reaches the line from other controls
//   MainWinCommands.cpp         option-button command strings
//   MainWinEvaluation.cpp       evaluation, the result line and the display settings
//   MainWinOptions.cpp          scale, stay-on-top, transparency, home page and about box, and
//                               the looks and motion the desktop asks for
//   MainWinHistory.cpp          the window's side of the history panel: docking, F3, Memory
//   MainWinKeypadPages.cpp      the keypad pages: making and wiring them, turning pages, showing
//                               or hiding the two key areas, stacking them
//   MainWinTransitions.cpp      the stages of the page and key-area transitions
// Parts with controls and state of their own are classes of their own, which tell the window what
// the user asked for through signals and are handed what they read:
//   ../pages/                   TScientificPage, TOptionPage, TVariablePage (the three pages of
//                               the scientific area, on TKeypadPage) and TNumericKeypad
//   ../history/HistoryPanel.h   THistoryPanel, the history list with its buttons and slide
//   ../motion/PanelTransition.h TPanelTransition, the page and key-area transitions
//   ExpressionPanelMenu.h       TExpressionPanelMenu, the popup menu
//   RoundCombo.h                TRoundCombo, the decimals list
//   WindowFrame.h               TWindowFrame, stay-on-top and the transparent mode's frame
//   DeferredInput.h             TDeferredInput, page and key-area input kept during a transition
//   ExpressionPaste.h           TExpressionPaste, pasting into the line with number groups joined
//   ResultLine.h                TResultLine, the result line, long results shortened in the middle
//   ../app/DesktopSettings.h    TDesktopSettings, the desktop's look and motion preferences
// Every key that puts its own caption into the line (the digits, ".", "ANS", the parentheses and
// the six variable keys: one handler in the design, Digit1BtnClick) reaches InputExpression
// through its page's TextChosen, as the other keys' texts do.

#include "model/DesktopLook.h"
#include "model/ExpressionHistory.h"
#include "model/FormulaRecall.h"
#include "model/OptionButtonData.h"
#include "model/ResultFormat.h"
#include "model/VariableButtonData.h"
#include "model/WindowLayout.h"
#include "ui/window/DeferredInput.h"
#include "ui/window/ScientificPanelList.h"
#include "ui/window/WindowDrag.h"
#include "ui/window/WindowFrame.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <exception>
#include <memory>
#include <vector>

class QKeyEvent;
class QLabel;
class QLineEdit;
class TAppData;
class TDesktopSettings;
class TExpressionPanelMenu;
class THistoryListModel;
class THistoryPanel;
class TKeyButton;
class TNumericKeypad;
class TOptionPage;
class TPanel;
class TPanelTransition;
class TResultLine;
class TRoundCombo;
class TScientificPage;
class TVariablePage;
class TViewport3D;

// Where the window looks for its settings file: the command line (for the per-user switch) and
// the two folders the file may live in.
struct TSettingsLocation {
    QStringList Arguments;    // without the program's own path
    QString ProgramFolder;    // empty: the running program's folder
    QString UserConfigFolder; // empty: the per-user configuration folder

    // The running program's command line and folders.
    static TSettingsLocation FromApplication();
};

class TMainForm : public QWidget {
    Q_OBJECT

public:
    // MainWin.cpp. Builds the window, reads the settings file once and applies it; the
    // expression line has the focus. The first form reads the running program's settings.
    explicit TMainForm(QWidget* AParent = nullptr);
    explicit TMainForm(const TSettingsLocation& ALocation, QWidget* AParent = nullptr);
    // Runs FormDestroy if nobody has; a failed write is then only reported on standard error.
    ~TMainForm() override;

    // MainWinSettings.cpp. Shutdown: frees the history and writes the window's state to the
    // settings file. Runs once; later calls do nothing. Throws EIniFileWriteError when the file
    // cannot be written.
    void FormDestroy();
    // The settings file this window reads and writes.
    QString SettingsFileName() const;

    // MainWinEntry.cpp. Text from any key: command strings (ending in "=") run, other text is
    // inserted at the saved caret; right after an evaluation the line starts afresh.
    void InputExpression(const QString& Text);
    // MainWinEvaluation.cpp. Evaluates the expression line, shows and records the result; false
    // on failure ("Error" shown, caret at the error). Sets the after-evaluation flag either way.
    bool CalcExpression(bool IsPercent);
    // MainWinOptions.cpp. Scales the whole window by 1 + 0.05 × Step and lays it out again; a
    // step the window system cannot hold (outside -12 to WindowLayout::HighestScaleStep) does
    // nothing.
    void SetWindowScale(int Step);
    // MainWinOptions.cpp. Takes the look and the motion ASettings tells now, and follows their
    // changes while both live. Nothing of it is stored.
    void FollowDesktop(const TDesktopSettings& ASettings);

    // Read-only views of the state, for tests.
    const std::vector<std::unique_ptr<TExpressionHistory>>& ExpressionHistory() const {
        return ExpressionHistoryList;
    }
    int CurrentRoundDecimal() const { return DisplayFormat.RoundDecimal; }
    TRoundSelector CurrentRoundSelector() const { return DisplayFormat.RoundSelector; }
    bool DigitGroupingSeparator() const { return DisplayFormat.IsDigitGroupingSeparator; }
    bool AfterEvaluation() const { return IsExpressionAllSelectionAfterEnter; }
    int WindowScale() const { return WindowScaleNumber; }
    bool Transparency() const { return IsTransparency; }
    bool AlwaysDisplayHistoryPanel() const { return IsAlwaysDisplayHistoryPanel; }
    bool ScientificKey() const { return IsScientificKey; }
    bool NumericKey() const { return IsNumericKey; }
    int PanelNumber() const { return ScientificPanelNumber; }
    int NumericPanelStyle() const { return AnimateNumericPanelStyle; }
    int ScientificPanelStyle() const { return AnimateScientificPanelStyle; }
    const TOptionButtonData& OptionButtonSet() const { return OptionButtonData; }
    const TVariableButtonData& VariableButtonSet() const { return VariableButtonData; }

    // The page and key-area transitions, for tests and benchmarks (recording, durations).
    TPanelTransition& Transitions() { return *PanelTransition; }

    // The address "Homepage" opens.
    static const char* const HomepageUrl;
    // The text "Top most" shows while the window system does not let the program keep its
    // window on top.
    static const char* const TopMostUnavailableTip;

    // For tests: windows created from now on behave as on the platform named AName (as
    // QGuiApplication::platformName() gives it); an empty name returns to the running platform.
    static void OverridePlatformNameForTests(const QString& AName);

protected:
    // MainWin.cpp: window shortcuts and dragging the window by its panels.
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;
    // MainWinKeyboard.cpp: Tab from outside an open history overlay goes into it.
    bool focusNextPrevChild(bool ANext) override;
    // MainWinSettings.cpp: the stored position is taken again with the window's frame.
    void showEvent(QShowEvent* AEvent) override;
    // MainWinTransitions.cpp: a running transition ends first.
    void closeEvent(QCloseEvent* AEvent) override;

private:
    // Construction (MainWin.cpp), in drawing order.
    void BuildControls();

    // The expression panel and its popup menu (MainWinBuildExpression.cpp).
    void BuildExpressionPanel();
    void HookExpressionPanelEvents();
    void BuildPopupMenu();

    // Start-up and shutdown (MainWinSettings.cpp).
    void FormCreate(const TSettingsLocation& ALocation);
    void ApplySettings(const TSettingsLocation& ALocation);
    // The kept history, when the user keeps it, becomes the history.
    void LoadKeptHistory();
    void ApplyWindowPosition();
    void FormShow();
    void CollectSettings();

    // Expression entry (MainWinEntry.cpp).
    void SaveExpressionCaret();
    void SetExpressionCaret(int APosition);
    // An operator key: its caption between blanks, after "ANS" right after an evaluation.
    void PlusBtnClick(const QString& ACaption);
    void DelBtnClick();
    void ACBtnClick();
    void CurLeftBtnClick();
    void CurRightBtnClick();
    void CopyBtnClick();
    void ExpressionEditClick();
    void ExpressionEditExit();
    void ExpressionEditEnter();
    bool ExpressionEditKeyDown(QKeyEvent* AEvent); // true: the key is consumed

    // The window by keyboard (MainWinKeyboard.cpp).
    bool FormKeyDown(QKeyEvent* AEvent); // true: the key is consumed
    // A printable key other than Space, or Enter, pressed on a key or a closed drop-down list is
    // typed into the expression line instead; true when it was.
    bool ForwardKeyToExpressionLine(QKeyEvent* AEvent);
    // Tab goes through the controls as the window reads: top to bottom, left to right.
    void SetTabOrder();
    // The expression panel's popup menu at AGlobalPosition, or at the focused control when it is
    // null, with its first entry current, so that arrows and Enter choose.
    void OpenPopupMenuByKey(QPoint AGlobalPosition = {});
    // Escape closes an open history overlay, else clears the line as AC does.
    bool EscapeKeyDown();
    // Before AArea is hidden: a focus inside it goes to the expression line.
    void KeepFocusOutOf(QWidget* AArea);

    // Option-button command strings (MainWinCommands.cpp).
    void ExecuteOptionExpression(const QString& Command);
    void ReplaceOptionPlaceholder(const QString& CurrentText, const QString& Command);
    void ApplyOptionCommands(const QStringList& Pieces);

    // Evaluation and result display (MainWinEvaluation.cpp).
    long double GetCalcResult(const QString& Text);
    void AddExpressionHistory(long double Value, bool IsPercent);
    void ShowEvaluationFailure(std::exception_ptr AFailure);
    // Every change of the result line goes through here, so that it is also announced. AReason
    // (a failed evaluation's) becomes the line's tooltip and description and is announced after
    // AText; without one the line has no description, and a tooltip only for a text too long.
    void SetResultText(const QString& AText, const QString& AReason = QString());
    // Shows Value in the result line under the current display settings; throws
    // EResultRangeError when the value cannot be shown that way.
    void DisplayResult(bool IsPercent, long double Value);
    QString FormatResultValue(bool IsPercent, int ARoundDecimal, long double Value) const;
    // DisplayResult outside an evaluation: a value that cannot be shown leaves the result line as
    // it is and tells the user why, and changes nothing else.
    void RedisplayResult(bool IsPercent, long double Value);
    void RedisplayLatestResult();
    void UpdateRoundSelectorLabel();
    // The decimals list chose ARoundDecimal.
    void RoundComboChange(int ARoundDecimal);
    void SetRoundSelector(TRoundSelector ASelector);
    // The three rounding entries of the menu.
    void RoundSelectorItemClick(TRoundSelector ASelector);
    void DigitGroupingSeparatorItemClick();

    // Window options (MainWinOptions.cpp).
    double ScaleFactor() const;
    void SetClientSize(int AWidth, int AHeight);
    void AlignKeypadPages();
    // Sizes HistoryPanel to the visible areas and places it at X, above the window's top edge
    // when AVertical is negative (where the slide-in starts), else at the top; brings it to front.
    void PlaceHistoryPanel(float X, float AVertical);
    void ApplyScaledStyleSheet(double AScale);
    // The style sheet of ALook, at the current scale; the window's style name tells the look.
    void ApplyLook(TLook ALook);
    // Page and key-area transitions and the history slide happen at once while AIsReduced; the
    // stored transition styles stay as they are.
    void SetReducedMotion(bool AIsReduced);
    // Disables "Top most", with a tip saying why, where the window system cannot keep a window
    // on top.
    void ApplyWindowControl();
    void TopMostMenuItemClick();
    void TransparencyMenuItemClick();
    void ApplyTransparency();
    // The history is kept across runs from now on, or no longer.
    void KeepHistoryItemClick();
    // Opens HomepageUrl in the web browser; a message names the address when no browser takes it.
    void HomepageItemClick();
    void AboutClick();
    void ExpressionPanelDblClick();

    // The window's side of the history panel (MainWinHistory.cpp).
    void BuildHistoryPanel();
    void ConnectHistoryPanel();
    // Shared operations: the list shows the newest entry (and takes the focus unless docked);
    // every entry destroyed.
    void UpdateHistoryListBox();
    void ClearExpressionHistory();
    void MemoryButtonClick();
    void ToggleAlwaysDisplayHistoryPanel();
    void F3KeyDown(bool AIsShift);
    void HistoryPanelCloseBtnClick();
    // The panel's intents: an entry back in the line, a Sum or Ave formula evaluated.
    void HistoryEntryChosen(int ARow);
    void EvaluateHistoryFormula(const QString& AFormula);
    void PlaceVisibleHistoryPanel(QPoint APosition);
    void FocusExpressionEnd();

    // The keypad pages and the two key areas (MainWinKeypadPages.cpp).
    void BuildKeypadPages();
    void ConnectPages();
    // Shows the active page and the keypads, stacks them under the expression panel and fits
    // the window's height to them.
    void ArrangePanels();
    // Turns from page ASource to page ATarget in ADirection (TKeypadPage::TurnLeft or TurnRight).
    void SwitchPage(int ASource, int ATarget, int ADirection);
    // What the arrow of page APage (0 to 2) in ADirection does; any other page does nothing.
    void RunPageArrow(int APage, int ADirection);
    // F9 (ADirection 0) and F10 (1): the arrow of the page shown, while the area is shown.
    void TurnPageByKey(int ADirection);
    void ScientificKeyBtnClick();
    void NumericKeyBtnClick();
    // Shows or hides one key area (AArea: ButtonPanel, or nullptr for the pages).
    void ToggleKeyArea(QWidget* AArea, bool& AIsShown);
    void ButtonPanelDblClick();
    void ScientificPanelDblClick();
    // Enter in the value field of variable ANumber: the line is evaluated again, its caret kept;
    // on success the value is selected so that the next typing replaces it.
    void VariableValueEntered(int ANumber);

    // Page and key-area transitions (MainWinTransitions.cpp).
    void BuildTransitionStages();
    // True while a transition waits for its animation; input that would start another waits in
    // DeferredInput.
    bool IsTransitionRunning() const;
    // The page a key-area transition pictures: the visible one, else the page to come.
    QWidget* PicturedPage() const;
    // A layout asked for during a transition, run once it is over.
    void RunPendingLayout();

    // State, in the order of the design.
    // Changed only through HistoryListModel, so that the list's rows follow it.
    std::vector<std::unique_ptr<TExpressionHistory>> ExpressionHistoryList;
    TScientificPanelList ScientificPanelList;
    TOptionButtonData OptionButtonData;
    TVariableButtonData VariableButtonData;
    int ExpressionCaretPosition = 0;
    int ExpressionSelStart = 0;
    int ExpressionSelLength = 0;
    std::unique_ptr<TAppData> AppData;
    bool IsFormDestroyed = false;
    QString BaseStyleSheet;
    double StyleSheetScale = 1.0;
    TWindowDrag WindowDrag; // moving the transparent window by its panels
    // The stored position was used before the window was shown, without its frame.
    bool IsStartPositionPending = false;
    // What the window system lets the program do with its window: decided once, at creation.
    WindowLayout::TWindowControl WindowControl = TWindowFrame::PlatformControl();
    TWindowFrame WindowFrame{*this, WindowControl}; // stay-on-top and the transparent frame
    int ScientificPanelNumber = 0;
    int AnimateNumericPanelStyle = 1;
    int AnimateScientificPanelStyle = 1;
    int WindowScaleNumber = 0;
    int DesignClientWidth = 344;
    int DesignClientHeight = 451;
    // RoundDecimal (set to Normal when the window is made), RoundSelector and
    // IsDigitGroupingSeparator.
    TDisplayFormat DisplayFormat;
    bool IsExpressionAllSelectionAfterEnter = false;
    // The line's whole text was selected when it last lost the focus.
    bool IsExpressionAllSelectedAtExit = false;
    // Where Up and Down stand among the history's formulas in the expression line.
    TFormulaRecall FormulaRecall;
    bool IsTransparency = false;
    bool IsKeepHistory = false; // the history is written at shutdown and read at the next start
    bool IsAlwaysDisplayHistoryPanel = false;
    bool IsScientificKey = true;
    bool IsNumericKey = true;

    // Expression panel.
    TPanel* ExpressionPanel = nullptr;
    TKeyButton* ScientificKeyBtn = nullptr;
    TKeyButton* NumericKeyBtn = nullptr;
    TKeyButton* MemoryButton = nullptr;
    TRoundCombo* RoundCombo = nullptr;
    TPanel* Panel3 = nullptr;
    QLineEdit* ExpressionEdit = nullptr;
    TResultLine* ResultLabel = nullptr;
    QLabel* RoundSelectorLabel = nullptr;
    TExpressionPanelMenu* ExpressionPanelPopupMenu = nullptr;

    // The keypad pages and the numeric keypad.
    TScientificPage* ScientificPanel = nullptr;
    TOptionPage* Option1Panel = nullptr;
    TVariablePage* VariablePanel = nullptr;
    TNumericKeypad* ButtonPanel = nullptr;

    // Stages of the page and key-area transitions.
    TViewport3D* NumericViewport = nullptr;
    TViewport3D* ScientificViewport = nullptr;
    TPanelTransition* PanelTransition = nullptr;
    bool IsLayoutPending = false;
    // Page turns and key-area changes asked for during a transition, run once it is over.
    TDeferredInput DeferredInput;

    // The history list's model over ExpressionHistoryList, and the panel that shows it.
    THistoryListModel* HistoryListModel = nullptr;
    THistoryPanel* HistoryPanel = nullptr;
};
