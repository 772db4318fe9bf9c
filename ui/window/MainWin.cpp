#include "ui/window/MainWin.h"

#include "model/AppData.h"
#include "ui/a11y/Accessibility.h"
#include "ui/widgets/CaptionFont.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/DeferredPolish.h"
#include "ui/window/ExpressionPanelMenu.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>

#include <cstdio>

TSettingsLocation TSettingsLocation::FromApplication() {
    TSettingsLocation location;
    location.Arguments = QCoreApplication::arguments().mid(1);
    return location;
}

TMainForm::TMainForm(QWidget* AParent) : TMainForm(TSettingsLocation::FromApplication(), AParent) {}

TMainForm::TMainForm(const TSettingsLocation& ALocation, QWidget* AParent) : QWidget(AParent) {
    new TDeferredPolish(this);
    RegisterCaptionFont();
    UseDesignFamiliesByDefault();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Zemtrix"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The design's light look until the desktop asks for another (FollowDesktop).
    setProperty(StyleNameProperty, LookStyleName(TLook::Light));
    BaseStyleSheet = LookStyleSheet(TLook::Light);
    setStyleSheet(BaseStyleSheet);
    BuildControls();
    FormCreate(ALocation);
    ApplyAccessibility(this);
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    if (qApp) qApp->removeEventFilter(this);
    // The controls' hooks call back into the window: the focus leaves them now, while the window
    // is whole, not when the base class destroys the controls (a TMainForm no longer).
    if (QWidget* focus = focusWidget()) focus->clearFocus();
    try {
        FormDestroy();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zemtrix: %s\n", error.what());
    }
}

void TMainForm::BuildControls() {
    // Later panels are drawn over earlier ones where they overlap.
    BuildKeypadPages();
    BuildHistoryPanel();
    BuildTransitionStages();
    BuildExpressionPanel();
    BuildPopupMenu();
    ConnectHistoryPanel();
    ConnectPages();
    SetTabOrder();
}

// Only what concerns the whole window: its shortcuts, at the first receiver of a key (the focus
// widget), and dragging the window by its panels. Widgets take their own keys through hooks.
bool TMainForm::eventFilter(QObject* AWatched, QEvent* AEvent) {
    auto* widget = qobject_cast<QWidget*>(AWatched);
    if (!widget || widget->window() != this) return QWidget::eventFilter(AWatched, AEvent);
    // Without a title bar the window is moved by dragging the expression panel's background.
    const bool isDragHandle = IsTransparency && (widget == ExpressionPanel || widget == Panel3);
    const auto* mouse = static_cast<const QMouseEvent*>(AEvent);
    switch (AEvent->type()) {
    case QEvent::KeyPress: {
        QWidget* receiver = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        auto* key = static_cast<QKeyEvent*>(AEvent);
        if (widget == receiver && (FormKeyDown(key) || ForwardKeyToExpressionLine(key)))
            return true;
        break;
    }
    case QEvent::ContextMenu: {
        // The Menu key also arrives as a request for the focused control's own menu (the line's
        // edit menu): the window's menu stands for them all.
        const auto* request = static_cast<QContextMenuEvent*>(AEvent);
        if (request->reason() != QContextMenuEvent::Keyboard) break;
        OpenPopupMenuByKey(request->globalPos());
        return true;
    }
    case QEvent::MouseButtonPress:
        if (isDragHandle && WindowDrag.HandleMouse(this, mouse, WindowControl.CanPlaceWindow))
            return true;
        // A key that does not take the focus (hidden, or in a window that is not active) would
        // leave the line's caret unsaved; save it before the key acts.
        if (qobject_cast<QAbstractButton*>(AWatched) && focusWidget() == ExpressionEdit)
            SaveExpressionCaret();
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (isDragHandle && WindowDrag.HandleMouse(this, mouse, WindowControl.CanPlaceWindow))
            return true;
        break;
    default: break;
    }
    return QWidget::eventFilter(AWatched, AEvent);
}
