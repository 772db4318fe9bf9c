#pragma once

// A one-line text field as a screen reader sees it: an editable text whose words, sentences and
// lines it can read at, before and after any place, also at the very end of the text.

#include <QAccessibleWidget>

class QLineEdit;

// Gives every QLineEdit made from now on this interface (once; later calls do nothing).
void InstallAccessibleLineEditFactory();

// The field's text as the screen reader gets it: reading a word, sentence or line at (or next to)
// an offset gives whole pieces of ALineEdit's text and their bounds, never hanging on the text's
// end; a field that hides its text (password) gives none.
class TAccessibleLineEdit : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit TAccessibleLineEdit(QLineEdit* ALineEdit);

    void* interface_cast(QAccessible::InterfaceType AType) override;
    QString text(QAccessible::Text AText) const override;
    void setText(QAccessible::Text AText, const QString& AValue) override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int ASelectionIndex, int* AStartOffset, int* AEndOffset) const override;
    int selectionCount() const override;
    void addSelection(int AStartOffset, int AEndOffset) override;
    void removeSelection(int ASelectionIndex) override;
    void setSelection(int ASelectionIndex, int AStartOffset, int AEndOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int APosition) override;
    QString text(int AStartOffset, int AEndOffset) const override;
    QString textBeforeOffset(int AOffset, QAccessible::TextBoundaryType ABoundaryType,
                             int* AStartOffset, int* AEndOffset) const override;
    QString textAfterOffset(int AOffset, QAccessible::TextBoundaryType ABoundaryType,
                            int* AStartOffset, int* AEndOffset) const override;
    QString textAtOffset(int AOffset, QAccessible::TextBoundaryType ABoundaryType,
                         int* AStartOffset, int* AEndOffset) const override;
    int characterCount() const override;
    QRect characterRect(int AOffset) const override;
    int offsetAtPoint(const QPoint& APoint) const override;
    void scrollToSubstring(int AStartIndex, int AEndIndex) override;
    QString attributes(int AOffset, int* AStartOffset, int* AEndOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int AStartOffset, int AEndOffset) override;
    void insertText(int AOffset, const QString& AText) override;
    void replaceText(int AStartOffset, int AEndOffset, const QString& AText) override;

private:
    QLineEdit* LineEdit() const;
    // The text a reader may have: none while the field hides it.
    QString ReadableText() const;
    // The piece of the text at, before (-1) or after (+1) the one that holds AOffset.
    QString PieceNear(int AOffset, QAccessible::TextBoundaryType ABoundaryType, int AStep,
                      int* AStartOffset, int* AEndOffset) const;
};
