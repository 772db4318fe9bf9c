#include "ui/a11y/AccessibleLineEdit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace {

QAccessibleInterface* CreateLineEditInterface(const QString& AClassName, QObject* AObject) {
    if (AClassName != u"QLineEdit") return nullptr;
    return new TAccessibleLineEdit(static_cast<QLineEdit*>(AObject));
}

// Where the pieces of AText of one kind begin, and its end: 0, ..., AText's length. A line edit
// holds one line, so a line (or paragraph) is the whole text.
std::vector<int> PieceBounds(const QString& AText, QAccessible::TextBoundaryType AType) {
    const int length = int(AText.size());
    std::vector<int> bounds{0};
    QTextBoundaryFinder::BoundaryType type = QTextBoundaryFinder::Grapheme;
    switch (AType) {
    case QAccessible::CharBoundary: type = QTextBoundaryFinder::Grapheme; break;
    case QAccessible::WordBoundary: type = QTextBoundaryFinder::Word; break;
    case QAccessible::SentenceBoundary: type = QTextBoundaryFinder::Sentence; break;
    default: bounds.push_back(length); return bounds;
    }
    // Qt's own reading of a word at the text's end looked for the next boundary past the end
    // forever; here each step must move forward, and the end closes the list whatever the finder
    // says.
    QTextBoundaryFinder finder(type, AText);
    finder.toStart();
    for (qsizetype next = finder.toNextBoundary(); next > bounds.back() && next < length;
         next = finder.toNextBoundary())
        bounds.push_back(int(next));
    if (length > 0) bounds.push_back(length);
    return bounds;
}

} // namespace

void InstallAccessibleLineEditFactory() {
    [[maybe_unused]] static const bool isInstalled = [] {
        QAccessible::installFactory(CreateLineEditInterface);
        return true;
    }();
}

TAccessibleLineEdit::TAccessibleLineEdit(QLineEdit* ALineEdit)
    : QAccessibleWidget(ALineEdit, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* TAccessibleLineEdit::LineEdit() const { return static_cast<QLineEdit*>(widget()); }

QString TAccessibleLineEdit::ReadableText() const {
    return LineEdit()->echoMode() == QLineEdit::Normal ? LineEdit()->text() : QString();
}

void* TAccessibleLineEdit::interface_cast(QAccessible::InterfaceType AType) {
    if (AType == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (AType == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(AType);
}

QString TAccessibleLineEdit::text(QAccessible::Text AText) const {
    if (AText == QAccessible::Value) return ReadableText();
    if (AText == QAccessible::Name && LineEdit()->accessibleName().isEmpty())
        return LineEdit()->placeholderText();
    return QAccessibleWidget::text(AText);
}

void TAccessibleLineEdit::setText(QAccessible::Text AText, const QString& AValue) {
    if (AText != QAccessible::Value) {
        QAccessibleWidget::setText(AText, AValue);
        return;
    }
    if (!LineEdit()->isReadOnly()) LineEdit()->setText(AValue);
}

QAccessible::State TAccessibleLineEdit::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (LineEdit()->isReadOnly()) {
        state.readOnly = true;
    } else {
        state.editable = true;
    }
    state.selectableText = true;
    if (LineEdit()->echoMode() != QLineEdit::Normal) state.passwordEdit = true;
    return state;
}

void TAccessibleLineEdit::selection(int ASelectionIndex, int* AStartOffset, int* AEndOffset) const {
    *AStartOffset = *AEndOffset = 0;
    if (ASelectionIndex != 0 || !LineEdit()->hasSelectedText()) return;
    *AStartOffset = int(LineEdit()->selectionStart());
    *AEndOffset = int(LineEdit()->selectionEnd());
}

int TAccessibleLineEdit::selectionCount() const { return LineEdit()->hasSelectedText() ? 1 : 0; }

void TAccessibleLineEdit::addSelection(int AStartOffset, int AEndOffset) {
    setSelection(0, AStartOffset, AEndOffset);
}

void TAccessibleLineEdit::removeSelection(int ASelectionIndex) {
    if (ASelectionIndex == 0) LineEdit()->deselect();
}

void TAccessibleLineEdit::setSelection(int ASelectionIndex, int AStartOffset, int AEndOffset) {
    if (ASelectionIndex != 0) return;
    LineEdit()->setSelection(AStartOffset, AEndOffset - AStartOffset);
}

int TAccessibleLineEdit::cursorPosition() const { return LineEdit()->cursorPosition(); }

void TAccessibleLineEdit::setCursorPosition(int APosition) {
    LineEdit()->setCursorPosition(APosition);
}

QString TAccessibleLineEdit::text(int AStartOffset, int AEndOffset) const {
    const QString text = ReadableText();
    const int start = std::clamp(AStartOffset, 0, int(text.size()));
    // -1 stands for the end of the text.
    const int end =
        AEndOffset < 0 ? int(text.size()) : std::clamp(AEndOffset, start, int(text.size()));
    return text.mid(start, end - start);
}

QString TAccessibleLineEdit::PieceNear(int AOffset, QAccessible::TextBoundaryType ABoundaryType,
                                       int AStep, int* AStartOffset, int* AEndOffset) const {
    *AStartOffset = *AEndOffset = -1;
    const QString text = ReadableText();
    const int length = int(text.size());
    int offset = AOffset;
    if (offset == -1) offset = length; // the end of the text
    if (offset == -2) offset = cursorPosition();
    if (text.isEmpty() || offset < 0 || offset > length) return QString();

    const std::vector<int> bounds = PieceBounds(text, ABoundaryType);
    const int pieces = int(bounds.size()) - 1;
    // The piece holding the offset; at the end that is the last piece, as the caret there reads
    // the word or line it ends, except for characters: there is none after the last one.
    int piece = pieces - 1;
    while (piece > 0 && bounds[std::size_t(piece)] > offset) --piece;
    if (offset == length && ABoundaryType == QAccessible::CharBoundary) piece = pieces;
    piece += AStep;
    if (piece < 0 || piece >= pieces) {
        *AStartOffset = *AEndOffset = piece < 0 ? 0 : length;
        return QString();
    }
    *AStartOffset = bounds[std::size_t(piece)];
    *AEndOffset = bounds[std::size_t(piece + 1)];
    return text.mid(*AStartOffset, *AEndOffset - *AStartOffset);
}

QString TAccessibleLineEdit::textBeforeOffset(int AOffset,
                                              QAccessible::TextBoundaryType ABoundaryType,
                                              int* AStartOffset, int* AEndOffset) const {
    return PieceNear(AOffset, ABoundaryType, -1, AStartOffset, AEndOffset);
}

QString TAccessibleLineEdit::textAfterOffset(int AOffset,
                                             QAccessible::TextBoundaryType ABoundaryType,
                                             int* AStartOffset, int* AEndOffset) const {
    return PieceNear(AOffset, ABoundaryType, 1, AStartOffset, AEndOffset);
}

QString TAccessibleLineEdit::textAtOffset(int AOffset, QAccessible::TextBoundaryType ABoundaryType,
                                          int* AStartOffset, int* AEndOffset) const {
    return PieceNear(AOffset, ABoundaryType, 0, AStartOffset, AEndOffset);
}

int TAccessibleLineEdit::characterCount() const { return int(ReadableText().size()); }

// Where the text is drawn, from the field's font and margins: the caret's place inside a long
// scrolled text is the field's own business, so a character of it may lie outside the field.
QRect TAccessibleLineEdit::characterRect(int AOffset) const {
    const QString text = ReadableText();
    if (AOffset < 0 || AOffset >= text.size()) return QRect();
    const QFontMetrics metrics(LineEdit()->font());
    const QRect area = LineEdit()->contentsRect().marginsRemoved(LineEdit()->textMargins());
    int x = area.left();
    if (LineEdit()->alignment() & Qt::AlignRight)
        x = area.right() - metrics.horizontalAdvance(text);
    else if (LineEdit()->alignment() & Qt::AlignHCenter)
        x = area.center().x() - metrics.horizontalAdvance(text) / 2;
    x += metrics.horizontalAdvance(text.left(AOffset));
    const QRect local(x, area.center().y() - metrics.height() / 2,
                      metrics.horizontalAdvance(text.at(AOffset)), metrics.height());
    return QRect(LineEdit()->mapToGlobal(local.topLeft()), local.size());
}

// The characters' boxes follow each other from left to right, so the one under the point is found
// by halving: measuring every character up to it would take a time growing with the square of a
// long text's length.
int TAccessibleLineEdit::offsetAtPoint(const QPoint& APoint) const {
    const int length = int(ReadableText().size());
    if (length == 0 || APoint.x() < characterRect(0).left()) return -1;
    int low = 0; // the last character whose box begins at or left of the point
    int high = length - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (characterRect(middle).left() <= APoint.x()) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return APoint.x() <= characterRect(low).right() ? low : -1;
}

void TAccessibleLineEdit::scrollToSubstring(int AStartIndex, int /*AEndIndex*/) {
    LineEdit()->setCursorPosition(AStartIndex);
}

QString TAccessibleLineEdit::attributes(int AOffset, int* AStartOffset, int* AEndOffset) const {
    *AStartOffset = *AEndOffset = AOffset;
    return QString();
}

void TAccessibleLineEdit::deleteText(int AStartOffset, int AEndOffset) {
    replaceText(AStartOffset, AEndOffset, QString());
}

void TAccessibleLineEdit::insertText(int AOffset, const QString& AText) {
    replaceText(AOffset, AOffset, AText);
}

void TAccessibleLineEdit::replaceText(int AStartOffset, int AEndOffset, const QString& AText) {
    if (LineEdit()->isReadOnly()) return;
    QString text = LineEdit()->text();
    const int start = std::clamp(AStartOffset, 0, int(text.size()));
    const int end = std::clamp(AEndOffset, start, int(text.size()));
    text.replace(start, end - start, AText);
    LineEdit()->setText(text);
    LineEdit()->setCursorPosition(start + int(AText.size()));
}
