#pragma once

// Handlers for events that Qt's widgets report by overriding, not by signals: a double-click on
// a field and a key pressed in it. The hook belongs to the widget and ends with it.

#include <functional>

class QKeyEvent;
class QWidget;

// Calls AHandler when the left button double-clicks AWidget; the widget's own handling follows.
void OnDoubleClick(QWidget* AWidget, std::function<void()> AHandler);

// Calls AHandler for each key pressed while AWidget has the focus; true consumes the key.
void OnKeyDown(QWidget* AWidget, std::function<bool(QKeyEvent*)> AHandler);
