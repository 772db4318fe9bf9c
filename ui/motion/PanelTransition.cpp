#include "ui/motion/PanelTransition.h"

#include "model/WindowLayout.h"
#include "ui/motion/MotionStage.h"
#include "ui/motion/Viewport3D.h"

#include <QApplication>
#include <QPixmap>

namespace {

const char* PropertyName(TStageProperty AProperty) {
    switch (AProperty) {
    case TStageProperty::X: return "x";
    case TStageProperty::Y: return "y";
    case TStageProperty::Depth: return "depth";
    case TStageProperty::AngleX: return "angleX";
    case TStageProperty::AngleY: return "angleY";
    }
    return "x";
}

QEasingCurve::Type EasingType(TStageEasing AEasing) {
    return AEasing == TStageEasing::InQuad ? QEasingCurve::InQuad : QEasingCurve::Linear;
}

bool IsShown(const QWidget* AWidget) { return AWidget && !AWidget->isHidden(); }

// A picture of the panel as it would look shown, at the window's scale and pixel ratio.
QPixmap PictureOf(QWidget* APanel) { return APanel ? APanel->grab() : QPixmap(); }

TLayout3D* NewLayout(const QVector3D& ADesignBox, TViewport3D* AView, const char* AName) {
    auto* layout = new TLayout3D(ADesignBox, AView);
    layout->setObjectName(QString::fromLatin1(AName));
    return layout;
}

TLayer3D* NewLayer(const QSizeF& ADesignSize, TLayout3D* ALayout, const char* AName) {
    auto* layer = new TLayer3D(ADesignSize, ALayout);
    layer->setObjectName(QString::fromLatin1(AName));
    return layer;
}

} // namespace

TPanelTransition::TPanelTransition(const TWindowParts& AParts, QObject* AParent)
    : QObject(AParent), FParts(AParts), FScientificViewport(AParts.ScientificViewport),
      FNumericViewport(AParts.NumericViewport), FButtonPanel(AParts.ButtonPanel),
      FStage(new TMotionStage(this)) {
    const double w = WindowLayout::DesignClientWidth;
    const double s = WindowLayout::PageHeight;
    const double b = WindowLayout::KeypadHeight;
    if (FScientificViewport) {
        FCube = NewLayout(QVector3D(float(w), float(s), float(w)), FScientificViewport,
                          "ScientificViewLayout3D");
        FBottomLayer = NewLayer(QSizeF(w, s), FCube, "BottomLayer3D");
        FTopLayer = NewLayer(QSizeF(w, s), FCube, "TopLayer3D");
    }
    if (FNumericViewport) {
        // Of two pictures at equal depth the page is drawn over the keypad.
        TLayout3D* keypad =
            NewLayout(QVector3D(float(w), float(b), 0), FNumericViewport, "NumericLayout3D");
        FKeypadLayer = NewLayer(QSizeF(w, b), keypad, "NumericLayer3D");
        TLayout3D* page =
            NewLayout(QVector3D(float(w), float(s), 0), FNumericViewport, "ScientificLayout3D");
        FPageLayer = NewLayer(QSizeF(w, s), page, "ScientificLayer3D");
    }
}

void TPanelTransition::AnimatePanelSlide(QWidget* OldPage, QWidget* NewPage, int Direction) {
    RunPageTransition(OldPage, NewPage, PanelSlideScript(Direction));
}

void TPanelTransition::AnimatePanelCube(QWidget* OldPage, QWidget* NewPage, int Direction) {
    RunPageTransition(OldPage, NewPage, PanelCubeScript(Direction));
}

void TPanelTransition::AnimateKeyAreaSlide(QWidget* Area, int Kind, QWidget* Page) {
    RunKeyAreaTransition(Area, Kind, Page, TKeyAreaStyle::Slide);
}

void TPanelTransition::AnimateKeyAreaFlip(QWidget* Area, int Kind, QWidget* Page) {
    RunKeyAreaTransition(Area, Kind, Page, TKeyAreaStyle::Flip);
}

// Everything is put in its final state right here: a window that closes may save its state before
// control is back in the transition.
void TPanelTransition::Finish() {
    if (!FIsRunning) return;
    FStage->Finish();
    EndPlay();
}

void TPanelTransition::RunPageTransition(QWidget* OldPage, QWidget* NewPage,
                                         const TTransitionScript& AScript) {
    if (FIsRunning || FIsReducedMotion || !FScientificViewport) return;
    FIsRunning = true;
    FTopLayer->SetPicture(PictureOf(OldPage));
    FBottomLayer->SetPicture(PictureOf(NewPage));
    // Both pages come back shown; the caller then hides the one it leaves.
    Borrow({{OldPage, true}, {NewPage, true}});
    Play(FScientificViewport, AScript);
}

void TPanelTransition::RunKeyAreaTransition(QWidget* Area, int Kind, QWidget* Page,
                                            TKeyAreaStyle AStyle) {
    if (FIsRunning || FIsReducedMotion || !FNumericViewport) return;
    if (Kind != KindHide && Kind != KindShow) return;
    FIsRunning = true;
    const TKeyArea area = Area ? TKeyArea::Keypad : TKeyArea::Page;
    const bool isShow = Kind == KindShow;
    const bool isPageVisible = IsShown(Page);
    const bool isKeypadVisible = IsShown(FButtonPanel);
    // The area concerned is made visible; the other keeps its visibility, and a hidden one is
    // an empty layer.
    const bool isPageShown = area == TKeyArea::Page || isPageVisible;
    const bool isKeypadShown = area == TKeyArea::Keypad || isKeypadVisible;
    FPageLayer->SetPicture(isPageShown ? PictureOf(Page) : QPixmap());
    FKeypadLayer->SetPicture(isKeypadShown ? PictureOf(FButtonPanel) : QPixmap());
    Borrow({{Page, isPageShown}, {FButtonPanel, isKeypadShown}});
    // The window makes room before an area is shown; after a hide the caller's layout shrinks it.
    if (isShow && FParts.SetClientHeight)
        FParts.SetClientHeight(
            KeyAreaShowClientHeight(float(CurrentScale()), area, isPageVisible, isKeypadVisible));
    Play(FNumericViewport, AStyle == TKeyAreaStyle::Slide
                               ? KeyAreaSlideScript(area, isShow, isPageVisible)
                               : KeyAreaFlipScript(area, isShow, isPageVisible));
}

double TPanelTransition::CurrentScale() const { return FParts.Scale ? FParts.Scale() : 1.0; }

void TPanelTransition::Play(TViewport3D* AView, const TTransitionScript& AScript) {
    FStage->Reset();
    for (TLayout3D* layout : AView->Layouts()) {
        layout->SetAngleY(0);
        for (TLayer3D* layer : layout->Layers()) layer->ResetPlacement();
    }
    for (const TStageValue& value : AScript.Setup)
        Part(value.Part)->setProperty(PropertyName(value.Property), value.Value);
    AView->SetDesignScale(CurrentScale());
    AView->show();
    FView = AView;

    QPointer<TPanelTransition> self(this);
    QPointer<TViewport3D> view(AView);
    for (const TStageMove& move : AScript.Moves) {
        if (!view) break; // its layers are gone with it
        QObject* target = Part(move.Part);
        const char* property = PropertyName(move.Property);
        if (move.IsBlocking)
            FStage->BlockingMove(target, property, move.Target, move.Duration,
                                 EasingType(move.Easing));
        else
            FStage->ParallelMove(target, property, move.Target, move.Duration,
                                 EasingType(move.Easing));
        if (!self) return; // the window went away meanwhile, and this object with it
    }
    // Parallel moves that outlast the last blocking one end now.
    FStage->Finish();
    EndPlay();
    FIsRunning = false;
}

void TPanelTransition::EndPlay() {
    if (FView) {
        FView->hide();
        for (TLayout3D* layout : FView->Layouts())
            for (TLayer3D* layer : layout->Layers()) layer->SetPicture(QPixmap());
    }
    FView = nullptr;
    GiveBack();
}

QObject* TPanelTransition::Part(TStagePart APart) const {
    switch (APart) {
    case TStagePart::OldPage: return FTopLayer;
    case TStagePart::NewPage: return FBottomLayer;
    case TStagePart::Cube: return FCube;
    case TStagePart::Page: return FPageLayer;
    case TStagePart::Keypad: return FKeypadLayer;
    }
    return FTopLayer;
}

// The panels must not show through the transparent view while their pictures move.
void TPanelTransition::Borrow(std::vector<TBorrowedPanel> APanels) {
    FFocus = QApplication::focusWidget();
    FBorrowed = std::move(APanels);
    for (const TBorrowedPanel& borrowed : FBorrowed)
        if (borrowed.Panel) borrowed.Panel->hide();
    FFocusMovedTo = QApplication::focusWidget();
}

void TPanelTransition::GiveBack() {
    for (const TBorrowedPanel& borrowed : FBorrowed)
        if (borrowed.Panel) borrowed.Panel->setVisible(borrowed.IsShownAfter);
    FBorrowed.clear();
    // Hiding a panel moved the focus out of it; it goes back unless the user has moved it since.
    if (FFocus && FFocus != FFocusMovedTo && QApplication::focusWidget() == FFocusMovedTo &&
        FFocus->isVisible())
        FFocus->setFocus(Qt::OtherFocusReason);
    FFocus = FFocusMovedTo = nullptr;
}
