#include "ui/widgets/EventHook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

namespace {

class TEventHook : public QObject {
public:
    TEventHook(QWidget* AWidget, QEvent::Type AType, std::function<bool(QEvent*)> AHandler)
        : QObject(AWidget), FType(AType), FHandler(std::move(AHandler)) {
        AWidget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AEvent->type() != FType) return QObject::eventFilter(AWatched, AEvent);
        return FHandler(AEvent);
    }

private:
    QEvent::Type FType;
    std::function<bool(QEvent*)> FHandler;
};

} // namespace

void OnEvent(QWidget* AWidget, QEvent::Type AType, std::function<bool(QEvent*)> AHandler) {
    new TEventHook(AWidget, AType, std::move(AHandler));
}

void OnDoubleClick(QWidget* AWidget, std::function<void()> AHandler) {
    OnEvent(AWidget, QEvent::MouseButtonDblClick, [handler = std::move(AHandler)](QEvent* AEvent) {
        if (static_cast<QMouseEvent*>(AEvent)->button() == Qt::LeftButton) handler();
        return false;
    });
}

void OnKeyDown(QWidget* AWidget, std::function<bool(QKeyEvent*)> AHandler) {
    OnEvent(AWidget, QEvent::KeyPress, [handler = std::move(AHandler)](QEvent* AEvent) {
        return handler(static_cast<QKeyEvent*>(AEvent));
    });
}

void OnMouseUp(QWidget* AWidget, std::function<void(QMouseEvent*)> AHandler) {
    OnEvent(AWidget, QEvent::MouseButtonRelease, [handler = std::move(AHandler)](QEvent* AEvent) {
        handler(static_cast<QMouseEvent*>(AEvent));
        return false;
    });
}

void OnFocusOut(QWidget* AWidget, std::function<void()> AHandler) {
    OnEvent(AWidget, QEvent::FocusOut, [handler = std::move(AHandler)](QEvent*) {
        handler();
        return false;
    });
}

bool IsEnterKey(const QKeyEvent* AEvent) {
    return AEvent->key() == Qt::Key_Return || AEvent->key() == Qt::Key_Enter;
}

bool IsCtrlEnterKey(const QKeyEvent* AEvent) {
    return IsEnterKey(AEvent) && AEvent->modifiers().testFlag(Qt::ControlModifier);
}

QChar TypedCharacter(const QKeyEvent* AEvent) {
    if (AEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return {};
    const QString text = AEvent->text();
    if (text.isEmpty() || text[0].unicode() < 32 || text[0].unicode() == 127) return {};
    return text[0];
}
