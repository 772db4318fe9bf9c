// The page and key-area transitions on the real window's panels: the moves each case starts
// (recorded with their nominal durations while the real ones are shortened), the window height
// set before a show, and the panels given back at every scale; ending a transition early,
// quitting during one, and a second call while one runs.
#include "ui/MainWinFixture.h"

#include "model/WindowLayout.h"
#include "ui/motion/MotionStage.h"
#include "ui/motion/PanelTransition.h"
#include "ui/motion/Viewport3D.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {

QString EasingName(QEasingCurve::Type AType) {
    if (AType == QEasingCurve::InQuad) return u"InQuad"_qs;
    return AType == QEasingCurve::Linear ? u"Linear"_qs : u"?"_qs;
}

QString Describe(const TMotionRecord& ARecord) {
    return QStringLiteral("%1.%2 %3 -> %4 %5ms %6 %7")
        .arg(ARecord.Target, QString::fromLatin1(ARecord.Property))
        .arg(ARecord.From)
        .arg(ARecord.To)
        .arg(ARecord.Duration)
        .arg(EasingName(ARecord.Easing), ARecord.IsBlocking ? u"blocking"_qs : u"parallel"_qs);
}

// The values of a view's layouts and layers that are not zero, e.g. "NumericLayer3D y 129".
QString Placement(const TViewport3D* AView) {
    QStringList parts;
    auto describe = [&parts](const QObject* AObject,
                             std::initializer_list<const char*> AProperties) {
        QString text;
        for (const char* property : AProperties)
            if (const double value = AObject->property(property).toDouble(); value != 0)
                text += QStringLiteral(" %1 %2").arg(QString::fromLatin1(property)).arg(value);
        if (!text.isEmpty()) parts << AObject->objectName() + text;
    };
    for (const TLayout3D* layout : AView->Layouts()) {
        describe(layout, {"angleY"});
        for (const TLayer3D* layer : layout->Layers())
            describe(layer, {"x", "y", "depth", "angleX", "angleY"});
    }
    return parts.join(u"; "_qs);
}

using TKeyAreaOperation = void (TPanelTransition::*)(QWidget*, int, QWidget*);

struct TKeyAreaCase {
    const char* Name;
    bool IsKeypad; // else the page
    int Kind;
    bool IsPageVisible, IsKeypadVisible;
    QString Setup;
    QStringList Log;
};

// Reports one kind of event on the objects it filters.
class TEventSpy : public QObject {
public:
    TEventSpy(QEvent::Type AType, std::function<void(QObject*)> AOnEvent)
        : FType(AType), FOnEvent(std::move(AOnEvent)) {}

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override {
        if (AEvent->type() == FType) FOnEvent(AWatched);
        return false;
    }

private:
    QEvent::Type FType;
    std::function<void(QObject*)> FOnEvent;
};

class PanelTransitionTest : public MainWinFixture {
protected:
    void SetUp() override {
        MainWinFixture::SetUp();
        Scientific = Find<QWidget>("ScientificPanel");
        Option = Find<QWidget>("Option1Panel");
        Variable = Find<QWidget>("VariablePanel");
        Keypad = Find<QWidget>("ButtonPanel");
        // As the window will have them: over the history panel, under the expression panel.
        NumericViewport = new TViewport3D(Form.get());
        NumericViewport->setObjectName(u"NumericViewport"_qs);
        ScientificViewport = new TViewport3D(Form.get());
        ScientificViewport->setObjectName(u"ScientificViewport"_qs);
        for (QWidget* view : {NumericViewport, ScientificViewport})
            view->stackUnder(Find<QWidget>("ExpressionPanel"));
        Transition = new TPanelTransition({ScientificViewport, NumericViewport, Keypad,
                                           [this] { return double(WindowLayout::ScaleOf(Step)); },
                                           [this](int AHeight) {
                                               Log << QStringLiteral("height %1").arg(AHeight);
                                               Form->setFixedHeight(AHeight);
                                           }},
                                          Form.get());
        Transition->Stage().SetTimeFactor(0.02);
        Transition->Stage().SetRecorder([this](const TMotionRecord& ARecord) {
            if (Log.filter(u"->"_qs).isEmpty()) Setup = Placement(ViewOf(ARecord.Target));
            Log << Describe(ARecord);
        });
        SetStep(0);
    }

    const TViewport3D* ViewOf(const QString& ATarget) const {
        return ScientificViewport->findChild<QObject*>(ATarget) ? ScientificViewport
                                                                : NumericViewport;
    }

    void SetStep(int AStep) {
        Step = AStep;
        Form->SetWindowScale(AStep);
        const double s = WindowLayout::ScaleOf(AStep);
        auto scaled = [s](int AValue) { return int(std::lround(AValue * s)); };
        const QPoint place = Scientific->pos();
        ScientificViewport->setGeometry(QRect(place, QSize(scaled(344), scaled(129))));
        NumericViewport->setGeometry(QRect(place, QSize(scaled(344), scaled(337))));
    }

    void StartRecording() {
        Log.clear();
        Setup.clear();
    }

    // The state the window shows before a key-area transition.
    void ShowAreas(bool IsPageVisible, bool IsKeypadVisible) {
        for (QWidget* page : {Scientific, Option, Variable}) page->hide();
        Scientific->setVisible(IsPageVisible);
        Keypad->setVisible(IsKeypadVisible);
    }

    template <std::size_t N>
    void RunKeyAreaCases(TKeyAreaOperation AOperation, const TKeyAreaCase (&ACases)[N]) {
        for (const TKeyAreaCase& c : ACases) {
            ShowAreas(c.IsPageVisible, c.IsKeypadVisible);
            StartRecording();
            std::invoke(AOperation, Transition, c.IsKeypad ? Keypad : nullptr, c.Kind, Scientific);
            EXPECT_EQ(Setup, c.Setup) << c.Name;
            EXPECT_EQ(Log, c.Log) << c.Name;
        }
    }

    std::vector<QRect> Geometries() const {
        std::vector<QRect> result;
        for (const QWidget* panel : {Scientific, Option, Variable, Keypad})
            result.push_back(panel->geometry());
        return result;
    }

    bool HasPictures() const {
        for (const TViewport3D* view : {ScientificViewport, NumericViewport})
            for (const TLayout3D* layout : view->Layouts())
                for (const TLayer3D* layer : layout->Layers())
                    if (!layer->Picture().isNull()) return true;
        return false;
    }

    QWidget* Scientific = nullptr;
    QWidget* Option = nullptr;
    QWidget* Variable = nullptr;
    QWidget* Keypad = nullptr;
    TViewport3D* ScientificViewport = nullptr;
    TViewport3D* NumericViewport = nullptr;
    TPanelTransition* Transition = nullptr;
    int Step = 0;
    QStringList Log;
    QString Setup;
};

TEST_F(PanelTransitionTest, KeyAreaSlideMoves) {
    // clang-format off
    const TKeyAreaCase cases[] = {
        {"keypad hide, page visible", true, 2, true, true, u"NumericLayer3D y 129"_qs,
         {u"NumericLayer3D.depth 0 -> 10 80ms Linear blocking"_qs,
          u"NumericLayer3D.y 129 -> -80 400ms InQuad blocking"_qs}},
        {"keypad hide, no page", true, 2, false, true, u"NumericLayer3D depth 10; ScientificLayer3D y -129"_qs,
         {u"NumericLayer3D.y 0 -> -209 400ms InQuad blocking"_qs,
          u"NumericLayer3D.depth 10 -> 0 80ms Linear blocking"_qs}},
        {"keypad show, page visible", true, 3, true, false, u"NumericLayer3D y -80 depth 10"_qs,
         {u"height 448"_qs, u"NumericLayer3D.y -80 -> 129 400ms InQuad blocking"_qs,
          u"NumericLayer3D.depth 10 -> 0 80ms Linear blocking"_qs}},
        {"keypad show, no page", true, 3, false, false,
         u"NumericLayer3D y -209 depth 10; ScientificLayer3D y -129"_qs,
         {u"height 320"_qs, u"NumericLayer3D.y -209 -> 0 400ms InQuad blocking"_qs,
          u"NumericLayer3D.depth 10 -> 0 80ms Linear blocking"_qs}},
        {"page hide", false, 2, true, true, u"NumericLayer3D y 129"_qs,
         {u"ScientificLayer3D.depth 0 -> 10 80ms Linear blocking"_qs,
          u"ScientificLayer3D.y 0 -> -129 400ms InQuad parallel"_qs,
          u"NumericLayer3D.y 129 -> 0 400ms InQuad blocking"_qs}},
        {"page show", false, 3, false, true, u"ScientificLayer3D y -129 depth 10"_qs,
         {u"height 448"_qs, u"NumericLayer3D.y 0 -> 129 400ms InQuad parallel"_qs,
          u"ScientificLayer3D.y -129 -> 0 400ms InQuad blocking"_qs,
          u"ScientificLayer3D.depth 10 -> 0 80ms Linear blocking"_qs}},
        {"page show, keypad hidden", false, 3, false, false, u"ScientificLayer3D y -129 depth 10"_qs,
         {u"height 240"_qs, u"NumericLayer3D.y 0 -> 129 400ms InQuad parallel"_qs,
          u"ScientificLayer3D.y -129 -> 0 400ms InQuad blocking"_qs,
          u"ScientificLayer3D.depth 10 -> 0 80ms Linear blocking"_qs}},
    };
    // clang-format on
    RunKeyAreaCases(&TPanelTransition::AnimateKeyAreaSlide, cases);
}

TEST_F(PanelTransitionTest, KeyAreaFlipMoves) {
    // clang-format off
    const TKeyAreaCase cases[] = {
        {"keypad hide, page visible", true, 2, true, true, u"NumericLayer3D y 129"_qs,
         {u"NumericLayer3D.angleX 0 -> 90 400ms Linear blocking"_qs}},
        {"keypad hide, no page", true, 2, false, true, u"ScientificLayer3D y -129"_qs,
         {u"NumericLayer3D.angleX 0 -> 90 400ms Linear blocking"_qs}},
        {"keypad show, page visible", true, 3, true, false, u"NumericLayer3D y 129 angleX 90"_qs,
         {u"height 448"_qs, u"NumericLayer3D.angleX 90 -> 0 400ms Linear blocking"_qs}},
        {"keypad show, no page", true, 3, false, false, u"NumericLayer3D angleX 90; ScientificLayer3D y -129"_qs,
         {u"height 320"_qs, u"NumericLayer3D.angleX 90 -> 0 400ms Linear blocking"_qs}},
        {"page hide", false, 2, true, true, u"NumericLayer3D y 129"_qs,
         {u"ScientificLayer3D.angleX 0 -> 90 400ms Linear parallel"_qs,
          u"NumericLayer3D.y 129 -> 0 400ms InQuad blocking"_qs}},
        {"page show", false, 3, false, true, u"ScientificLayer3D angleX 90"_qs,
         {u"height 448"_qs, u"ScientificLayer3D.angleX 90 -> 0 400ms Linear parallel"_qs,
          u"NumericLayer3D.y 0 -> 129 400ms InQuad blocking"_qs}},
    };
    // clang-format on
    RunKeyAreaCases(&TPanelTransition::AnimateKeyAreaFlip, cases);
}

// A slide after a cube turn starts unturned.
TEST_F(PanelTransitionTest, PageMovesInBothDirections) {
    using TPageOperation = void (TPanelTransition::*)(QWidget*, QWidget*, int);
    struct TCase {
        const char* Name;
        TPageOperation Operation;
        int Direction;
        QString Setup;
        QStringList Log;
    };
    // clang-format off
    const TCase cases[] = {
        {"cube right", &TPanelTransition::AnimatePanelCube, 1, u"BottomLayer3D x -172 depth 172 angleY 90"_qs,
         {u"ScientificViewLayout3D.angleY 0 -> -90 400ms InQuad blocking"_qs}},
        {"slide right", &TPanelTransition::AnimatePanelSlide, 1, u"BottomLayer3D depth 10"_qs,
         {u"TopLayer3D.x 0 -> 344 400ms InQuad blocking"_qs,
          u"BottomLayer3D.depth 10 -> 0 40ms InQuad blocking"_qs}},
        {"cube left", &TPanelTransition::AnimatePanelCube, 0, u"BottomLayer3D x 172 depth 172 angleY -90"_qs,
         {u"ScientificViewLayout3D.angleY 0 -> 90 400ms InQuad blocking"_qs}},
        {"slide left", &TPanelTransition::AnimatePanelSlide, 0, u"BottomLayer3D depth 10"_qs,
         {u"TopLayer3D.x 0 -> -344 400ms InQuad blocking"_qs,
          u"BottomLayer3D.depth 10 -> 0 40ms InQuad blocking"_qs}},
    };
    // clang-format on
    for (const TCase& c : cases) {
        StartRecording();
        std::invoke(c.Operation, Transition, Scientific, Option, c.Direction);
        EXPECT_EQ(Setup, c.Setup) << c.Name;
        EXPECT_EQ(Log, c.Log) << c.Name;
    }
}

TEST_F(PanelTransitionTest, WindowGrowsBeforeAShowAtEveryScale) {
    struct TCase {
        int Step;
        bool IsKeypad, IsPageVisible, IsKeypadVisible;
        int Height;
    };
    // clang-format off
    const TCase cases[] = {
        {10, true, true, false, 672},   {10, true, false, false, 480}, {10, false, false, true, 672},
        {10, false, false, false, 360}, {-12, true, true, false, 179}, {-12, true, false, false, 128},
        {-12, false, false, true, 179}, {-12, false, false, false, 96},
    };
    // clang-format on
    for (const TCase& c : cases) {
        SetStep(c.Step);
        for (TKeyAreaOperation operation :
             {&TPanelTransition::AnimateKeyAreaSlide, &TPanelTransition::AnimateKeyAreaFlip}) {
            ShowAreas(c.IsPageVisible, c.IsKeypadVisible);
            StartRecording();
            std::invoke(operation, Transition, c.IsKeypad ? Keypad : nullptr, 3, Scientific);
            EXPECT_EQ(Log.value(0), QStringLiteral("height %1").arg(c.Height)) << "step " << c.Step;
        }
    }
    // A hide leaves the height to the caller's layout.
    ShowAreas(true, true);
    const int height = Form->height();
    StartRecording();
    Transition->AnimateKeyAreaFlip(Keypad, 2, Scientific);
    Transition->AnimateKeyAreaSlide(nullptr, 2, Scientific);
    EXPECT_TRUE(Log.filter(u"height"_qs).isEmpty());
    EXPECT_EQ(Form->height(), height);
}

// Afterwards the views are hidden without pictures, every panel stands where it stood, the
// pages of a switch are both shown (the caller then hides one), the key area concerned is shown
// and the other keeps its visibility. While the pictures move nothing grabs the covered panels
// again (a grab paints a hidden panel).
TEST_F(PanelTransitionTest, PanelsComeBackAtEveryScale) {
    int grabs = 0;
    bool isMoving = false;
    TEventSpy spy(QEvent::Paint, [&](QObject* APanel) {
        if (isMoving && static_cast<QWidget*>(APanel)->isHidden()) ++grabs;
    });
    for (QWidget* panel : {Scientific, Option, Variable, Keypad}) panel->installEventFilter(&spy);
    Transition->Stage().SetRecorder([&](const TMotionRecord&) { isMoving = true; });

    for (int step : {0, 10, -12}) {
        SetStep(step);
        auto check = [&](const char* AName, bool IsPageShown, bool IsKeypadShown) {
            isMoving = false;
            EXPECT_FALSE(ScientificViewport->isVisible()) << AName << " step " << step;
            EXPECT_FALSE(NumericViewport->isVisible()) << AName << " step " << step;
            EXPECT_FALSE(HasPictures()) << AName << " step " << step;
            EXPECT_FALSE(Transition->IsRunning()) << AName << " step " << step;
            EXPECT_EQ(Scientific->isVisible(), IsPageShown) << AName << " step " << step;
            EXPECT_EQ(Keypad->isVisible(), IsKeypadShown) << AName << " step " << step;
        };
        const std::vector<QRect> before = Geometries();
        ShowAreas(true, true);
        Transition->AnimatePanelSlide(Scientific, Variable, 0);
        check("slide", true, true);
        EXPECT_TRUE(Variable->isVisible());
        Variable->hide();
        Transition->AnimatePanelCube(Scientific, Option, 1);
        check("cube", true, true);
        EXPECT_TRUE(Option->isVisible());
        Option->hide();
        Transition->AnimateKeyAreaSlide(Keypad, 2, Scientific);
        check("keypad slide hide", true, true);
        ShowAreas(false, true);
        Transition->AnimateKeyAreaFlip(Keypad, 3, Scientific);
        check("keypad flip show", false, true);
        ShowAreas(false, false);
        Transition->AnimateKeyAreaSlide(nullptr, 3, Scientific);
        check("page slide show", true, false);
        Transition->AnimateKeyAreaFlip(nullptr, 2, Scientific);
        check("page flip hide", true, false);
        EXPECT_EQ(Geometries(), before) << "step " << step;
    }
    EXPECT_EQ(grabs, 0);
}

TEST_F(PanelTransitionTest, FocusGoesBackIntoAPanelThatWasCovered) {
    ShowAreas(false, true);
    Variable->show();
    auto* value = Find<QLineEdit>("VariableData3Edit");
    value->setFocus();
    ASSERT_TRUE(value->hasFocus());
    Transition->AnimateKeyAreaSlide(Keypad, 2, Variable);
    EXPECT_TRUE(value->hasFocus());
}

// The window calls Finish when it is closed during a transition: everything is given back at
// once (the window may save its state before the transition's call returns), and the call
// returns long before its nominal time with every move at its end.
TEST_F(PanelTransitionTest, FinishEndsARunningTransitionAtOnce) {
    Transition->Stage().SetTimeFactor(100); // 48 s, if Finish did nothing
    ShowAreas(true, true);
    QTimer::singleShot(50, Transition, [this] {
        ASSERT_TRUE(Transition->IsRunning());
        ASSERT_TRUE(NumericViewport->isVisible());
        ASSERT_TRUE(Scientific->isHidden());
        Transition->Finish();
        EXPECT_FALSE(NumericViewport->isVisible());
        EXPECT_FALSE(Scientific->isHidden());
        EXPECT_FALSE(HasPictures());
    });
    QElapsedTimer clock;
    clock.start();
    Transition->AnimateKeyAreaSlide(nullptr, 2, Scientific);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(Transition->IsRunning());
    EXPECT_FALSE(NumericViewport->isVisible());
    EXPECT_TRUE(Scientific->isVisible());
    auto* page = NumericViewport->findChild<TLayer3D*>(u"ScientificLayer3D"_qs);
    auto* keypad = NumericViewport->findChild<TLayer3D*>(u"NumericLayer3D"_qs);
    EXPECT_EQ(page->Y(), -129);
    EXPECT_EQ(page->Depth(), 10);
    EXPECT_EQ(keypad->Y(), 0);
}

// Quitting the application (a signal handler calls quit) ends every event loop, the
// transition's own too: it unwinds at once and leaves its final state.
TEST_F(PanelTransitionTest, QuittingDuringATransitionUnwindsIt) {
    Transition->Stage().SetTimeFactor(100);
    bool isReturned = false;
    QTimer::singleShot(0, Transition, [&] {
        Transition->AnimatePanelCube(Scientific, Option, 0);
        isReturned = true;
    });
    QTimer::singleShot(50, [] { QCoreApplication::quit(); });
    QElapsedTimer clock;
    clock.start();
    QApplication::exec();
    EXPECT_TRUE(isReturned);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(Transition->IsRunning());
    EXPECT_FALSE(ScientificViewport->isVisibleTo(Form.get()));
    EXPECT_FALSE(HasPictures());
    EXPECT_TRUE(Scientific->isVisibleTo(Form.get()));
    EXPECT_TRUE(Option->isVisibleTo(Form.get()));
    auto* cube = ScientificViewport->findChild<TLayout3D*>(u"ScientificViewLayout3D"_qs);
    EXPECT_EQ(cube->AngleY(), 90);
}

TEST_F(PanelTransitionTest, ASecondCallWhileOneRunsDoesNothing) {
    ShowAreas(true, true);
    QStringList inner;
    QTimer::singleShot(5, Transition, [&] {
        StartRecording();
        Transition->AnimatePanelCube(Scientific, Option, 1);
        Transition->AnimateKeyAreaFlip(nullptr, 3, Scientific);
        inner = Log;
    });
    Transition->Stage().SetTimeFactor(0.5);
    Transition->AnimateKeyAreaSlide(Keypad, 2, Scientific);
    EXPECT_TRUE(inner.isEmpty()) << inner.join(u", "_qs).toStdString();
    EXPECT_FALSE(ScientificViewport->isVisible());
    EXPECT_TRUE(Keypad->isVisible());
}

TEST_F(PanelTransitionTest, KindsOtherThanHideAndShowDoNothing) {
    for (int kind : {0, 1, 4, -2}) {
        StartRecording();
        Transition->AnimateKeyAreaSlide(Keypad, kind, Scientific);
        Transition->AnimateKeyAreaFlip(nullptr, kind, Scientific);
        EXPECT_TRUE(Log.isEmpty()) << kind;
    }
}

} // namespace
