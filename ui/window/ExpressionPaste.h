#pragma once

// Text pasted into the expression line has its grouped numbers joined with the user's number
// separators (JoinDigitGroups), so that a result copied with thousands separators evaluates when
// pasted back: "1,234.50*2" is pasted as "1234.50*2". Every way of pasting goes through it: the
// paste keys (Ctrl+V, Shift+Insert), the paste entry of the line's own menu and, where the window
// system has a selection, the middle-click paste of it.

#include <QClipboard>
#include <QObject>

class QLineEdit;

class TExpressionPaste : public QObject {
public:
    // Watches ALine, whose child it becomes. The line's other event handlers installed before
    // it see its events first.
    explicit TExpressionPaste(QLineEdit* ALine);

    // Inserts the text of the clipboard's AMode, joined, at the caret, replacing a selection, as
    // one step of the line's undo history.
    void Paste(QClipboard::Mode AMode);

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    // The line's own menu at AGlobalPosition, its paste entry (named "edit-paste") pasting joined
    // text.
    void OpenMenu(const QPoint& AGlobalPosition);

    QLineEdit* FLine;
};
