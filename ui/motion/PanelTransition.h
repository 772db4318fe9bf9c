#pragma once

// The window's page and key-area transitions: pictures of the live panels moved in the two 3-D
// views. Each operation returns when its transition is over, the event loop running meanwhile;
// the caller then sets the panels' visibility and runs its layout.

#include "model/TransitionScript.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class TLayer3D;
class TLayout3D;
class TMotionStage;
class TViewport3D;

class TPanelTransition : public QObject {
    Q_OBJECT

public:
    // What the transitions use of the window: the views (placed by the window where the
    // scientific page is; the numeric one page + keypad - 1 high), the numeric keypad, the
    // window's current scale factor and a way to set its client height.
    struct TWindowParts {
        TViewport3D* ScientificViewport = nullptr;
        TViewport3D* NumericViewport = nullptr;
        QWidget* ButtonPanel = nullptr;
        std::function<double()> Scale;
        std::function<void(int)> SetClientHeight;
    };

    // What a key-area transition does with its area.
    static constexpr int KindHide = 2;
    static constexpr int KindShow = 3;

    // Builds the layouts and layers of both views (named as the window's design names them).
    explicit TPanelTransition(const TWindowParts& AParts, QObject* AParent = nullptr);

    // Direction 0: the old page leaves to the left; any other value: to the right. A null page
    // is shown as an empty layer.
    void AnimatePanelSlide(QWidget* OldPage, QWidget* NewPage, int Direction);
    void AnimatePanelCube(QWidget* OldPage, QWidget* NewPage, int Direction);
    // Area: the numeric keypad (any non-null widget stands for ButtonPanel) or nullptr for the
    // scientific area; Kind is KindHide or KindShow, any other value does nothing. Page is the page
    // pictured; "page visible" means it is not hidden when the transition starts.
    void AnimateKeyAreaSlide(QWidget* Area, int Kind, QWidget* Page);
    void AnimateKeyAreaFlip(QWidget* Area, int Kind, QWidget* Page);

    // While a transition runs, the operations above return at once without doing anything.
    bool IsRunning() const { return FIsRunning; }
    // With reduced motion the operations above show nothing and return at once: the change
    // their caller makes afterwards happens in one step.
    void SetReducedMotion(bool AIsReduced) { FIsReducedMotion = AIsReduced; }
    bool ReducedMotion() const { return FIsReducedMotion; }
    // Ends a running transition at once: the moves jump to their ends, the view is hidden and
    // the panels are given back now; the operation returns as soon as control is back in it.
    void Finish();

    // For tests and benchmarks: recording and durations of the moves.
    TMotionStage& Stage() { return *FStage; }

private:
    enum class TKeyAreaStyle { Slide, Flip };
    // A panel a transition covers, hidden while its picture stands in the view.
    struct TBorrowedPanel {
        QPointer<QWidget> Panel;
        bool IsShownAfter;
    };

    void RunPageTransition(QWidget* OldPage, QWidget* NewPage, const TTransitionScript& AScript);
    void RunKeyAreaTransition(QWidget* Area, int Kind, QWidget* Page, TKeyAreaStyle AStyle);
    // Places the layers of AView, shows it, runs the script's moves, hides it and gives the
    // panels back.
    void Play(TViewport3D* AView, const TTransitionScript& AScript);
    // Hides the view that plays, drops its pictures and gives the panels back; once only.
    void EndPlay();
    double CurrentScale() const;
    QObject* Part(TStagePart APart) const;
    void Borrow(std::vector<TBorrowedPanel> APanels);
    void GiveBack();

    TWindowParts FParts;
    QPointer<TViewport3D> FScientificViewport;
    QPointer<TViewport3D> FNumericViewport;
    QPointer<QWidget> FButtonPanel;
    TMotionStage* FStage;
    TLayout3D* FCube = nullptr;
    TLayer3D* FTopLayer = nullptr;
    TLayer3D* FBottomLayer = nullptr;
    TLayer3D* FPageLayer = nullptr;
    TLayer3D* FKeypadLayer = nullptr;
    bool FIsRunning = false;
    bool FIsReducedMotion = false;
    QPointer<TViewport3D> FView; // the view that plays
    std::vector<TBorrowedPanel> FBorrowed;
    QPointer<QWidget> FFocus;        // the focus widget before the panels were hidden
    QPointer<QWidget> FFocusMovedTo; // where hiding them moved the focus
};
