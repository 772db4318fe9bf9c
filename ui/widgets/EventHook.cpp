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
