#include "ui/MainWin.h"

#include "model/AppData.h"
#include "ui/Accessibility.h"
#include "ui/CaptionFont.h"
#include "ui/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QString LoadStyleSheet() {
    InitStyleResources(); // the resources live in a static library: make sure they are linked in
    QFile file(QStringLiteral(":/zemtrix/zemtrix.qss"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

TMainForm::TMainForm(QWidget* AParent) : QWidget(AParent) {
    RegisterCaptionFont();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Zemtrix"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setStyleSheet(LoadStyleSheet());

    RoundDecimal = -1;
    AppData = std::make_unique<TAppData>();
    BuildControls();
    ScientificPanelList << ScientificPanel << Option1Panel << VariablePanel;

    // Until the settings file is wired in, the window starts with the stored defaults.
    OptionButtonData.Assign(AppData->OptionButtonData());
    ApplyOptionButtonData();
    VariableButtonData.Assign(AppData->VariableButtonData());
    ApplyVariableButtonData();
    SelectRoundComboItem();
    UpdateRoundSelectorLabel();
    SetWindowScale(WindowScaleNumber);
    ApplyAccessibility(this);

    qApp->installEventFilter(this);
    ExpressionEdit->setFocus();
}

TMainForm::~TMainForm() {
    if (qApp) qApp->removeEventFilter(this);
}

void TMainForm::BuildControls() {
    // Later panels are drawn over earlier ones where they overlap.
    BuildButtonPanel();
    BuildScientificPanel();
    BuildOptionPanel();
    BuildVariablePanel();
    BuildHistoryPanel();
    BuildExpressionPanel();
    BuildPopupMenu();
}

bool TMainForm::eventFilter(QObject* AWatched, QEvent* AEvent) {
    switch (AEvent->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(AEvent);
        auto* widget = qobject_cast<QWidget*>(AWatched);
        if (!widget || widget->window() != this) break;
        // Window shortcuts first, once per key press: at its first receiver (the focus widget).
        QWidget* receiver = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (widget == receiver && FormKeyDown(key)) return true;
        if (AWatched == ExpressionEdit) return ExpressionEditKeyDown(key);
        if (AWatched == RoundCombo) return RoundComboKeyDown(key);
        break;
    }
    case QEvent::FocusOut:
        if (AWatched == ExpressionEdit) ExpressionEditExit();
        break;
    case QEvent::MouseButtonPress:
        // A key that does not take the focus (hidden, or in a window that is not active) would
        // leave the line's caret unsaved; save it before the key acts.
        if (qobject_cast<QAbstractButton*>(AWatched) && focusWidget() == ExpressionEdit &&
            static_cast<QWidget*>(AWatched)->window() == this)
            SaveExpressionCaret();
        break;
    case QEvent::MouseButtonRelease:
        if (AWatched == ExpressionEdit) ExpressionEditClick();
        if (AWatched == RoundCombo) RoundComboMouseUp(static_cast<QMouseEvent*>(AEvent)->button());
        break;
    default: break;
    }
    return QWidget::eventFilter(AWatched, AEvent);
}
