// Start-up and shutdown: the settings file is read once when the window is created and every
// stored setting reaches its control; the window's state is collected and written once when it
// is destroyed.

#include "ui/window/MainWin.h"

#include "model/AppData.h"
#include "model/HistoryFile.h"
#include "model/OptionButtonRow.h"
#include "model/WindowLayout.h"
#include "ui/history/HistoryPanel.h"
#include "ui/motion/PanelTransition.h"
#include "ui/pages/OptionPage.h"
#include "ui/pages/ScientificPage.h"
#include "ui/pages/VariablePage.h"
#include "ui/widgets/Controls.h"
#include "ui/window/ExpressionPanelMenu.h"
#include "ui/window/RoundCombo.h"

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>

#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace {

// A stored width that no double-click could have produced (negative, not a number, wider than
// the option grid) would break the page's layout; such a button gets the design width.
float SanitizedOptionWidth(float AWidth) {
    const bool isUsable =
        std::isfinite(AWidth) && AWidth >= 0 && AWidth <= OptionButtonRow::WidestButton;
    return isUsable ? AWidth : TOptionButtonData::DesignWidth;
}

// The screens as the window system reports them now.
std::vector<WindowLayout::TScreenArea> ScreenAreas() {
    std::vector<WindowLayout::TScreenArea> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.push_back({screen->geometry(), screen->availableGeometry()});
    return areas;
}

} // namespace

void TMainForm::FormCreate(const TSettingsLocation& ALocation) {
    DisplayFormat.RoundDecimal = RoundDecimalNormal;
    ClearExpressionHistory();
    ScientificPanelList.clear();
    ScientificPanelList << ScientificPanel << Option1Panel << VariablePanel;
    AppData = std::make_unique<TAppData>();
    AppData->SetProgramFolder(ALocation.ProgramFolder);
    AppData->SetUserConfigFolder(ALocation.UserConfigFolder);
    ApplyWindowControl();
    ApplySettings(ALocation);
    SetWindowScale(AppData->WindowScaleNumber);
    ExpressionEdit->setFocus();
}

QString TMainForm::SettingsFileName() const { return AppData->SettingsFileName(); }

void TMainForm::ApplySettings(const TSettingsLocation& ALocation) {
    DesignClientWidth = WindowLayout::DesignClientWidth;
    DesignClientHeight = WindowLayout::DesignClientHeight;
    AppData->SetIsAppDataFolder(HasAppDataFolderSwitch(ALocation.Arguments));
    AppData->Read();
    LoadKeptHistory();
    ApplyWindowPosition();
    IsStartPositionPending = true;
    ScientificPanelNumber = AppData->PanelNumber;
    IsScientificKey = AppData->IsScientificKey;
    IsNumericKey = AppData->IsNumericKey;
    AnimateNumericPanelStyle = AppData->AnimateNumericPanelStyle;
    AnimateScientificPanelStyle = AppData->AnimateScientificPanelStyle;
    if (AppData->IsTopMost && WindowControl.CanStayOnTop) {
        WindowFrame.SetStayOnTop(true);
        ExpressionPanelPopupMenu->ShowTopMost(true);
    }
    IsTransparency = AppData->IsTransparency;
    ExpressionPanelPopupMenu->ShowTransparency(IsTransparency);
    ApplyTransparency();
    IsKeepHistory = AppData->IsKeepHistory;
    ExpressionPanelPopupMenu->ShowKeepHistory(IsKeepHistory);
    IsAlwaysDisplayHistoryPanel = AppData->IsAlwaysDisplayHistoryPanel;
    DisplayFormat.IsDigitGroupingSeparator = AppData->IsDigitGroupingSeparator;
    DisplayFormat.RoundDecimal = AppData->RoundDecimal;
    RoundCombo->SelectRoundComboItem(DisplayFormat.RoundDecimal);
    SetRoundSelector(AppData->RoundSelector);
    OptionButtonData.Assign(AppData->OptionButtonData());
    for (int number = 1; number <= TOptionButtonData::Count; ++number)
        OptionButtonData.SetWidth(number, SanitizedOptionWidth(OptionButtonData.GetWidth(number)));
    Option1Panel->ApplyOptionButtonData();
    VariableButtonData.Assign(AppData->VariableButtonData());
    VariablePanel->ApplyVariableButtonData();
    ArrangePanels();
}

// A stored left edge of 0 or more places the window's frame there, moved as little as needed
// for the window, at the size it opens with, to lie wholly inside the available area of the
// screen that shows the most of it. A window no screen would show at all is placed by the
// system, and so is every window where only the compositor places windows (Wayland). The frame
// the window system draws is known once the window is shown: the position is then taken again.
void TMainForm::ApplyWindowPosition() {
    if (AppData->Left < 0 || !WindowControl.CanPlaceWindow) return;
    const int step =
        WindowLayout::IsScaleStep(AppData->WindowScaleNumber) ? AppData->WindowScaleNumber : 0;
    const QSize client =
        WindowLayout::ClientSizeAt(step, AppData->IsAlwaysDisplayHistoryPanel,
                                   AppData->IsScientificKey, AppData->IsNumericKey);
    const QMargins margins = WindowLayout::FrameMargins(frameGeometry(), geometry());
    const QRect stored(QPoint(AppData->Left, AppData->Top), client.grownBy(margins));
    const std::vector<WindowLayout::TScreenArea> screens = ScreenAreas();
    if (const std::optional<QPoint> position = WindowLayout::StartPosition(stored, screens))
        move(*position);
}

// What could not be read is said on standard error; the window starts with what could.
void TMainForm::LoadKeptHistory() {
    THistoryReadResult kept = ::LoadKeptHistory(*AppData);
    for (const QString& line : HistoryReadReport(kept))
        std::fprintf(stderr, "zemtrix: %s\n", qPrintable(line));
    if (!kept.Entries.empty()) HistoryListModel->Replace(std::move(kept.Entries));
}

void TMainForm::showEvent(QShowEvent* AEvent) {
    QWidget::showEvent(AEvent);
    if (std::exchange(IsStartPositionPending, false)) ApplyWindowPosition();
    FormShow();
}

void TMainForm::FormShow() {
    if (!IsAlwaysDisplayHistoryPanel) return;
    HistoryPanel->setVisible(true);
    SetWindowScale(WindowScaleNumber);
}

// The history is freed after it is written with the settings, also when the writing fails.
void TMainForm::FormDestroy() {
    if (IsFormDestroyed) return;
    IsFormDestroyed = true;
    DeferredInput.Clear();
    PanelTransition->Finish(); // the session may end in the middle of one
    const auto freeHistory = qScopeGuard([this] { ClearExpressionHistory(); });
    CollectSettings();
}

// Where the window system neither reports a real position nor keeps a window on top (Wayland),
// the stored position and "Top most" are written back as read: they still hold for the next
// run under X11.
void TMainForm::CollectSettings() {
    if (WindowControl.CanPlaceWindow) {
        AppData->Left = pos().x();
        AppData->Top = pos().y();
    }
    // The page is taken from what is shown, so a hidden scientific area stores page 0.
    AppData->PanelNumber = !Option1Panel->isHidden() ? 1 : !VariablePanel->isHidden() ? 2 : 0;
    AppData->IsScientificKey = IsScientificKey;
    AppData->IsNumericKey = IsNumericKey;
    AppData->AnimateNumericPanelStyle = AnimateNumericPanelStyle;
    AppData->AnimateScientificPanelStyle = AnimateScientificPanelStyle;
    AppData->IsDigitGroupingSeparator = DisplayFormat.IsDigitGroupingSeparator;
    if (WindowControl.CanStayOnTop) AppData->IsTopMost = WindowFrame.IsStayOnTop();
    AppData->IsTransparency = IsTransparency;
    AppData->IsKeepHistory = IsKeepHistory;
    AppData->IsAlwaysDisplayHistoryPanel = IsAlwaysDisplayHistoryPanel;
    AppData->WindowScaleNumber = WindowScaleNumber;
    AppData->RoundDecimal = DisplayFormat.RoundDecimal;
    AppData->RoundSelector = DisplayFormat.RoundSelector;
    AppData->OptionButtonData().Assign(OptionButtonData);
    VariablePanel->CollectVariableButtonData();
    AppData->VariableButtonData().Assign(VariableButtonData);
    WriteSettingsAndHistory(*AppData, ExpressionHistoryList);
}
