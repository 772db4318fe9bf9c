#include "ui/widgets/Controls.h"
#include "ui/widgets/EventHook.h"
#include "ui/window/MainWin.h"

#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {

struct TRoundEntry {
    const char* Name;
    const char* Caption;
    int Tag;
};
// clang-format off
constexpr TRoundEntry kRoundEntries[] = {
    {"RoundItemNorm", "Normal", -1}, {"RoundItemD0", "0", 0},         {"RoundItemD1", "0.0", 1},
    {"RoundItemD2", "0.00", 2},      {"RoundItemD3", "0.000", 3},     {"RoundItemD4", "0.0000", 4},
    {"RoundItemD5", "0.00000", 5},
};
// clang-format on

QComboBox* CreateRoundCombo(QWidget* AParent) {
    auto* combo = new QComboBox(AParent);
    combo->setObjectName(QStringLiteral("RoundCombo"));
    SetStyleName(combo, QStringLiteral("RoundComboStyle"));
    SetDesignGeometry(combo, QRect(259, 6, 70, 18));
    SetDesignFont(combo, DesignFont({}, 10, true));
    combo->setMaxVisibleItems(9);
    UseStyledComboItems(combo);
    const QSignalBlocker blocker(combo);
    for (const TRoundEntry& entry : kRoundEntries)
        AddComboItem(combo, QString::fromLatin1(entry.Caption), entry.Tag,
                     QString::fromLatin1(entry.Name));
    combo->setCurrentIndex(0);
    return combo;
}

QLabel* CreateLabel(QWidget* AParent, const char* AName, const QString& AText, const QRect& ARect,
                    int APixelSize) {
    auto* label = new QLabel(AText, AParent);
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

    ScientificKeyBtn = CreateKey(ExpressionPanel, {"ScientificKeyBtn", "Scientific key",
                                                   "ScientificKeyBtnStyle", 16, 6, 70, 18, 10});
    NumericKeyBtn = CreateKey(ExpressionPanel, {"NumericKeyBtn", "Numeric key",
                                                "ScientificKeyBtnStyle", 97, 6, 70, 18, 10});
    MemoryButton = CreateKey(
        ExpressionPanel, {"MemoryButton", "Memory", "ScientificKeyBtnStyle", 178, 6, 70, 18, 10});
    RoundCombo = CreateRoundCombo(ExpressionPanel);
    connect(RoundCombo, &QComboBox::currentIndexChanged, this, &TMainForm::RoundComboChange);

    Panel3 = new TPanel(ExpressionPanel);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    SetStyleName(Panel3, QStringLiteral("Panel3Style1"));
    SetDesignGeometry(Panel3, QRect(16, 30, 313, 71));

    ExpressionEdit = new QLineEdit(Panel3);
    ExpressionEdit->setObjectName(QStringLiteral("ExpressionEdit"));
    SetStyleName(ExpressionEdit, QStringLiteral("ExpressionEditStyle1"));
    SetDesignGeometry(ExpressionEdit, QRect(8, 12, 297, 23));
    SetDesignFont(ExpressionEdit, DesignFont({QStringLiteral("メイリオ")}, 14, true));

    ResultLabel =
        CreateLabel(Panel3, "ResultLabel", QStringLiteral("0"), QRect(8, 35, 297, 33), 20);
    SetStyleName(ResultLabel, QStringLiteral("ResultLabelStyle1"));
    ResultLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    RoundSelectorLabel =
        CreateLabel(ResultLabel, "RoundSelectorLabel", QString(), QRect(0, 0, 0, 33), 9);
    RoundSelectorLabel->setWordWrap(false);
    HookExpressionPanelEvents();
}

// The line's and the decimals list's own keys, clicks and focus; window shortcuts come first,
// through the window's filter.
void TMainForm::HookExpressionPanelEvents() {
    OnKeyDown(ExpressionEdit, [this](QKeyEvent* AEvent) { return ExpressionEditKeyDown(AEvent); });
    OnMouseUp(ExpressionEdit, [this](QMouseEvent*) { ExpressionEditClick(); });
    OnFocusOut(ExpressionEdit, [this] { ExpressionEditExit(); });
    OnEvent(ExpressionEdit, QEvent::FocusIn, [this](QEvent*) {
        ExpressionEditEnter();
        return false;
    });
    OnKeyDown(RoundCombo, [this](QKeyEvent* AEvent) { return RoundComboKeyDown(AEvent); });
    OnMouseUp(RoundCombo, [this](QMouseEvent* AEvent) { RoundComboMouseUp(AEvent->button()); });
    OnKeyDown(RoundCombo->view(),
              [this](QKeyEvent* AEvent) { return RoundComboListKeyDown(AEvent); });
}

void TMainForm::BuildPopupMenu() {
    ExpressionPanelPopupMenu = new QMenu(this);
    ExpressionPanelPopupMenu->setObjectName(QStringLiteral("ExpressionPanelPopupMenu"));
    RoundSelectorGroup = new QActionGroup(ExpressionPanelPopupMenu);
    RoundSelectorGroup->setObjectName(QStringLiteral("RoundSelectorGroup"));
    RoundSelectorGroup->setExclusive(true);

    struct TMenuEntry {
        const char* Name;
        const char* Caption; // "-": a separator line
        QAction* TMainForm::*Field;
        void (TMainForm::*Click)();
        bool IsToggle;
        bool IsRadio;
    };
    // clang-format off
    static const TMenuEntry entries[] = {
        {"CopyItem", "Copy", &TMainForm::CopyItem, &TMainForm::CopyBtnClick, false, false},
        {"MenuItem2", "-", nullptr, nullptr, false, false},
        {"DigitGroupingSeparatorItem", "Digit grouping separator", &TMainForm::DigitGroupingSeparatorItem,
         &TMainForm::DigitGroupingSeparatorItemClick, true, false},
        {"MenuItem5", "-", nullptr, nullptr, false, false},
        {"RoundOffItem", "Round off (5/4)", &TMainForm::RoundOffItem, &TMainForm::RoundOffItemClick, false, true},
        {"RoundCutOffItem", "Cut off (CUT)", &TMainForm::RoundCutOffItem, &TMainForm::RoundCutOffItemClick, false,
         true},
        {"RoundUpItem", "Round up (UP)", &TMainForm::RoundUpItem, &TMainForm::RoundUpItemClick, false, true},
        {"MenuItem3", "-", nullptr, nullptr, false, false},
        {"TopMostMenuItem", "Top most", &TMainForm::TopMostMenuItem, &TMainForm::TopMostMenuItemClick, true, false},
        {"TransparencyMenuItem", "Transparency", &TMainForm::TransparencyMenuItem,
         &TMainForm::TransparencyMenuItemClick, true, false},
        {"MenuItem1", "-", nullptr, nullptr, false, false},
        {"HomepageItem", "Homepage", &TMainForm::HomepageItem, &TMainForm::HomepageItemClick, false, false},
        {"About", "Version", &TMainForm::About, &TMainForm::AboutClick, false, false},
    };
    // clang-format on
    for (const TMenuEntry& entry : entries) {
        const bool isSeparator = QByteArrayView(entry.Caption) == "-";
        QAction* action =
            isSeparator ? ExpressionPanelPopupMenu->addSeparator()
                        : ExpressionPanelPopupMenu->addAction(QString::fromLatin1(entry.Caption));
        action->setObjectName(QString::fromLatin1(entry.Name));
        action->setCheckable(entry.IsToggle || entry.IsRadio);
        if (entry.IsRadio) RoundSelectorGroup->addAction(action);
        if (entry.Field) this->*entry.Field = action;
        if (entry.Click) connect(action, &QAction::triggered, this, entry.Click);
    }
    RoundOffItem->setChecked(true);
    ExpressionPanelPopupMenu->setToolTipsVisible(true); // an entry that cannot be used says why

    for (QWidget* widget :
         {static_cast<QWidget*>(ExpressionPanel), static_cast<QWidget*>(Panel3),
          static_cast<QWidget*>(ResultLabel), static_cast<QWidget*>(RoundSelectorLabel)})
        OpenMenuOnRightClick(widget, ExpressionPanelPopupMenu);
    // A right press on a header button is the button's own (it docks the history on "Memory").
    for (QWidget* button : {ScientificKeyBtn, NumericKeyBtn, MemoryButton})
        button->setContextMenuPolicy(Qt::PreventContextMenu);
}
