#pragma once

// The result line: the result at the right of a label. A text too long for the line is drawn
// with "…" in its middle, so that both its leading digits and its end stay readable, and its
// tooltip then holds the whole of it. text() is always the whole result: what copying takes and
// what screen readers are told.

#include <QLabel>

class TResultLine : public QLabel {
    Q_OBJECT

public:
    explicit TResultLine(QWidget* AParent = nullptr);

    // Shows AText. AReason (why an evaluation failed) becomes the tooltip and the accessible
    // description; without one the tooltip is the whole text where it does not fit, else empty.
    void ShowResult(const QString& AText, const QString& AReason = {});
    // What the line draws: its text, or the text shortened with "…" to the room there is.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;
    void changeEvent(QEvent* AEvent) override;

private:
    // The room for the text: the contents without what the labels inside take at the left.
    QRect TextRect() const;
    void UpdateToolTip();

    QString FReason;
};
