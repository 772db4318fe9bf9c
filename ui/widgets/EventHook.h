#pragma once

// Handlers for events that Qt's widgets report by overriding, not by signals: a key pressed in a
// field, a double-click, a release, the focus leaving. The hook belongs to the widget and ends
// with it. The window's application-wide filter keeps only what concerns the whole window (its
// shortcuts and dragging it by its panels); a widget's own keys go through a hook like these.

#include <QChar>
#include <QEvent>

#include <functional>

class QKeyEvent;
class QMouseEvent;
class QWidget;

// Calls AHandler for every event of AType that AWidget receives; true consumes the event.
void OnEvent(QWidget* AWidget, QEvent::Type AType, std::function<bool(QEvent*)> AHandler);

// Calls AHandler when the left button double-clicks AWidget; the widget's own handling follows.
void OnDoubleClick(QWidget* AWidget, std::function<void()> AHandler);

// Calls AHandler for each key pressed while AWidget has the focus; true consumes the key.
void OnKeyDown(QWidget* AWidget, std::function<bool(QKeyEvent*)> AHandler);

// Calls AHandler when a mouse button is released over AWidget; the widget's own handling follows.
void OnMouseUp(QWidget* AWidget, std::function<void(QMouseEvent*)> AHandler);

// Calls AHandler when AWidget loses the focus; the widget's own handling follows.
void OnFocusOut(QWidget* AWidget, std::function<void()> AHandler);

// Return or the keypad's Enter.
bool IsEnterKey(const QKeyEvent* AEvent);
// Ctrl+Enter (either Enter key): the keyboard's double-click on an edit field.
bool IsCtrlEnterKey(const QKeyEvent* AEvent);

// The printable character a key press types, or a null character for keys that type none
// (Enter, arrows, function keys, anything held with Ctrl or Alt).
QChar TypedCharacter(const QKeyEvent* AEvent);
