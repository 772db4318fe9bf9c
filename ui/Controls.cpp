#include "ui/Controls.h"

#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>

namespace {

constexpr char kDesignGeometryProperty[] = "designGeometry";
constexpr char kDesignFontSizeProperty[] = "designFontPixelSize";

int Scaled(int AValue, double AScale) { return int(std::lround(AValue * AScale)); }

} // namespace

void SetStyleName(QWidget* AWidget, const QString& AStyleName) {
    if (AWidget->property(StyleNameProperty).toString() == AStyleName) return;
    AWidget->setProperty(StyleNameProperty, AStyleName);
    AWidget->style()->unpolish(AWidget);
    AWidget->style()->polish(AWidget);
    AWidget->update();
}

QString StyleName(const QWidget* AWidget) { return AWidget->property(StyleNameProperty).toString(); }

void SetDesignGeometry(QWidget* AWidget, const QRect& ARect) {
    AWidget->setProperty(kDesignGeometryProperty, ARect);
    AWidget->setGeometry(ARect);
}

QRect DesignGeometry(const QWidget* AWidget) { return AWidget->property(kDesignGeometryProperty).toRect(); }

void SetDesignFont(QWidget* AWidget, const QFont& AFont) {
    AWidget->setProperty(kDesignFontSizeProperty, AFont.pixelSize());
    AWidget->setFont(AFont);
}

void ApplyDesignScale(QWidget* AWidget, double AScale) {
    const QVariant geometry = AWidget->property(kDesignGeometryProperty);
    if (geometry.isValid()) {
        const QRect r = geometry.toRect();
        AWidget->setGeometry(Scaled(r.x(), AScale), Scaled(r.y(), AScale), Scaled(r.width(), AScale),
                             Scaled(r.height(), AScale));
    }
    const QVariant fontSize = AWidget->property(kDesignFontSizeProperty);
    if (fontSize.isValid()) {
        QFont font = AWidget->font();
        font.setPixelSize(std::max(1, Scaled(fontSize.toInt(), AScale)));
        AWidget->setFont(font);
    }
    for (QObject* child : AWidget->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            ApplyDesignScale(widget, AScale);
}

QFont DesignFont(const QStringList& AFamilies, int APixelSize, bool AIsBold) {
    QFont font;
    QStringList families = AFamilies;
    families << QStringLiteral("Noto Sans CJK JP") << QStringLiteral("IPAPGothic") << QStringLiteral("IPAGothic")
             << QStringLiteral("DejaVu Sans") << QStringLiteral("sans-serif");
    font.setFamilies(families);
    font.setPixelSize(APixelSize);
    font.setBold(AIsBold);
    return font;
}

TKeyButton::TKeyButton(QWidget* AParent) : QPushButton(AParent) { setFocusPolicy(Qt::StrongFocus); }

void TKeyButton::SetSuperscript(const QString& AText) {
    if (FSuperscript == AText) return;
    FSuperscript = AText;
    update();
}

void TKeyButton::mousePressEvent(QMouseEvent* AEvent) {
    emit MouseDown(AEvent->button(), AEvent->modifiers());
    QPushButton::mousePressEvent(AEvent);
}

// The caption and its raised text are centred together, the raised text at about 60 % size.
void TKeyButton::paintEvent(QPaintEvent* AEvent) {
    if (FSuperscript.isEmpty()) {
        QPushButton::paintEvent(AEvent);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QFont small = font();
    small.setPixelSize(std::max(1, int(std::lround(font().pixelSize() * 0.6))));
    const QFontMetrics captionMetrics(font());
    const QFontMetrics smallMetrics(small);
    const int captionWidth = captionMetrics.horizontalAdvance(text());
    const int total = captionWidth + smallMetrics.horizontalAdvance(FSuperscript) + 1;
    const int left = (width() - total) / 2;
    const int baseline = (height() + captionMetrics.ascent() - captionMetrics.descent()) / 2;

    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(left, baseline, text());
    painter.setFont(small);
    painter.drawText(left + captionWidth + 1, baseline - captionMetrics.ascent() / 2, FSuperscript);
}

TPanel::TPanel(QWidget* AParent) : QFrame(AParent) {}

void TPanel::mouseDoubleClickEvent(QMouseEvent* AEvent) {
    if (AEvent->button() == Qt::LeftButton) emit DoubleClicked();
    QFrame::mouseDoubleClickEvent(AEvent);
}
