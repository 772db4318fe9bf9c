#include "ui/history/HistoryList.h"

#include "ui/widgets/Controls.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <QWidget>

#include <algorithm>
#include <cmath>

THistoryListModel::THistoryListModel(THistoryEntries& AEntries, TFormatter AFormatter,
                                     QObject* AParent)
    : QAbstractListModel(AParent), FEntries(AEntries), FFormatter(std::move(AFormatter)) {}

int THistoryListModel::rowCount(const QModelIndex& AParent) const {
    return AParent.isValid() ? 0 : int(FEntries.size());
}

// Texts are made when a row is drawn, so a long history costs nothing until it is scrolled to.
QVariant THistoryListModel::data(const QModelIndex& AIndex, int ARole) const {
    if (!checkIndex(AIndex, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TExpressionHistory& entry = Entry(AIndex.row());
    switch (ARole) {
    case Qt::DisplayRole: return entry.Expression();
    case ResultTextRole: return ResultText(entry);
    // A screen reader names the row as it would be read out: "1+2 equals 3".
    case Qt::AccessibleTextRole:
        return tr("%1 equals %2", "a history row read out: formula equals result")
            .arg(entry.Expression(), ResultText(entry));
    default: return {};
    }
}

// A stored result that the current rounding mode cannot show (CUT or UP out of range) reads
// "Error".
QString THistoryListModel::ResultText(const TExpressionHistory& AEntry) const {
    try {
        return FFormatter(AEntry);
    } catch (const std::exception&) {
        return QStringLiteral("Error");
    }
}

void THistoryListModel::Refresh() {
    beginResetModel();
    endResetModel();
}

void THistoryListModel::InsertFirst(std::unique_ptr<TExpressionHistory> AEntry) {
    beginInsertRows({}, 0, 0);
    FEntries.insert(FEntries.begin(), std::move(AEntry));
    endInsertRows();
}

void THistoryListModel::MoveToFirst(int ARow) {
    if (ARow <= 0 || ARow >= rowCount()) return;
    beginMoveRows({}, ARow, ARow, {}, 0);
    std::rotate(FEntries.begin(), FEntries.begin() + ARow, FEntries.begin() + ARow + 1);
    endMoveRows();
}

// Runs of neighbouring rows go at once, from the last run up, so that "All" then "Del" on a long
// history is one removal and the rows still to be removed keep their numbers.
void THistoryListModel::RemoveEntries(std::vector<int> ARows) {
    std::sort(ARows.begin(), ARows.end());
    ARows.erase(std::unique(ARows.begin(), ARows.end()), ARows.end());
    ARows.erase(std::remove_if(ARows.begin(), ARows.end(),
                               [this](int ARow) { return ARow < 0 || ARow >= rowCount(); }),
                ARows.end());
    auto runEnd = ARows.end();
    while (runEnd != ARows.begin()) {
        auto runStart = runEnd - 1;
        while (runStart != ARows.begin() && *(runStart - 1) == *runStart - 1) --runStart;
        const int first = *runStart;
        const int last = *(runEnd - 1);
        beginRemoveRows({}, first, last);
        FEntries.erase(FEntries.begin() + first, FEntries.begin() + last + 1);
        endRemoveRows();
        runEnd = runStart;
    }
}

void THistoryListModel::Clear() {
    beginResetModel();
    while (!FEntries.empty()) FEntries.pop_back();
    endResetModel();
}

void THistoryListModel::Replace(THistoryEntries AEntries) {
    beginResetModel();
    while (!FEntries.empty()) FEntries.pop_back();
    FEntries = std::move(AEntries);
    endResetModel();
}

namespace {

int Scaled(const QWidget* AView, int AValue) {
    return int(std::lround(AValue * (AView ? CurrentDesignScale(AView) : 1.0)));
}

} // namespace

QSize THistoryRowDelegate::sizeHint(const QStyleOptionViewItem& AOption, const QModelIndex&) const {
    return {AOption.rect.width(), Scaled(AOption.widget, 2 * LineHeight)};
}

void THistoryRowDelegate::paint(QPainter* APainter, const QStyleOptionViewItem& AOption,
                                const QModelIndex& AIndex) const {
    QStyleOptionViewItem option = AOption;
    initStyleOption(&option, AIndex);
    option.text.clear();
    const QWidget* view = AOption.widget;
    QStyle* style = view ? view->style() : nullptr;
    if (style) style->drawControl(QStyle::CE_ItemViewItem, &option, APainter, view);

    const int margin = Scaled(view, Margin);
    const int line = Scaled(view, LineHeight);
    const QRect text = AOption.rect.adjusted(margin, 0, -margin, 0);
    const bool isSelected = AOption.state & QStyle::State_Selected;
    APainter->save();
    APainter->setFont(AOption.font);
    APainter->setPen(
        AOption.palette.color(isSelected ? QPalette::HighlightedText : QPalette::Text));
    const QRect upper(text.left(), text.top(), text.width(), line);
    const QRect lower(text.left(), text.top() + line, text.width(), line);
    const QFontMetrics metrics(AOption.font);
    APainter->drawText(
        upper, Qt::AlignLeft | Qt::AlignVCenter,
        metrics.elidedText(AIndex.data(Qt::DisplayRole).toString(), Qt::ElideRight, upper.width()));
    APainter->drawText(lower, Qt::AlignRight | Qt::AlignVCenter,
                       AIndex.data(THistoryListModel::ResultTextRole).toString());
    APainter->restore();
}

THistorySlide::THistorySlide(QWidget* AWidget, const QString& AAnimationName)
    : QObject(AWidget), FWidget(AWidget),
      FAnimation(new QPropertyAnimation(this, "PositionY", this)) {
    FAnimation->setObjectName(AAnimationName);
    FAnimation->setDuration(DurationMs);
    FAnimation->setEasingCurve(QEasingCurve::InQuad);
    FAnimation->setEndValue(qreal(0));
    FAnimation->setStartValue(qreal(0));
    connect(FAnimation, &QAbstractAnimation::finished, this, [this] { emit Finished(FIsInverse); });
}

qreal THistorySlide::PositionY() const { return FWidget->y(); }

void THistorySlide::SetPositionY(qreal AY) { FWidget->move(FWidget->x(), int(std::lround(AY))); }

void THistorySlide::Open(qreal AStartY) {
    if (!IsRunning()) FAnimation->setStartValue(AStartY);
    Run(false);
}

void THistorySlide::Close(qreal AStartY) {
    if (!IsRunning()) FAnimation->setStartValue(AStartY);
    Run(true);
}

void THistorySlide::Stop() { FAnimation->stop(); }

bool THistorySlide::IsRunning() const { return FAnimation->state() == QAbstractAnimation::Running; }

void THistorySlide::SetStartY(qreal AStartY) { FAnimation->setStartValue(AStartY); }

// Turning a running animation round keeps its current time: the widget goes back the way it came,
// without a jump, and takes as long as it has come so far.
void THistorySlide::Run(bool AIsInverse) {
    FIsInverse = AIsInverse;
    if (FIsInstant) {
        FAnimation->stop();
        SetPositionY((AIsInverse ? FAnimation->startValue() : FAnimation->endValue()).toReal());
        emit Finished(AIsInverse);
        return;
    }
    FAnimation->setDirection(AIsInverse ? QAbstractAnimation::Backward
                                        : QAbstractAnimation::Forward);
    if (!IsRunning()) FAnimation->start();
}
