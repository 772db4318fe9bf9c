#include "ui/window/ResultLine.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

TResultLine::TResultLine(QWidget* AParent) : QLabel(AParent) {}

void TResultLine::ShowResult(const QString& AText, const QString& AReason) {
    FReason = AReason;
    setText(AText);
    setAccessibleDescription(AReason);
    UpdateToolTip();
}

// The rounding mode's mark stands inside the line at its left.
QRect TResultLine::TextRect() const {
    QRect room = contentsRect();
    int left = room.left();
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden() && child->width() > 0)
            left = std::max(left, child->geometry().right() + 1);
    room.setLeft(std::min(left, room.right()));
    return room;
}

QString TResultLine::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, TextRect().width());
}

void TResultLine::paintEvent(QPaintEvent* AEvent) {
    const QString shown = ShownText();
    if (shown == text()) {
        QLabel::paintEvent(AEvent);
        return;
    }
    QFrame::paintEvent(AEvent);
    QPainter painter(this);
    style()->drawItemText(&painter, TextRect(),
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shown, foregroundRole());
}

void TResultLine::resizeEvent(QResizeEvent* AEvent) {
    QLabel::resizeEvent(AEvent);
    UpdateToolTip();
}

// Zooming changes the font, the style sheet the font and the margins.
void TResultLine::changeEvent(QEvent* AEvent) {
    QLabel::changeEvent(AEvent);
    if (AEvent->type() == QEvent::FontChange || AEvent->type() == QEvent::StyleChange)
        UpdateToolTip();
}

void TResultLine::UpdateToolTip() {
    if (!FReason.isEmpty()) {
        setToolTip(FReason);
    } else {
        setToolTip(ShownText() == text() ? QString() : text());
    }
}
