#pragma once

// The calculator's main window: the expression panel on top, one keypad page of the scientific
// area below it, the numeric keypad below that, and the history panel. TMainForm keeps the
// window's state and coordinates its panels; its methods live in these files, and each group of
// declarations below names its file:
//   MainWin.cpp                 construction, destruction and the window-wide event filter
//   MainWinBuildExpression.cpp  the expression panel and its popup menu
//   MainWinBuildPages.cpp       the three pages of the scientific area
//   MainWinBuildKeypad.cpp      the numeric keypad
//   MainWinSettings.cpp         start-up and shutdown: reading and writing the settings
//   MainWinEntry.cpp            keys and the keyboard: editing the expression line
//   MainWinKeyboard.cpp         the window by keyboard: Tab order, the menu keys, Escape, typing
//                               that reaches the expression line from other controls
//   MainWinCommands.cpp         option-button command strings
//   MainWinEvaluation.cpp       evaluation, the result line and the display settings
//   MainWinLayout.cpp           key styles and the stacking of the panels
//   MainWinOptions.cpp          scale, stay-on-top, transparency, home page and about box
//   MainWinHistory.cpp          the window's side of the history panel: docking, F3, Memory
//   MainWinKeypadPages.cpp      turning pages and showing or hiding the two key areas
//   MainWinTransitions.cpp      the page and key-area transitions
//   MainWinOptionPage.cpp       editing and widening the option buttons
//   MainWinVariablePage.cpp     renaming the variables
// Panels with controls and state of their own are classes of their own: THistoryPanel
// (HistoryPanel.h) and the transitions' TPanelTransition (PanelTransition.h).

#include "model/ExpressionHistory.h"
#include "model/OptionButtonData.h"
#include "model/OptionButtonRow.h"
#include "model/RoundSelector.h"
#include "model/VariableButtonData.h"
#include "model/WindowLayout.h"
#include "ui/window/ScientificPanelList.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <array>
#include <exception>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TAppData;
class THistoryPanel;
class TPanelTransition;
class TViewport3D;
class TKeyButton;
class TPanel;

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

    // Read-only views of the state, for tests.
    const std::vector<std::unique_ptr<TExpressionHistory>>& ExpressionHistory() const {
        return ExpressionHistoryList;
    }
    int CurrentRoundDecimal() const { return RoundDecimal; }
    TRoundSelector CurrentRoundSelector() const { return RoundSelector; }
    bool DigitGroupingSeparator() const { return IsDigitGroupingSeparator; }
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
    // MainWinSettings.cpp.
    void showEvent(QShowEvent* AEvent) override;
    // MainWinTransitions.cpp: a running transition ends first.
    void closeEvent(QCloseEvent* AEvent) override;

private:
    static constexpr int OptionButtonCount = TOptionButtonData::Count;
    static constexpr int VariableCount = TVariableButtonData::Count;

    // Construction (MainWin.cpp), in drawing order.
    void BuildControls();

    // The expression panel and its popup menu (MainWinBuildExpression.cpp).
    void BuildExpressionPanel();
    void HookExpressionPanelEvents();
    void BuildPopupMenu();

    // The pages of the scientific area (MainWinBuildPages.cpp) and the keypad
    // (MainWinBuildKeypad.cpp).
    void BuildScientificPanel();
    void BuildOptionPanel();
    void BuildVariablePanel();
    void BuildButtonPanel();

    // Start-up and shutdown (MainWinSettings.cpp).
    void FormCreate(const TSettingsLocation& ALocation);
    void ApplySettings(const TSettingsLocation& ALocation);
    void ApplyWindowPosition();
    void FormShow();
    void CollectSettings();

    // Expression entry (MainWinEntry.cpp).
    void SaveExpressionCaret();
    void SetExpressionCaret(int APosition);
    void Digit1BtnClick(QPushButton* Sender);
    void PlusBtnClick(QPushButton* Sender);
    void SinBtnClick(QPushButton* Sender);
    void SqrtBtnClick();
    void ExpBtnClick();
    void LogBtnClick(QPushButton* Sender);
    void FactBtnClick();
    void PowerBtnClick();
    void Power2BtnClick();
    void EBtnClick();
    void PiBtnClick();
    void DelBtnClick();
    void ACBtnClick();
    void CurLeftBtnClick();
    void CurRightBtnClick();
    void CopyBtnClick();
    void EnterBtnMouseDown(Qt::MouseButton AButton, Qt::KeyboardModifiers AModifiers);
    void ExpressionEditClick();
    void ExpressionEditExit();
    void ExpressionEditEnter();
    bool ExpressionEditKeyDown(QKeyEvent* AEvent); // true: the key is consumed
    bool FormKeyDown(QKeyEvent* AEvent);           // true: the key is consumed
    // A printable key other than Space, or Enter, pressed on a key or a closed drop-down list is
    // typed into the expression line instead; true when it was.
    bool ForwardKeyToExpressionLine(QKeyEvent* AEvent);
    void ToggleRoundComboDropDown();

    // The window by keyboard (MainWinKeyboard.cpp).
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
    void Option1BtnClick(TKeyButton* Sender);
    void ExecuteOptionExpression(const QString& Command);
    void ReplaceOptionPlaceholder(const QString& CurrentText, const QString& Command);
    void ApplyOptionCommands(const QStringList& Pieces);

    // Evaluation and result display (MainWinEvaluation.cpp).
    long double GetCalcResult(const QString& Text);
    void CollectVariableButtonData();
    void AddExpressionHistory(long double Value, bool IsPercent);
    void ShowEvaluationFailure(std::exception_ptr AFailure);
    // Every change of the result line goes through here, so that it is also announced.
    void SetResultText(const QString& AText);
    // Shows Value in the result line under the current display settings; throws
    // EResultRangeError when the value cannot be shown that way.
    void DisplayResult(bool IsPercent, long double Value);
    QString FormatResultValue(bool IsPercent, int ARoundDecimal, long double Value) const;
    // DisplayResult outside an evaluation: a value that cannot be shown leaves the result line as
    // it is and tells the user why, and changes nothing else.
    void RedisplayResult(bool IsPercent, long double Value);
    void RedisplayLatestResult();
    void SelectRoundComboItem();
    void UpdateRoundSelectorLabel();
    void RoundComboChange();
    bool RoundComboKeyDown(QKeyEvent* AEvent);
    bool RoundComboListKeyDown(QKeyEvent* AEvent); // a key in the open list
    void RoundComboMouseUp(Qt::MouseButton AButton);
    // The right-click's switch: adds HEX and BIN the first time, then goes between them.
    void SwitchRoundComboHexBin();
    void SetRoundSelector(TRoundSelector ASelector);
    void RoundOffItemClick();
    void RoundCutOffItemClick();
    void RoundUpItemClick();
    void DigitGroupingSeparatorItemClick();

    // Key styles and the stacking of the panels (MainWinLayout.cpp).
    void ArrangePanels();
    void ApplyOptionButtonData();
    void ApplyVariableButtonData();
    void InvBtnClick();
    void HypBtnClick();
    void UpdateScientificKeyStyles();
    void UpdateOptionEditBtnStyle();
    void UpdateCopyBtnStyles();
    void ApplyPanelKeyStyles(QWidget* Page);

    // Window options (MainWinOptions.cpp).
    double ScaleFactor() const;
    void SetClientSize(int AWidth, int AHeight);
    void AlignKeypadPages();
    // Sizes HistoryPanel to the visible areas and places it at X, above the window's top edge
    // when AVertical is negative (where the slide-in starts), else at the top; brings it to front.
    void PlaceHistoryPanel(float X, float AVertical);
    void ApplyScaledStyleSheet(double AScale);
    // What the window system lets the program do with its window: decided once, at creation.
    void DecideWindowControl();
    // Disables "Top most", with a tip saying why, where the window system cannot keep a window
    // on top.
    void ApplyWindowControl();
    bool IsStayOnTop() const;
    void SetStayOnTop(bool AIsOn);
    void ReplaceWindowFlags(Qt::WindowFlags AFlags);
    void TopMostMenuItemClick();
    void TransparencyMenuItemClick();
    void ApplyTransparency();
    void SetTranslucentBackground();
    void RecreateNativeWindow(Qt::WindowFlags AFlags);
    bool MoveWindowByDrag(QObject* AWatched, QEvent* AEvent);
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
    void MemoryButtonMouseDown(Qt::MouseButton AButton);
    void ToggleAlwaysDisplayHistoryPanel();
    void F3KeyDown(bool AIsShift);
    void HistoryPanelCloseBtnClick();
    // The panel's intents: an entry back in the line, a Sum or Ave formula evaluated.
    void HistoryEntryChosen(int ARow);
    void EvaluateHistoryFormula(const QString& AFormula);
    void PlaceVisibleHistoryPanel(QPoint APosition);
    void FocusExpressionEnd();

    // Page switching and the two key areas (MainWinKeypadPages.cpp).
    void ConnectPages();
    void ScientificPanelLeftBtnClick();
    void ScientificPanelRightBtnClick();
    void Option1PanelLeftBtnClick();
    void Option1PanelRightBtnClick();
    void VariablePanelLeftBtnClick();
    void VariablePanelRightBtnClick();
    // Turns from page ASource to page ATarget in ADirection (0 left, 1 right).
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

    // Page and key-area transitions (MainWinTransitions.cpp); each returns when it is over.
    // Direction 0 is left, 1 right; Area is ButtonPanel or nullptr for the pages; Kind is
    // TPanelTransition::KindHide or KindShow.
    void BuildTransitionStages();
    void AnimatePanelSlide(QWidget* OldPage, QWidget* NewPage, int Direction);
    void AnimatePanelCube(QWidget* OldPage, QWidget* NewPage, int Direction);
    void AnimateKeyAreaSlide(QWidget* Area, int Kind);
    void AnimateKeyAreaFlip(QWidget* Area, int Kind);
    // True while a transition waits for its animation; input that would start another is ignored.
    bool IsTransitionRunning() const;
    // The page a key-area transition pictures: the visible one, else the page to come.
    QWidget* PicturedPage() const;
    // A layout asked for during a transition, run once it is over.
    void RunPendingLayout();

    // Option page (MainWinOptionPage.cpp).
    void ConnectOptionPage();
    void OptionButtonEditBtnClick();
    void Option1EditDblClick(QLineEdit* Edit);
    // The page's field or option button with that tag (the last in child order), or nullptr.
    QLineEdit* FindOptionEdit(int Tag) const;
    TKeyButton* FindOptionButton(int Tag) const;
    void ArrangeOptionButtonRow(TKeyButton* Button);
    void ShowUncoveredOptionButtons(int Width, int Y, int X);
    // Gives the button and its field the design width AWidth.
    void SetOptionButtonWidth(TKeyButton* AButton, int AWidth);
    // Gives a row's buttons (and their fields) the widths and visibility of ACells.
    void ApplyOptionRow(const QList<TKeyButton*>& AButtons, const OptionButtonRow::TRow& ACells);
    void WriteOptionEdits();
    void WriteOptionEdit(int N, QLineEdit* Edit);
    void ReadOptionEdits();
    void ReadOptionEdit(int N, const QString& Text, TKeyButton* Button);

    // Variables page (MainWinVariablePage.cpp).
    void ConnectVariablePage();
    void VariableData1EditDblClick();
    // Enter re-evaluates the line; true when the key is consumed.
    bool VariableData1EditKeyDown(QLineEdit* Sender, QKeyEvent* AEvent);
    void ReadVariableTitleEdits();
    void WriteVariableTitleEdits();

    // State, in the order of the design.
    // Changed only through the history panel's model, so that the list's rows follow it.
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
    QPoint DragStart;          // pointer position less window position while the window is dragged
    bool IsDragging = false;   // the left button went down on the panel
    bool IsDragMoving = false; // and the window follows the pointer
    WindowLayout::TWindowControl WindowControl;
    int ScientificPanelNumber = 0;
    int AnimateNumericPanelStyle = 1;
    int AnimateScientificPanelStyle = 1;
    int WindowScaleNumber = 0;
    int DesignClientWidth = 344;
    int DesignClientHeight = 451;
    bool IsDigitGroupingSeparator = false;
    int RoundDecimal = -1;
    TRoundSelector RoundSelector = rs54;
    bool IsInv = false;
    bool IsHyp = false;
    bool IsOptionButtonEdit = false;
    bool IsVariableButtonEdit = false;
    bool IsExpressionAllSelectionAfterEnter = false;
    // The line's whole text was selected when it last lost the focus.
    bool IsExpressionAllSelectedAtExit = false;
    bool IsTransparency = false;
    bool IsAlwaysDisplayHistoryPanel = false;
    bool IsScientificKey = true;
    bool IsNumericKey = true;

    // Expression panel.
    TPanel* ExpressionPanel = nullptr;
    TKeyButton* ScientificKeyBtn = nullptr;
    TKeyButton* NumericKeyBtn = nullptr;
    TKeyButton* MemoryButton = nullptr;
    QComboBox* RoundCombo = nullptr;
    TPanel* Panel3 = nullptr;
    QLineEdit* ExpressionEdit = nullptr;
    QLabel* ResultLabel = nullptr;
    QLabel* RoundSelectorLabel = nullptr;

    // Scientific page.
    TPanel* ScientificPanel = nullptr;
    TKeyButton* InvBtn = nullptr;
    TKeyButton* HypBtn = nullptr;
    TKeyButton* SinBtn = nullptr;
    TKeyButton* CosBtn = nullptr;
    TKeyButton* TanBtn = nullptr;
    QComboBox* DegCombo = nullptr;
    TKeyButton* ExpBtn = nullptr;
    TKeyButton* EBtn = nullptr;
    TKeyButton* PowerBtn = nullptr;
    TKeyButton* Power2Btn = nullptr;

    // Option page.
    TPanel* Option1Panel = nullptr;
    TKeyButton* ButtonEditBtn = nullptr;
    std::array<TKeyButton*, OptionButtonCount> OptionButtons{};
    std::array<QLineEdit*, OptionButtonCount> OptionEdits{};

    // Variables page.
    TPanel* VariablePanel = nullptr;
    std::array<TKeyButton*, VariableCount> VariableButtons{};
    std::array<QLineEdit*, VariableCount> VariableDataEdits{};
    std::array<QLineEdit*, VariableCount> VariableTitleEdits{};

    // Numeric keypad.
    TPanel* ButtonPanel = nullptr;
    TKeyButton* CopyBtn = nullptr;
    TKeyButton* CurLeftBtn = nullptr;
    TKeyButton* CurRightBtn = nullptr;
    TKeyButton* BeginParenthesisBtn = nullptr;
    TKeyButton* EndParenthesisBtn = nullptr;
    TKeyButton* EnterBtn = nullptr;

    // Stages of the page and key-area transitions.
    TViewport3D* NumericViewport = nullptr;
    TViewport3D* ScientificViewport = nullptr;
    TPanelTransition* PanelTransition = nullptr;
    bool IsLayoutPending = false;

    // History panel: its list, buttons and slide are its own.
    THistoryPanel* HistoryPanel = nullptr;

    // Popup menu of the expression panel.
    QMenu* ExpressionPanelPopupMenu = nullptr;
    QAction* CopyItem = nullptr;
    QAction* DigitGroupingSeparatorItem = nullptr;
    QAction* RoundOffItem = nullptr;
    QAction* RoundCutOffItem = nullptr;
    QAction* RoundUpItem = nullptr;
    QAction* TopMostMenuItem = nullptr;
    QAction* TransparencyMenuItem = nullptr;
    QAction* HomepageItem = nullptr;
    QAction* About = nullptr;
    QActionGroup* RoundSelectorGroup = nullptr;
};
