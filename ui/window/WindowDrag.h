#pragma once

// Moving a window that has no title bar by dragging one of its panels: by the window manager
// where it offers that, else by following the pointer.

#include <QPoint>

class QMouseEvent;
class QWidget;

class TWindowDrag {
public:
    // A press, move or release of the mouse on a panel of AWindow; true when the event moved the
    // window (or handed the move to the window manager) and should go no further. Where only the
    // window system places windows (ACanPlaceWindow false, Wayland) the window never follows the
    // pointer itself.
    bool HandleMouse(QWidget* AWindow, const QMouseEvent* AEvent, bool ACanPlaceWindow);

private:
    QPoint DragStart;          // pointer position less window position while the window is dragged
    bool IsDragging = false;   // the left button went down on the panel
    bool IsDragMoving = false; // and the window follows the pointer
};
