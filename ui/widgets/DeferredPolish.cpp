#include "ui/widgets/DeferredPolish.h"

#include <QApplication>
#include <QEvent>

#include <utility>

TDeferredPolish::TDeferredPolish(QWidget* AWindow) : QObject(AWindow), FWindow(AWindow) {
    qApp->installEventFilter(this);
}

TDeferredPolish::~TDeferredPolish() {
    if (qApp) qApp->removeEventFilter(this);
}

// A part is hidden when it was hidden on purpose; a control of a window not shown yet is only
// hidden until the window is.
bool TDeferredPolish::IsInHiddenPart(const QWidget* AWidget) const {
    for (const QWidget* widget = AWidget; widget && widget != FWindow;
         widget = widget->parentWidget()) {
        if (widget->isWindow()) return false;
        if (widget->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
            widget->testAttribute(Qt::WA_WState_Hidden))
            return true;
    }
    return false;
}

void TDeferredPolish::PolishHeld() {
    const QList<QPointer<QWidget>> held = std::exchange(FHeld, {});
    FHeldSet.clear();
    FIsPolishing = true;
    for (const QPointer<QWidget>& widget : held) {
        if (!widget) continue;
        QEvent polish(QEvent::Polish);
        QCoreApplication::sendEvent(widget, &polish);
    }
    FIsPolishing = false;
}

// The first showing or drawing of any held control polishes them all: a page shown, a picture
// taken of a page for a transition, a field shown in edit mode.
bool TDeferredPolish::eventFilter(QObject* AWatched, QEvent* AEvent) {
    switch (AEvent->type()) {
    case QEvent::Polish: {
        if (FIsPolishing || !AWatched->isWidgetType()) break;
        auto* widget = static_cast<QWidget*>(AWatched);
        if (!IsInHiddenPart(widget)) break;
        FHeld.append(widget);
        FHeldSet.insert(widget);
        return true;
    }
    case QEvent::Show:
    case QEvent::Paint:
        if (FHeldSet.contains(AWatched)) PolishHeld();
        break;
    default: break;
    }
    return QObject::eventFilter(AWatched, AEvent);
}
