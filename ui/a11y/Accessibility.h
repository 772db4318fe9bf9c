#pragma once

// What a screen reader says for the window's controls, and the tooltips that name their
// keyboard shortcuts: one table keyed by objectName, applied once after the controls are built.

class QLabel;
class QString;
class QWidget;

// Gives the controls of AWindow their accessible names, roles and tooltips: the window is a frame
// named by its title, its panels are named groupings, keys are push buttons. Keys and the
// variables' value fields keep names derived from captions that change at run time ("option
// button 5: 税込", "value of V1"); the result line ("ResultLabel") is presented as a status line
// whose name is the result, with a notification ("ResultAnnouncer") inside it that screen readers
// speak whenever it appears.
void ApplyAccessibility(QWidget* AWindow);

// Has screen readers speak AText through the result line's notification, once the event at hand
// is done (after the reader's own reports of it); also a text that is the same as the last one.
// Several calls within one event speak only the last text.
void AnnounceResultText(QLabel* AResultLabel, const QString& AText);

// The same for any control of a window built with ApplyAccessibility: its result line speaks
// AText. Does nothing for a control outside such a window.
void Announce(QWidget* AControl, const QString& AText);
