#pragma once

// Holds back the style polish of the controls in the hidden parts of a window (the pages not
// shown at start-up, the fields of edit mode) until one of them is shown or drawn. Polishing a
// control under the style sheet is most of what showing the window costs, and the window polishes
// all its controls when it is first shown, shown or not.

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

class TDeferredPolish : public QObject {
    Q_OBJECT

public:
    // Watches the controls of AWindow from now on; ends with AWindow.
    explicit TDeferredPolish(QWidget* AWindow);
    ~TDeferredPolish() override;

    // Polishes every control held back, parents first, as showing the window would have.
    void PolishHeld();

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    bool IsInHiddenPart(const QWidget* AWidget) const;

    QWidget* FWindow;
    QList<QPointer<QWidget>> FHeld; // in the order they came: parents before their children
    QSet<const QObject*> FHeldSet;
    bool FIsPolishing = false;
};
