#include "ui/EventHook.h"

#include <QEvent>
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

void OnDoubleClick(QWidget* AWidget, std::function<void()> AHandler) {
    new TEventHook(AWidget, QEvent::MouseButtonDblClick,
                   [handler = std::move(AHandler)](QEvent* AEvent) {
                       if (static_cast<QMouseEvent*>(AEvent)->button() == Qt::LeftButton) handler();
                       return false;
                   });
}

void OnKeyDown(QWidget* AWidget, std::function<bool(QKeyEvent*)> AHandler) {
    new TEventHook(AWidget, QEvent::KeyPress, [handler = std::move(AHandler)](QEvent* AEvent) {
        return handler(static_cast<QKeyEvent*>(AEvent));
    });
}
