#include "ui/widgets/Controls.h"

#include "model/WindowLayout.h"

#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// What a control remembers of its design. It is kept beside the controls rather than in dynamic
// properties: reading one of those first compares its name with every property the control's
// classes declare, and the window reads these for each control whenever it is zoomed.
struct TDesign {
    QRect Geometry;
    int FontPixelSize = 0;
    TAlign Align = TAlign::None;
    bool HasGeometry = false;
};

// Never destroyed: a control may outlive the program's static data.
QHash<const QWidget*, TDesign>& Designs() {
    static auto* designs = new QHash<const QWidget*, TDesign>;
    return *designs;
}

TDesign& DesignOf(QWidget* AWidget) {
    QHash<const QWidget*, TDesign>& designs = Designs();
    auto found = designs.find(AWidget);
    if (found == designs.end()) {
        found = designs.insert(AWidget, {});
        QObject::connect(AWidget, &QObject::destroyed, [AWidget] { Designs().remove(AWidget); });
    }
    return *found;
}

const TDesign* FindDesign(const QWidget* AWidget) {
    const QHash<const QWidget*, TDesign>& designs = Designs();
    const auto found = designs.constFind(AWidget);
    return found == designs.constEnd() ? nullptr : &*found;
}

int DesignFontPixelSize(const QWidget* AWidget) {
    const TDesign* design = FindDesign(AWidget);
    return design ? design->FontPixelSize : 0;
}

int Scaled(int AValue, double AScale) { return int(std::lround(AValue * AScale)); }

// Look-alikes of the design's Windows fonts; the family the design leaves open is "Segoe UI".
struct TFontSubstitute {
    const char* Family;
    const char* Substitutes;
};
// clang-format off
constexpr TFontSubstitute kFontSubstitutes[] = {
    {"Segoe UI", "Noto Sans,Nimbus Sans,Liberation Sans,DejaVu Sans"},
    {"Segoe UI Semibold", "Noto Sans,Nimbus Sans,Liberation Sans,DejaVu Sans"},
    {"Tahoma", "DejaVu Sans,Noto Sans,Nimbus Sans,Liberation Sans"},
    {"メイリオ", "Meiryo,Noto Sans CJK JP,IPAPGothic,IPAGothic"},
};
// clang-format on
// The window's own font for its non-ASCII captions comes after the system's fonts: typed text
// keeps the system's look, and only glyphs none of them has are taken from it.
constexpr char kFallbackFamilies[] = "Noto Sans CJK JP,IPAPGothic,IPAGothic,Droid Sans "
                                     "Fallback,DejaVu Sans,Zemtrix Captions,sans-serif";

QStringList WithSubstitutes(const QStringList& AFamilies) {
    QStringList families =
        AFamilies.isEmpty() ? QStringList{QStringLiteral("Segoe UI")} : AFamilies;
    QStringList result;
    for (const QString& family : families) {
        result << family;
        for (const TFontSubstitute& substitute : kFontSubstitutes)
            if (family == QString::fromUtf8(substitute.Family))
                result << QString::fromUtf8(substitute.Substitutes).split(QLatin1Char(','));
    }
    result << QString::fromLatin1(kFallbackFamilies).split(QLatin1Char(','));
    result.removeDuplicates();
    return result;
}

// A family has styles only when installed. (Listing all families, or asking whether one
// exists, costs far more: the first checks every family's scripts, the second asks fontconfig
// for aliases.) The answers are kept: the system's families do not change while the window runs.
bool IsInstalled(const QString& AFamily) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(AFamily);
    if (found != known.constEnd()) return *found;
    return *known.insert(AFamily, !QFontDatabase::styles(AFamily).isEmpty());
}

// A family that is not installed costs a fallback search and a font engine of its own for each
// size it is asked for; so the first installed family of a list moves to its front, and the
// families it passed keep their places behind it for the glyphs it lacks.
QStringList InstalledFirst(QStringList AFamilies) {
    const auto first = std::find_if(AFamilies.begin(), AFamilies.end(), IsInstalled);
    if (first != AFamilies.end()) std::rotate(AFamilies.begin(), first, first + 1);
    return AFamilies;
}

} // namespace

// Resources of a static library are linked only when something refers to them; this reference
// brings the style sheet in, and its registration runs with the program's static set-up.
void InitStyleResources() { Q_INIT_RESOURCE(zemtrix); }

namespace {

QString ResourceText(const QString& APath) {
    QFile file(APath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString LookStyleSheet(TLook ALook) {
    InitStyleResources();
    QString sheet = ResourceText(QStringLiteral(":/zemtrix/zemtrix.qss"));
    if (const QString look = LookStyleSheetResource(ALook); !look.isEmpty())
        sheet += u'\n' + ResourceText(look);
    return sheet;
}

void SetStyleName(QWidget* AWidget, const QString& AStyleName) {
    if (AWidget->property(StyleNameProperty).toString() == AStyleName) return;
    AWidget->setProperty(StyleNameProperty, AStyleName);
    // A control not polished yet reads the property when it is; re-polishing it now is wasted.
    if (!AWidget->testAttribute(Qt::WA_WState_Polished)) return;
    AWidget->style()->unpolish(AWidget);
    AWidget->style()->polish(AWidget);
    AWidget->update();
}

QString StyleName(const QWidget* AWidget) {
    return AWidget->property(StyleNameProperty).toString();
}

void SetDesignGeometry(QWidget* AWidget, const QRect& ARect) {
    TDesign& design = DesignOf(AWidget);
    design.Geometry = ARect;
    design.HasGeometry = true;
    AWidget->setGeometry(ARect);
}

QRect DesignGeometry(const QWidget* AWidget) {
    const TDesign* design = FindDesign(AWidget);
    return design ? design->Geometry : QRect();
}

void SetDesignFont(QWidget* AWidget, const QFont& AFont) {
    DesignOf(AWidget).FontPixelSize = AFont.pixelSize();
    AWidget->setFont(AFont);
}

void ApplyDesignGeometry(QWidget* AWidget, double AScale) {
    const TDesign* design = FindDesign(AWidget);
    if (!design || !design->HasGeometry) return;
    const QRect r = design->Geometry;
    AWidget->setGeometry(Scaled(r.x(), AScale), Scaled(r.y(), AScale), Scaled(r.width(), AScale),
                         Scaled(r.height(), AScale));
}

void ApplyDesignScale(QWidget* AWidget, double AScale) {
    ApplyDesignGeometry(AWidget, AScale);
    if (const int fontSize = DesignFontPixelSize(AWidget); fontSize > 0) {
        QFont font = AWidget->font();
        font.setPixelSize(WindowLayout::ScaledFontPixelSize(fontSize, AScale));
        AWidget->setFont(font);
    }
    for (QObject* child : AWidget->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            ApplyDesignScale(widget, AScale);
    // The design geometry of aligned children is only their starting point.
    if (auto* panel = qobject_cast<TPanel*>(AWidget)) panel->AlignChildren();
}

double CurrentDesignScale(const QWidget* AWidget) {
    const int designSize = DesignFontPixelSize(AWidget);
    const int currentSize = AWidget->font().pixelSize();
    return designSize > 0 && currentSize > 0 ? double(currentSize) / designSize : 1.0;
}

// The window asks for a handful of family lists, each for many controls: every list is made
// once, and the controls share its data.
QFont DesignFont(const QStringList& AFamilies, int APixelSize, bool AIsBold) {
    static QHash<QStringList, QStringList> lists;
    auto list = lists.constFind(AFamilies);
    if (list == lists.constEnd())
        list = lists.insert(AFamilies, InstalledFirst(WithSubstitutes(AFamilies)));
    QFont font;
    font.setFamilies(*list);
    font.setPixelSize(APixelSize);
    font.setBold(AIsBold);
    return font;
}

// A line edit lays out its text with the application's default font the moment it is made, before
// it takes its own; so the default is a family list the window loads anyway, not a second one.
void UseDesignFamiliesByDefault() {
    const QFont system = QGuiApplication::font();
    QFont font = DesignFont({}, 12, false);
    if (system.pointSizeF() > 0)
        font.setPointSizeF(system.pointSizeF());
    else
        font.setPixelSize(system.pixelSize());
    if (font != system) QGuiApplication::setFont(font);
}

// The list's default delegate paints the selection from the palette and ignores the style
// sheet's item rules; a styled delegate follows them.
void UseStyledComboItems(QComboBox* ACombo) {
    ACombo->setItemDelegate(new QStyledItemDelegate(ACombo));
}

void AddComboItem(QComboBox* ACombo, const QString& ACaption, int ATag, const QString& AName) {
    ACombo->addItem(ACaption);
    const int index = ACombo->count() - 1;
    ACombo->setItemData(index, ATag, ItemTagRole);
    if (!AName.isEmpty()) ACombo->setItemData(index, AName, ItemNameRole);
}

void SetAlign(QWidget* AWidget, TAlign AAlign) {
    DesignOf(AWidget).Align = AAlign;
    if (auto* panel = qobject_cast<TPanel*>(AWidget->parentWidget())) panel->AlignChildren();
}

TKeyButton* CreateKey(QWidget* AParent, const TKeyDesign& ADesign) {
    auto* key = new TKeyButton(AParent);
    key->setObjectName(QString::fromLatin1(ADesign.Name));
    key->setText(QString::fromUtf8(ADesign.Caption));
    SetStyleName(key, QString::fromLatin1(ADesign.Style));
    SetDesignGeometry(key, QRect(ADesign.X, ADesign.Y, ADesign.Width, ADesign.Height));
    const QStringList families =
        ADesign.Family ? QStringList{QString::fromLatin1(ADesign.Family)} : QStringList{};
    SetDesignFont(key, DesignFont(families, ADesign.FontPixelSize, true));
    return key;
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

void TKeyButton::keyPressEvent(QKeyEvent* AEvent) {
    if (AEvent->key() == Qt::Key_Space && !AEvent->isAutoRepeat())
        emit MouseDown(Qt::LeftButton, AEvent->modifiers());
    QPushButton::keyPressEvent(AEvent);
}

QRect TKeyButton::CaptionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    // A pixel of air on either side, so that no caption touches the border.
    return style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
        .adjusted(1, 0, -1, 0);
}

namespace {

// The raised text is about 60 % of the caption's size.
QFont SuperscriptFont(const QFont& ACaptionFont) {
    QFont small = ACaptionFont;
    small.setPixelSize(std::max(1, int(std::lround(ACaptionFont.pixelSize() * 0.6))));
    return small;
}

int SuperscriptWidth(const QFont& ACaptionFont, const QString& ASuperscript) {
    if (ASuperscript.isEmpty()) return 0;
    return QFontMetrics(SuperscriptFont(ACaptionFont)).horizontalAdvance(ASuperscript) + 1;
}

} // namespace

int TKeyButton::CaptionWidth(const QFont& AFont) const {
    return QFontMetrics(AFont).horizontalAdvance(text()) + SuperscriptWidth(AFont, FSuperscript);
}

int TKeyButton::DrawnCaptionWidth() const {
    const QFont captionFont = CaptionFont();
    return QFontMetrics(captionFont).horizontalAdvance(CaptionText()) +
           SuperscriptWidth(captionFont, FSuperscript);
}

// The size of the key's design font at the lowest zoom step, or of its own font when it has no
// design font.
int TKeyButton::SmallestCaptionPixelSize() const {
    const int design = DesignFontPixelSize(this);
    return WindowLayout::SmallestFontPixelSize(design > 0 ? design : font().pixelSize());
}

QFont TKeyButton::CaptionFont() const {
    FitCaption();
    return FCaptionFont;
}

QString TKeyButton::CaptionText() const {
    FitCaption();
    return FCaptionText;
}

// A long title first gets a smaller font; below the smallest readable size it is cut short
// instead, so that what is drawn can still be read.
void TKeyButton::FitCaption() const {
    const QFont own = font();
    const int room = CaptionRect().width();
    if (text() == FFittedText && own == FFittedFont && room == FFittedRoom) return;
    QFont fitted = own;
    const int smallest = std::min(SmallestCaptionPixelSize(), own.pixelSize());
    for (int size = own.pixelSize(); size > smallest && CaptionWidth(fitted) > room;)
        fitted.setPixelSize(--size);
    QString caption = text();
    if (CaptionWidth(fitted) > room)
        caption = QFontMetrics(fitted).elidedText(
            text(), Qt::ElideRight, std::max(0, room - SuperscriptWidth(fitted, FSuperscript)));
    FFittedText = text();
    FFittedFont = own;
    FFittedRoom = room;
    FCaptionFont = fitted;
    FCaptionText = caption;
}

// A caption cut short shows in full in the tooltip, before any tooltip of the key's own.
bool TKeyButton::event(QEvent* AEvent) {
    if (AEvent->type() != QEvent::ToolTip || !IsCaptionElided()) return QPushButton::event(AEvent);
    const QString tip = toolTip().isEmpty() ? text() : text() + QLatin1Char('\n') + toolTip();
    QToolTip::showText(static_cast<QHelpEvent*>(AEvent)->globalPos(), tip, this);
    return true;
}

// The key's look comes from the style; the caption and its raised text are drawn here, centred
// together, in the fitted font.
void TKeyButton::paintEvent(QPaintEvent* AEvent) {
    const QFont captionFont = CaptionFont();
    if (FSuperscript.isEmpty() && captionFont == font() && !IsCaptionElided()) {
        QPushButton::paintEvent(AEvent);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QFontMetrics captionMetrics(captionFont);
    const QString caption = CaptionText();
    const QRect room = CaptionRect();
    const int left = room.left() + (room.width() - DrawnCaptionWidth()) / 2;
    const int baseline =
        room.top() + (room.height() + captionMetrics.ascent() - captionMetrics.descent()) / 2;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(captionFont);
    painter.drawText(left, baseline, caption);
    if (FSuperscript.isEmpty()) return;
    painter.setFont(SuperscriptFont(captionFont));
    painter.drawText(left + captionMetrics.horizontalAdvance(caption) + 1,
                     baseline - captionMetrics.ascent() / 2, FSuperscript);
}

TPanel::TPanel(QWidget* AParent) : QFrame(AParent) {}

// Bottom-aligned children are stacked upwards from the bottom edge in child order; a client
// child takes the rest.
void TPanel::AlignChildren() {
    QRect free = rect();
    QWidget* client = nullptr;
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow()) continue;
        const TDesign* design = FindDesign(widget);
        const TAlign align = design ? design->Align : TAlign::None;
        if (align == TAlign::Client) client = widget;
        if (align != TAlign::Bottom) continue;
        const int height = widget->height();
        widget->setGeometry(free.left(), free.bottom() + 1 - height, free.width(), height);
        free.setBottom(free.bottom() - height);
    }
    if (client)
        client->setGeometry(free.left(), free.top(), free.width(), std::max(0, free.height()));
}

void TPanel::resizeEvent(QResizeEvent* AEvent) {
    QFrame::resizeEvent(AEvent);
    AlignChildren();
}

void TPanel::mouseDoubleClickEvent(QMouseEvent* AEvent) {
    if (AEvent->button() == Qt::LeftButton) emit DoubleClicked();
    QFrame::mouseDoubleClickEvent(AEvent);
}
