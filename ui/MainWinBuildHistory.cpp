#include "ui/Controls.h"
#include "ui/HistoryList.h"
#include "ui/MainWin.h"

#include <QListView>
#include <QPushButton>

namespace {

QListView* CreateHistoryListBox(QWidget* APanel, QAbstractItemModel* AModel) {
    auto* list = new QListView(APanel);
    list->setObjectName(QStringLiteral("HistoryListBox"));
    SetStyleName(list, QStringLiteral("HistoryListBoxStyle1"));
    SetDesignGeometry(list, QRect(0, 0, 344, 40));
    SetDesignFont(list, DesignFont({QStringLiteral("Segoe UI Semibold")}, 12, true));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new THistoryRowDelegate(list));
    list->setModel(AModel);
    SetAlign(list, TAlign::Client);
    return list;
}

} // namespace

void TMainForm::BuildHistoryPanel() {
    HistoryPanel = new TPanel(this);
    HistoryPanel->setObjectName(QStringLiteral("HistoryPanel"));
    SetDesignGeometry(HistoryPanel, QRect(0, 80, 344, 65));
    HistoryListModel = new THistoryListModel(
        ExpressionHistoryList,
        [this](const TExpressionHistory& AEntry) {
            return FormatResultValue(AEntry.IsPercent(), AEntry.RoundDecimal(),
                                     AEntry.ResultValue());
        },
        this);
    HistoryListBox = CreateHistoryListBox(HistoryPanel, HistoryListModel);
    HistoryPanelAnimation =
        new THistorySlide(HistoryPanel, QStringLiteral("HistoryPanelAnimation"));

    HistoryButtonPanel = new TPanel(HistoryPanel);
    HistoryButtonPanel->setObjectName(QStringLiteral("HistoryButtonPanel"));
    SetDesignGeometry(HistoryButtonPanel, QRect(0, 40, 344, 25));
    struct THistoryButton {
        const char* Name;
        const char* Caption;
        int X;
        void (TMainForm::*Click)();
    };
    // clang-format off
    static const THistoryButton buttons[] = {
        {"HistoryPanelSelectAllBtn", "All", 35, &TMainForm::HistoryPanelSelectAllBtnClick},
        {"HistoryPanelDelBtn", "Del", 72, &TMainForm::HistoryPanelDelBtnClick},
        {"HistoryPanelClearBtn", "Clear", 109, &TMainForm::HistoryPanelClearBtnClick},
        {"HistoryPanelSumBtn", "Sum", 152, &TMainForm::HistoryPanelSumBtnClick},
        {"HistoryPanelAverageBtn", "Ave", 189, &TMainForm::HistoryPanelAverageBtnClick},
        {"HistoryPanelCopyBtn", "Copy", 226, &TMainForm::HistoryPanelCopyBtnClick},
        {"HistoryPanelEditBtn", "Edit", 263, &TMainForm::HistoryPanelEditBtnClick},
        {"HistoryPanelCloseBtn", "Close", 305, &TMainForm::HistoryPanelCloseBtnClick},
    };
    // clang-format on
    for (const THistoryButton& design : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(design.Caption), HistoryButtonPanel);
        button->setObjectName(QString::fromLatin1(design.Name));
        SetStyleName(button, QStringLiteral("HistoryPanelBtnStyle"));
        SetDesignGeometry(button, QRect(design.X, 3, 36, 18));
        SetDesignFont(button, DesignFont({}, 10, true));
        connect(button, &QPushButton::clicked, this, design.Click);
    }
    SetAlign(HistoryButtonPanel, TAlign::Bottom);
    HistoryPanel->setVisible(false);
}

// The memory button belongs to the expression panel, built after the history panel.
void TMainForm::ConnectHistoryPanel() {
    connect(MemoryButton, &QPushButton::clicked, this, &TMainForm::MemoryButtonClick);
    connect(
        MemoryButton, &TKeyButton::MouseDown, this,
        [this](Qt::MouseButton AButton, Qt::KeyboardModifiers) { MemoryButtonMouseDown(AButton); });
    connect(HistoryListBox, &QAbstractItemView::doubleClicked, this,
            &TMainForm::HistoryPanelEditBtnClick);
    connect(HistoryPanelAnimation, &THistorySlide::Finished, this,
            &TMainForm::HistoryPanelAnimationFinish);
}
