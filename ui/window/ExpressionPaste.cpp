#include "ui/window/ExpressionPaste.h"

#include "model/DigitGroups.h"
#include "model/ResultFormat.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

TExpressionPaste::TExpressionPaste(QLineEdit* ALine) : QObject(ALine), FLine(ALine) {
    ALine->installEventFilter(this);
}

void TExpressionPaste::Paste(QClipboard::Mode AMode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || FLine->isReadOnly()) return;
    FLine->insert(JoinDigitGroups(clipboard->text(AMode), SystemNumberSeparators()));
}

// Qt's own menu, with its paste entry turned to this paste; it goes when it closes.
void TExpressionPaste::OpenMenu(const QPoint& AGlobalPosition) {
    QMenu* menu = FLine->createStandardContextMenu();
    if (!menu) return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt names the entry by its text ("&Paste" and the key), translated as Qt translates it: the
    // text is looked up in Qt's own translations, through a variable so that ours do not list it.
    static const char* const QtPasteText = "&Paste";
    const QString caption = QCoreApplication::translate("QLineEdit", QtPasteText);
    for (QAction* action : menu->actions()) {
        if (action->objectName() != u"edit-paste" && action->text().section(u'\t', 0, 0) != caption)
            continue;
        action->setObjectName(QStringLiteral("edit-paste"));
        disconnect(action, &QAction::triggered, FLine, nullptr);
        connect(action, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
        break;
    }
    menu->popup(AGlobalPosition);
}

bool TExpressionPaste::eventFilter(QObject* AWatched, QEvent* AEvent) {
    if (AWatched != FLine) return false;
    switch (AEvent->type()) {
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(AEvent)->matches(QKeySequence::Paste)) return false;
        Paste(QClipboard::Clipboard);
        return true;
    case QEvent::ShortcutOverride:
        // The paste keys are the line's, as they are Qt's own line's.
        if (!static_cast<QKeyEvent*>(AEvent)->matches(QKeySequence::Paste)) return false;
        AEvent->accept();
        return true;
    case QEvent::ContextMenu:
        OpenMenu(static_cast<QContextMenuEvent*>(AEvent)->globalPos());
        return true;
    case QEvent::MouseButtonRelease: {
        // As Qt's line does it: where there is a selection, the middle button pastes it.
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (static_cast<QMouseEvent*>(AEvent)->button() != Qt::MiddleButton || !clipboard ||
            !clipboard->supportsSelection() || FLine->isReadOnly())
            return false;
        FLine->deselect();
        Paste(QClipboard::Selection);
        return true;
    }
    default: return false;
    }
}
