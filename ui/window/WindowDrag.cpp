#include "ui/window/WindowDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

bool TWindowDrag::HandleMouse(QWidget* AWindow, const QMouseEvent* AEvent, bool ACanPlaceWindow) {
    const QPoint pointer = AEvent->globalPosition().toPoint();
    switch (AEvent->type()) {
    case QEvent::MouseButtonPress:
        if (AEvent->button() != Qt::LeftButton) return false;
        IsDragging = true;
        IsDragMoving = false;
        DragStart = pointer - AWindow->pos();
        return false;
    case QEvent::MouseMove:
        if (!IsDragging) return false;
        if (!IsDragMoving) {
            if ((pointer - AWindow->pos() - DragStart).manhattanLength() <
                QApplication::startDragDistance())
                return false;
            if ((AWindow->windowHandle() && AWindow->windowHandle()->startSystemMove()) ||
                !ACanPlaceWindow) {
                IsDragging = false;
                return true;
            }
            IsDragMoving = true;
        }
        AWindow->move(pointer - DragStart);
        return true;
    case QEvent::MouseButtonRelease: IsDragging = false; return std::exchange(IsDragMoving, false);
    default: return false;
    }
}
