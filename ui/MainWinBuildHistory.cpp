#include "ui/Controls.h"
#include "ui/MainWin.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <cmath>

namespace {

// One history row: the formula on the upper line, the result right-aligned on the lower one,
// with side margins. Background, selection and the separator line come from the style sheet.
class THistoryRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int LineHeight = 17;
    static constexpr int Margin = 10;

    QSize sizeHint(const QStyleOptionViewItem& AOption, const QModelIndex&) const override {
        return {AOption.rect.width(), Scaled(AOption.widget, 2 * LineHeight)};
    }

    void paint(QPainter* APainter, const QStyleOptionViewItem& AOption, const QModelIndex& AIndex) const override {
        QStyleOptionViewItem option = AOption;
        initStyleOption(&option, AIndex);
        option.text.clear();
        const QWidget* view = AOption.widget;
        view->style()->drawControl(QStyle::CE_ItemViewItem, &option, APainter, view);

        const int margin = Scaled(view, Margin);
        const int line = Scaled(view, LineHeight);
        const QRect text = AOption.rect.adjusted(margin, 0, -margin, 0);
        const bool isSelected = AOption.state & QStyle::State_Selected;
        APainter->save();
        APainter->setFont(AOption.font);
        APainter->setPen(AOption.palette.color(isSelected ? QPalette::HighlightedText : QPalette::Text));
        const QRect upper(text.left(), text.top(), text.width(), line);
        const QRect lower(text.left(), text.top() + line, text.width(), line);
        const QFontMetrics metrics(AOption.font);
        APainter->drawText(upper, Qt::AlignLeft | Qt::AlignVCenter,
                           metrics.elidedText(AIndex.data(Qt::DisplayRole).toString(), Qt::ElideRight, upper.width()));
        APainter->drawText(lower, Qt::AlignRight | Qt::AlignVCenter,
                           AIndex.data(HistoryResultValueRole).toString());
        APainter->restore();
    }

private:
    static int Scaled(const QWidget* AView, int AValue) {
        return int(std::lround(AValue * (AView ? CurrentDesignScale(AView) : 1.0)));
    }
};

struct THistoryButton {
    const char* Name;
    const char* Caption;
    int X;
};
constexpr THistoryButton kHistoryButtons[] = {
    {"HistoryPanelSelectAllBtn", "All", 35}, {"HistoryPanelDelBtn", "Del", 72},
    {"HistoryPanelClearBtn", "Clear", 109},  {"HistoryPanelSumBtn", "Sum", 152},
    {"HistoryPanelAverageBtn", "Ave", 189},  {"HistoryPanelCopyBtn", "Copy", 226},
    {"HistoryPanelEditBtn", "Edit", 263},    {"HistoryPanelCloseBtn", "Close", 305},
};

QListWidget* CreateHistoryListBox(QWidget* APanel) {
    auto* list = new QListWidget(APanel);
    list->setObjectName(QStringLiteral("HistoryListBox"));
    SetStyleName(list, QStringLiteral("HistoryListBoxStyle1"));
    SetDesignGeometry(list, QRect(0, 0, 344, 40));
    SetDesignFont(list, DesignFont({QStringLiteral("Segoe UI Semibold")}, 12, true));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new THistoryRowDelegate(list));
    SetAlign(list, TAlign::Client);
    return list;
}

TPanel* CreateHistoryButtonPanel(QWidget* APanel) {
    auto* strip = new TPanel(APanel);
    strip->setObjectName(QStringLiteral("HistoryButtonPanel"));
    SetDesignGeometry(strip, QRect(0, 40, 344, 25));
    for (const THistoryButton& design : kHistoryButtons) {
        auto* button = new QPushButton(QString::fromLatin1(design.Caption), strip);
        button->setObjectName(QString::fromLatin1(design.Name));
        SetStyleName(button, QStringLiteral("HistoryPanelBtnStyle"));
        SetDesignGeometry(button, QRect(design.X, 3, 36, 18));
        SetDesignFont(button, DesignFont({}, 10, true));
    }
    SetAlign(strip, TAlign::Bottom);
    return strip;
}

} // namespace

void TMainForm::BuildHistoryPanel() {
    HistoryPanel = new TPanel(this);
    HistoryPanel->setObjectName(QStringLiteral("HistoryPanel"));
    SetDesignGeometry(HistoryPanel, QRect(0, 80, 344, 65));
    HistoryListBox = CreateHistoryListBox(HistoryPanel);
    HistoryButtonPanel = CreateHistoryButtonPanel(HistoryPanel);
    HistoryPanel->setVisible(false);
}
