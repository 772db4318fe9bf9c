#pragma once

// Keys as the user types them: to whichever control has the focus, and characters beyond ASCII
// (full-width digits, Japanese) that QTest's key clicks cannot map to a key code.

#include <QApplication>
#include <QTest>
#include <QWidget>

// A key press and release at the control with the keyboard focus.
inline void PressKey(Qt::Key AKey, Qt::KeyboardModifiers AModifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), AKey, AModifiers);
}

// Types AText into AWidget one character at a time.
inline void TypeText(QWidget* AWidget, const QString& AText) {
    for (QChar c : AText)
        QTest::sendKeyEvent(QTest::Click, AWidget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
