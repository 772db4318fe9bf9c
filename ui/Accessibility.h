#pragma once

// What a screen reader says for the window's controls, and the tooltips that name their
// keyboard shortcuts: one table keyed by objectName, applied once after the controls are built.

class QLabel;
class QWidget;

// Gives the controls of AWindow their accessible names and tooltips. Keys and the variables'
// value fields keep names derived from captions that change at run time ("option button 5:
// 税込", "value of V1"); the result line ("ResultLabel") is presented as a status line.
void ApplyAccessibility(QWidget* AWindow);

// Tells assistive technology that the result line shows a new text (also when it is the same
// text again: a new evaluation gave it).
void AnnounceResultText(QLabel* AResultLabel);
