#pragma once

// The history panel's parts: a list model over the window's history entries (row i is entry i,
// always, because every change of the entries goes through the model), the delegate that draws a
// row, and the slide that moves the panel in from above the window and back.

#include "model/ExpressionHistory.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include <functional>
#include <memory>
#include <vector>

class QPropertyAnimation;

using THistoryEntries = std::vector<std::unique_ptr<TExpressionHistory>>;

// Rows of the history list: the display role is the entry's formula, ResultTextRole the entry's
// result as the formatter writes it (a formatter that throws gives "Error"), the accessible text
// "formula equals result".
class THistoryListModel : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int ResultTextRole = Qt::UserRole + 1;
    using TFormatter = std::function<QString(const TExpressionHistory&)>;

    // AEntries stays owned by the caller and must outlive the model; change it only through the
    // model from now on.
    THistoryListModel(THistoryEntries& AEntries, TFormatter AFormatter, QObject* AParent = nullptr);

    int rowCount(const QModelIndex& AParent = {}) const override;
    QVariant data(const QModelIndex& AIndex, int ARole) const override;

    const TExpressionHistory& Entry(int ARow) const { return *FEntries[std::size_t(ARow)]; }

    // Every row drawn afresh from the entries; views lose their selection and current row.
    void Refresh();
    void InsertFirst(std::unique_ptr<TExpressionHistory> AEntry);
    // The entry of ARow becomes row 0, the rows above it move one down.
    void MoveToFirst(int ARow);
    // Destroys the entries of ARows (in any order, each once); the others keep their order.
    void RemoveEntries(std::vector<int> ARows);
    // Destroys every entry, the last one first.
    void Clear();
    // Every entry destroyed as by Clear, then AEntries (newest first) taken as the rows.
    void Replace(THistoryEntries AEntries);

private:
    QString ResultText(const TExpressionHistory& AEntry) const;

    THistoryEntries& FEntries;
    TFormatter FFormatter;
};

// Draws a row: the formula on the upper line, the result right-aligned on the lower one, with side
// margins, all scaled with the list's font. Background, selection and the bottom line come from
// the style sheet.
class THistoryRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int LineHeight = 17;
    static constexpr int Margin = 10;

    QSize sizeHint(const QStyleOptionViewItem& AOption, const QModelIndex& AIndex) const override;
    void paint(QPainter* APainter, const QStyleOptionViewItem& AOption,
               const QModelIndex& AIndex) const override;
};

// Moves a widget vertically between a hidden position above its parent's top edge and 0 in 0.3 s,
// quadratic in time (slow start). Open runs forward, Close backward; either one during a run
// turns the motion round from where the widget is. Finished reports the end of a run.
class THistorySlide : public QObject {
    Q_OBJECT
    Q_PROPERTY(qreal PositionY READ PositionY WRITE SetPositionY)

public:
    static constexpr int DurationMs = 300;

    // The animation is a child named AAnimationName; AWidget must outlive the slide (make the slide
    // its child).
    THistorySlide(QWidget* AWidget, const QString& AAnimationName);

    qreal PositionY() const;
    void SetPositionY(qreal AY);

    // Slides down from AStartY (a negative top) to 0.
    void Open(qreal AStartY);
    // Slides up from 0 to the start position; at once from where the widget is during a run.
    void Close(qreal AStartY);
    // Leaves the widget where it is; no Finished.
    void Stop();
    bool IsInverse() const { return FIsInverse; }
    bool IsRunning() const;
    // A new start position (the widget's size changed), also during a run.
    void SetStartY(qreal AStartY);
    // An instant slide puts the widget at its end and reports Finished at once, a running slide
    // included.
    void SetInstant(bool AIsInstant) { FIsInstant = AIsInstant; }

signals:
    void Finished(bool AIsInverse);

private:
    void Run(bool AIsInverse);

    QWidget* FWidget;
    QPropertyAnimation* FAnimation;
    bool FIsInverse = false;
    bool FIsInstant = false;
};
