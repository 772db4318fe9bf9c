// The expression panel: the three header buttons, the decimals list, the expression line and the
// result line, and the popup menu they share.

#include "ui/widgets/Controls.h"
#include "ui/widgets/EventHook.h"
#include "ui/window/ExpressionPanelMenu.h"
#include "ui/window/ExpressionPaste.h"
#include "ui/window/MainWin.h"
#include "ui/window/ResultLine.h"
#include "ui/window/RoundCombo.h"

#include <QLabel>
#include <QLineEdit>

namespace {

template <typename TLabel = QLabel>
TLabel* CreateLabel(QWidget* AParent, const char* AName, const QString& AText, const QRect& ARect,
                    int APixelSize) {
    auto* label = new TLabel(AParent);
    label->setText(AText);
    label->setObjectName(QString::fromLatin1(AName));
    SetDesignGeometry(label, ARect);
    SetDesignFont(label, DesignFont({}, APixelSize, true));
    return label;
}

// Right-clicking AWidget opens AMenu at the pointer.
void OpenMenuOnRightClick(QWidget* AWidget, QMenu* AMenu) {
    AWidget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(AWidget, &QWidget::customContextMenuRequested, AMenu,
                     [AWidget, AMenu](const QPoint& APosition) {
                         AMenu->popup(AWidget->mapToGlobal(APosition));
                     });
}

} // namespace

void TMainForm::BuildExpressionPanel() {
    ExpressionPanel = new TPanel(this);
    ExpressionPanel->setObjectName(QStringLiteral("ExpressionPanel"));
    SetDesignGeometry(ExpressionPanel, QRect(0, 0, 344, 113));
    connect(ExpressionPanel, &TPanel::DoubleClicked, this, &TMainForm::ExpressionPanelDblClick);

    // The header keys' captions are translated; a caption too long for its key is drawn smaller
    // or cut short, with the whole of it in the tooltip.
    ScientificKeyBtn = CreateKey(
        ExpressionPanel, {"ScientificKeyBtn", "", "ScientificKeyBtnStyle", 16, 6, 70, 18, 10});
    ScientificKeyBtn->setText(tr("Scientific key"));
    NumericKeyBtn = CreateKey(ExpressionPanel,
                              {"NumericKeyBtn", "", "ScientificKeyBtnStyle", 97, 6, 70, 18, 10});
    NumericKeyBtn->setText(tr("Numeric key"));
    MemoryButton = CreateKey(ExpressionPanel,
                             {"MemoryButton", "", "ScientificKeyBtnStyle", 178, 6, 70, 18, 10});
    MemoryButton->setText(tr("Memory", "the key that shows the history"));
    RoundCombo = new TRoundCombo(ExpressionPanel);

    Panel3 = new TPanel(ExpressionPanel);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    SetStyleName(Panel3, QStringLiteral("Panel3Style1"));
    SetDesignGeometry(Panel3, QRect(16, 30, 313, 71));

    ExpressionEdit = new QLineEdit(Panel3);
    ExpressionEdit->setObjectName(QStringLiteral("ExpressionEdit"));
    SetStyleName(ExpressionEdit, QStringLiteral("ExpressionEditStyle1"));
    SetDesignGeometry(ExpressionEdit, QRect(8, 12, 297, 23));
    SetDesignFont(ExpressionEdit, DesignFont({QStringLiteral("メイリオ")}, 14, true));

    ResultLabel = CreateLabel<TResultLine>(Panel3, "ResultLabel", QStringLiteral("0"),
                                           QRect(8, 35, 297, 33), 20);
    SetStyleName(ResultLabel, QStringLiteral("ResultLabelStyle1"));
    ResultLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    RoundSelectorLabel =
        CreateLabel(ResultLabel, "RoundSelectorLabel", QString(), QRect(0, 0, 0, 33), 9);
    RoundSelectorLabel->setWordWrap(false);
    // Before the line's other hooks, which then see its keys and clicks first.
    new TExpressionPaste(ExpressionEdit);
    HookExpressionPanelEvents();
}

// The line's own keys, clicks and focus, and what the decimals list chose; window shortcuts come
// first, through the window's filter.
void TMainForm::HookExpressionPanelEvents() {
    OnKeyDown(ExpressionEdit, [this](QKeyEvent* AEvent) { return ExpressionEditKeyDown(AEvent); });
    OnMouseUp(ExpressionEdit, [this](QMouseEvent*) { ExpressionEditClick(); });
    OnFocusOut(ExpressionEdit, [this] { ExpressionEditExit(); });
    OnEvent(ExpressionEdit, QEvent::FocusIn, [this](QEvent*) {
        ExpressionEditEnter();
        return false;
    });
    connect(RoundCombo, &TRoundCombo::RoundDecimalChosen, this, &TMainForm::RoundComboChange);
    connect(RoundCombo, &TRoundCombo::Confirmed, this, [this] { ExpressionEdit->setFocus(); });
}

void TMainForm::BuildPopupMenu() {
    ExpressionPanelPopupMenu = new TExpressionPanelMenu(this);
    using TMenu = TExpressionPanelMenu;
    TMenu* menu = ExpressionPanelPopupMenu;
    connect(menu, &TMenu::CopyChosen, this, &TMainForm::CopyBtnClick);
    connect(menu, &TMenu::DigitGroupingSeparatorChosen, this,
            &TMainForm::DigitGroupingSeparatorItemClick);
    connect(menu, &TMenu::RoundSelectorChosen, this, &TMainForm::RoundSelectorItemClick);
    connect(menu, &TMenu::TopMostChosen, this, &TMainForm::TopMostMenuItemClick);
    connect(menu, &TMenu::TransparencyChosen, this, &TMainForm::TransparencyMenuItemClick);
    connect(menu, &TMenu::KeepHistoryChosen, this, &TMainForm::KeepHistoryItemClick);
    connect(menu, &TMenu::HomepageChosen, this, &TMainForm::HomepageItemClick);
    connect(menu, &TMenu::AboutChosen, this, &TMainForm::AboutClick);

    for (QWidget* widget :
         {static_cast<QWidget*>(ExpressionPanel), static_cast<QWidget*>(Panel3),
          static_cast<QWidget*>(ResultLabel), static_cast<QWidget*>(RoundSelectorLabel)})
        OpenMenuOnRightClick(widget, menu);
    // A right press on a header button is the button's own (it docks the history on "Memory").
    for (QWidget* button : {ScientificKeyBtn, NumericKeyBtn, MemoryButton})
        button->setContextMenuPolicy(Qt::PreventContextMenu);
}
