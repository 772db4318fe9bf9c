// Window options: the zoom steps and the layout they drive, stay-on-top, the transparent mode,
// the home page and the about box; the looks and the motion the desktop asks for.

#include "ui/window/MainWin.h"

#include "model/AppData.h"
#include "model/StyleSheetScale.h"
#include "model/WindowLayout.h"
#include "ui/app/DesktopSettings.h"
#include "ui/history/HistoryPanel.h"
#include "ui/motion/PanelTransition.h"
#include "ui/motion/Viewport3D.h"
#include "ui/pages/NumericKeypad.h"
#include "ui/pages/OptionPage.h"
#include "ui/pages/ScientificPage.h"
#include "ui/pages/VariablePage.h"
#include "ui/widgets/Controls.h"
#include "ui/window/AboutWin.h"
#include "ui/window/ExpressionPanelMenu.h"
#include "ui/window/RoundCombo.h"
#include "ui/window/WindowFrame.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGraphicsOpacityEffect>
#include <QMessageBox>
#include <QUrl>

namespace {

constexpr qreal kTransparentOpacity = 0.5;

void SetOpacity(QWidget* AWidget, qreal AOpacity) {
    if (AOpacity >= 1.0) {
        AWidget->setGraphicsEffect(nullptr);
        return;
    }
    auto* effect = new QGraphicsOpacityEffect(AWidget);
    effect->setOpacity(AOpacity);
    AWidget->setGraphicsEffect(effect);
}

} // namespace

// The same address as the application's metadata gives.
const char* const TMainForm::HomepageUrl = "https://www.orvelmont.com/zemtrix/";

const char* const TMainForm::TopMostUnavailableTip = QT_TRANSLATE_NOOP(
    "TMainForm",
    "Not available on Wayland: only the compositor can keep a window above the others.");

void TMainForm::OverridePlatformNameForTests(const QString& AName) {
    TWindowFrame::OverridePlatformName(AName);
}

double TMainForm::ScaleFactor() const { return WindowLayout::ScaleOf(WindowScaleNumber); }

void TMainForm::SetClientSize(int AWidth, int AHeight) { setFixedSize(AWidth, AHeight); }

// During a transition the pictures stand for the panels at the old scale: the layout waits
// until the transition is over.
void TMainForm::SetWindowScale(int Step) {
    if (!WindowLayout::IsScaleStep(Step)) return;
    WindowScaleNumber = Step;
    if (IsTransitionRunning()) {
        IsLayoutPending = true;
        return;
    }
    const double s = ScaleFactor();
    const QPoint historyPosition = HistoryPanel->pos(); // scaling moves it to its design place
    ApplyScaledStyleSheet(s);
    for (QWidget* panel :
         {static_cast<QWidget*>(ExpressionPanel), static_cast<QWidget*>(ScientificPanel),
          static_cast<QWidget*>(Option1Panel), static_cast<QWidget*>(VariablePanel),
          static_cast<QWidget*>(ButtonPanel), static_cast<QWidget*>(HistoryPanel),
          static_cast<QWidget*>(NumericViewport), static_cast<QWidget*>(ScientificViewport)})
        ApplyDesignScale(panel, s);
    ArrangePanels();
    AlignKeypadPages();
    const float width = float(s) * WindowLayout::DesignClientWidth;
    if (IsAlwaysDisplayHistoryPanel) {
        PlaceHistoryPanel(width, 0);
    } else if (!HistoryPanel->isHidden()) {
        PlaceVisibleHistoryPanel(historyPosition);
    }
    SetClientSize(WindowLayout::ClientWidth(s, IsAlwaysDisplayHistoryPanel), height());
}

// The other pages and the transition stages share the place of the scientific page; the key-area
// stage reaches down over the keypad.
void TMainForm::AlignKeypadPages() {
    for (QWidget* page :
         {static_cast<QWidget*>(Option1Panel), static_cast<QWidget*>(VariablePanel),
          static_cast<QWidget*>(ScientificViewport), static_cast<QWidget*>(NumericViewport)})
        page->move(ScientificPanel->pos());
    const int stageHeight = WindowLayout::PageHeight + WindowLayout::KeypadHeight - 1;
    NumericViewport->resize(NumericViewport->width(),
                            WindowLayout::RoundHalfEven(ScaleFactor() * stageHeight));
}

void TMainForm::PlaceHistoryPanel(float X, float AVertical) {
    HistoryPanel->setGeometry(WindowLayout::HistoryPanelRect(ScaleFactor(), X, AVertical < 0,
                                                             IsScientificKey, IsNumericKey));
    HistoryPanel->raise();
}

// Borders, corner radii and the other lengths of the style sheet grow and shrink with the keys.
void TMainForm::ApplyScaledStyleSheet(double AScale) {
    if (AScale == StyleSheetScale) return;
    StyleSheetScale = AScale;
    setStyleSheet(ScaledStyleSheet(BaseStyleSheet, AScale));
}

void TMainForm::FollowDesktop(const TDesktopSettings& ASettings) {
    connect(&ASettings, &TDesktopSettings::LookChanged, this, &TMainForm::ApplyLook);
    connect(&ASettings, &TDesktopSettings::ReducedMotionChanged, this,
            &TMainForm::SetReducedMotion);
    ApplyLook(ASettings.Look());
    SetReducedMotion(ASettings.IsReducedMotion());
}

// The light look is the design's sheet alone; the others add theirs after it. Only colours and
// images change, so the layout stands as it is.
void TMainForm::ApplyLook(TLook ALook) {
    const QString name = LookStyleName(ALook);
    if (StyleName(this) == name) return;
    setProperty(StyleNameProperty, name);
    BaseStyleSheet = LookStyleSheet(ALook);
    setStyleSheet(ScaledStyleSheet(BaseStyleSheet, StyleSheetScale));
}

void TMainForm::SetReducedMotion(bool AIsReduced) {
    PanelTransition->SetReducedMotion(AIsReduced);
    HistoryPanel->SetReducedMotion(AIsReduced);
}

// An entry that seemed to work but changed nothing would mislead; it stays visible, so the tip
// can say why it does nothing here.
void TMainForm::ApplyWindowControl() {
    if (WindowControl.CanStayOnTop) return;
    ExpressionPanelPopupMenu->DisableTopMost(tr(TopMostUnavailableTip));
}

void TMainForm::TopMostMenuItemClick() {
    WindowFrame.SetStayOnTop(!WindowFrame.IsStayOnTop());
    ExpressionPanelPopupMenu->ShowTopMost(WindowFrame.IsStayOnTop());
}

void TMainForm::TransparencyMenuItemClick() {
    IsTransparency = !IsTransparency;
    ExpressionPanelPopupMenu->ShowTransparency(IsTransparency);
    ApplyTransparency();
}

// Frameless with a see-through background, the panels and both lists half opaque, the three
// header buttons hidden; off restores all of it.
void TMainForm::ApplyTransparency() {
    WindowFrame.SetTransparent(IsTransparency);
    const qreal opacity = IsTransparency ? kTransparentOpacity : 1.0;
    for (QWidget* widget :
         {static_cast<QWidget*>(ButtonPanel), static_cast<QWidget*>(ScientificPanel),
          static_cast<QWidget*>(Option1Panel), static_cast<QWidget*>(VariablePanel),
          static_cast<QWidget*>(HistoryPanel), static_cast<QWidget*>(ExpressionPanel),
          static_cast<QWidget*>(ScientificPanel->AngleUnitList()),
          static_cast<QWidget*>(RoundCombo)})
        SetOpacity(widget, opacity);
    for (QWidget* button : {ScientificKeyBtn, NumericKeyBtn, MemoryButton})
        button->setVisible(!IsTransparency);
}

// Turning it on is remembered even if it is turned off again before the end of the run: the file
// then says it is off, and the kept history goes.
void TMainForm::KeepHistoryItemClick() {
    IsKeepHistory = !IsKeepHistory;
    if (IsKeepHistory) AppData->MarkKeepHistoryUsed();
    ExpressionPanelPopupMenu->ShowKeepHistory(IsKeepHistory);
}

// Where no browser takes the address, a message says so and names it, so that the user can
// open it by hand.
void TMainForm::HomepageItemClick() {
    const QUrl url(QString::fromLatin1(HomepageUrl));
    if (QDesktopServices::openUrl(url)) return;
    QMessageBox::warning(this, tr("Homepage"),
                         tr("The home page could not be opened in a web browser.\n"
                            "Its address is %1")
                             .arg(url.toString()));
}

void TMainForm::AboutClick() {
    TAboutForm about(this);
    about.exec();
}

void TMainForm::ExpressionPanelDblClick() { SetWindowScale(0); }
