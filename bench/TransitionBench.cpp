// transition_bench: runs every page and key-area transition on the real window at the scale
// steps given and reports, per transition, the wall time against the nominal duration, the
// frames painted, the frame rate, the time to the first frame, the longest gap between frames,
// and the processor time per frame and per transition. Run it on a real X server
// (bench/transitions.sh starts Xvfb).
//
// Usage: transition_bench [--steps 0,10] [--rounds N] [--shots DIR]
//   --shots DIR  instead of measuring, saves the screen at the middle of a cube turn, a flip
//                and a slide (at each step) as PNG files in DIR.

#include "model/WindowLayout.h"
#include "ui/motion/MotionStage.h"
#include "ui/motion/PanelTransition.h"
#include "ui/motion/Viewport3D.h"
#include "ui/window/MainWin.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Processor time of the calling thread in ns: unlike the wall clock it leaves out the time that
// other programs of a busy machine take the processor away.
qint64 ThreadCpuTime() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// A view that notes when each of its frames starts and the processor time it takes.
class TTimedViewport : public TViewport3D {
public:
    using TViewport3D::TViewport3D;
    std::vector<qint64> FrameStarts; // ns since the clock started
    std::vector<qint64> PaintTimes;  // processor ns
    const QElapsedTimer* Clock = nullptr;

protected:
    void paintEvent(QPaintEvent* AEvent) override {
        FrameStarts.push_back(Clock->nsecsElapsed());
        const qint64 start = ThreadCpuTime();
        TViewport3D::paintEvent(AEvent);
        PaintTimes.push_back(ThreadCpuTime() - start);
    }
};

struct TCase {
    QString Name;
    int Nominal; // ms
    std::function<void()> Run;
    std::function<void()> After; // the caller's layout afterwards
};

struct TResult {
    double WallMs = 0;
    int Frames = 0;
    double FirstFrameMs = 0; // from the call until the first frame starts
    double MaxGapMs = 0;     // longest time without a new frame, the first one included
    double MeanPaintMs = 0, MaxPaintMs = 0; // processor time per frame
    double CpuMs = 0;                       // processor time of the whole transition
};

TSettingsLocation Settings(const QTemporaryDir& AFolder) {
    TSettingsLocation location;
    location.ProgramFolder = AFolder.path();
    location.UserConfigFolder = AFolder.filePath(QStringLiteral("config"));
    return location;
}

class TBench {
public:
    TBench() {
        Window.show();
        if (!QTest::qWaitForWindowExposed(&Window))
            std::fprintf(stderr, "warning: the window was not exposed\n");
        for (const char* name : {"ScientificPanel", "Option1Panel", "VariablePanel"})
            Pages.push_back(Find(name));
        ButtonPanel = Find("ButtonPanel");
        // The views stand above the history panel and under the expression panel.
        Numeric = new TTimedViewport(&Window);
        Numeric->setObjectName(QStringLiteral("NumericViewport"));
        Scientific = new TTimedViewport(&Window);
        Scientific->setObjectName(QStringLiteral("ScientificViewport"));
        for (TTimedViewport* view : {Numeric, Scientific}) {
            view->Clock = &Clock;
            view->stackUnder(Find("ExpressionPanel"));
        }
        Transition =
            new TPanelTransition({Scientific, Numeric, ButtonPanel, [this] { return Scale; },
                                  [this](int AHeight) { Window.setFixedHeight(AHeight); }},
                                 &Window);
        Clock.start();
    }

    QWidget* Find(const char* AName) {
        return Window.findChild<QWidget*>(QString::fromLatin1(AName));
    }

    void SetStep(int AStep) {
        Scale = WindowLayout::ScaleOf(AStep);
        Window.SetWindowScale(AStep);
        const QPoint place = Pages[0]->pos();
        const int width = int(std::lround(344 * Scale));
        Scientific->setGeometry(place.x(), place.y(), width, int(std::lround(129 * Scale)));
        Numeric->setGeometry(place.x(), place.y(), width, int(std::lround(337 * Scale)));
        Layout(0, true);
        QTest::qWait(300);
    }

    // What the window's layout does after a transition: one page or none, the keypad or not.
    void Layout(int APage, bool IsKeypad) {
        for (QWidget* page : Pages) page->hide();
        double y = Scale * 112;
        if (APage >= 0) {
            Pages[std::size_t(APage)]->show();
            y += Scale * 128;
        }
        ButtonPanel->setVisible(IsKeypad);
        ButtonPanel->move(0, int(std::nearbyint(y)));
        if (IsKeypad) y += Scale * 208;
        Window.setFixedHeight(int(std::nearbyint(y)));
    }

    std::vector<TCase> Cases() {
        QWidget* sci = Pages[0];
        QWidget* opt = Pages[1];
        TPanelTransition* t = Transition;
        std::vector<TCase> cases = {
            {u"slide page right"_qs, 440, [=] { t->AnimatePanelSlide(sci, opt, 1); },
             [this] { Layout(1, true); }},
            {u"slide page left"_qs, 440, [=] { t->AnimatePanelSlide(opt, sci, 0); },
             [this] { Layout(0, true); }},
            {u"cube right"_qs, 400, [=] { t->AnimatePanelCube(sci, opt, 1); },
             [this] { Layout(1, true); }},
            {u"cube left"_qs, 400, [=] { t->AnimatePanelCube(opt, sci, 0); },
             [this] { Layout(0, true); }},
        };
        // The key areas go through all six states of the tables: keypad away and back with the
        // page, page away, keypad away and back alone, page back.
        using TAnimate = void (TPanelTransition::*)(QWidget*, int, QWidget*);
        struct TStyle {
            QString Name;
            TAnimate Animate;
            int Keypad, Page; // nominal durations
        };
        const TStyle styles[] = {{u"slide"_qs, &TPanelTransition::AnimateKeyAreaSlide, 480, 480},
                                 {u"flip"_qs, &TPanelTransition::AnimateKeyAreaFlip, 400, 400}};
        QWidget* keypad = ButtonPanel;
        for (const TStyle& style : styles) {
            auto run = [=](QWidget* AArea, int AKind) {
                return [=] { std::invoke(style.Animate, t, AArea, AKind, sci); };
            };
            cases.push_back({style.Name + u" keypad hide"_qs, style.Keypad, run(keypad, 2),
                             [this] { Layout(0, false); }});
            cases.push_back({style.Name + u" keypad show"_qs, style.Keypad, run(keypad, 3),
                             [this] { Layout(0, true); }});
            cases.push_back({style.Name + u" page hide"_qs, style.Page, run(nullptr, 2),
                             [this] { Layout(-1, true); }});
            cases.push_back({style.Name + u" keypad hide, no page"_qs, style.Keypad, run(keypad, 2),
                             [this] { Layout(-1, false); }});
            cases.push_back({style.Name + u" keypad show, no page"_qs, style.Keypad, run(keypad, 3),
                             [this] { Layout(-1, true); }});
            cases.push_back({style.Name + u" page show"_qs, style.Page, run(nullptr, 3),
                             [this] { Layout(0, true); }});
        }
        return cases;
    }

    TResult Measure(const TCase& ACase) {
        for (TTimedViewport* view : {Numeric, Scientific}) {
            view->FrameStarts.clear();
            view->PaintTimes.clear();
        }
        const qint64 cpuStart = ThreadCpuTime();
        const qint64 start = Clock.nsecsElapsed();
        ACase.Run();
        const qint64 end = Clock.nsecsElapsed();
        const qint64 cpu = ThreadCpuTime() - cpuStart;
        ACase.After();
        TResult result;
        std::vector<qint64> frames;
        std::vector<qint64> paints;
        for (TTimedViewport* view : {Numeric, Scientific}) {
            frames.insert(frames.end(), view->FrameStarts.begin(), view->FrameStarts.end());
            paints.insert(paints.end(), view->PaintTimes.begin(), view->PaintTimes.end());
        }
        std::sort(frames.begin(), frames.end());
        result.WallMs = double(end - start) / 1e6;
        result.CpuMs = double(cpu) / 1e6;
        result.Frames = int(frames.size());
        result.FirstFrameMs = frames.empty() ? result.WallMs : double(frames.front() - start) / 1e6;
        qint64 previous = start;
        qint64 maxGap = 0;
        for (qint64 frame : frames) {
            maxGap = std::max(maxGap, frame - previous);
            previous = frame;
        }
        result.MaxGapMs = double(std::max(maxGap, end - previous)) / 1e6;
        if (!paints.empty()) {
            double sum = 0;
            for (qint64 paint : paints) sum += double(paint);
            result.MeanPaintMs = sum / double(paints.size()) / 1e6;
            result.MaxPaintMs = double(*std::max_element(paints.begin(), paints.end())) / 1e6;
        }
        QTest::qWait(150);
        return result;
    }

    // Runs the case and saves the screen half its nominal duration after the first move starts
    // (unless AFile is empty).
    void Shoot(const TCase& ACase, const QString& AFile) {
        bool isTimed = AFile.isEmpty();
        Transition->Stage().SetRecorder([&isTimed, &ACase, AFile](const TMotionRecord&) {
            if (isTimed) return;
            isTimed = true;
            QTimer::singleShot(ACase.Nominal / 2, Qt::PreciseTimer, [AFile] {
                QGuiApplication::primaryScreen()->grabWindow(0).save(AFile);
            });
        });
        ACase.Run();
        Transition->Stage().SetRecorder({});
        ACase.After();
        QTest::qWait(150);
    }

    QTemporaryDir SettingsDir; // the window reads and writes its settings here, not beside us
    TMainForm Window{Settings(SettingsDir)};
    std::vector<QWidget*> Pages;
    QWidget* ButtonPanel = nullptr;
    TTimedViewport* Numeric = nullptr;
    TTimedViewport* Scientific = nullptr;
    TPanelTransition* Transition = nullptr;
    double Scale = 1;
    QElapsedTimer Clock;
};

std::vector<int> ParseSteps(const QString& AText) {
    std::vector<int> steps;
    for (const QString& part : AText.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool isNumber = false;
        const int step = part.toInt(&isNumber);
        if (isNumber && step >= -12 && step <= 40) steps.push_back(step);
    }
    return steps;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QGuiApplication::setDesktopSettingsAware(false);
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    std::vector<int> steps{0, 10};
    int rounds = 3;
    QString shots;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--steps"))
            steps = ParseSteps(arguments[i + 1]);
        else if (arguments[i] == QLatin1String("--rounds"))
            rounds = std::max(1, arguments[i + 1].toInt());
        else if (arguments[i] == QLatin1String("--shots"))
            shots = arguments[i + 1];
    }
    if (steps.empty()) {
        std::fprintf(stderr, "error: --steps wants scale steps from -12 to 40, e.g. 0,10\n");
        return 2;
    }

    TBench bench;
    const std::vector<TCase> cases = bench.Cases();
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        const QStringList wanted = {u"slide page right"_qs, u"cube right"_qs,
                                    u"cube left"_qs,        u"slide keypad show"_qs,
                                    u"flip keypad show"_qs, u"flip page show"_qs};
        for (int step : steps) {
            bench.SetStep(step);
            for (const TCase& c : cases) {
                QString file = c.Name;
                file.replace(QLatin1Char(' '), QLatin1Char('-')).remove(QLatin1Char(','));
                // The other cases run too: each leaves the state the next one starts from.
                const QString path = QStringLiteral("%1/%2-step%3.png").arg(shots, file).arg(step);
                bench.Shoot(c, wanted.contains(c.Name) ? path : QString());
            }
        }
        return 0;
    }

    // Each round runs the whole sequence (every case starts from the state the one before left);
    // a first round at each step warms the caches and is not counted.
    std::printf("%-26s %4s %7s %7s %6s %6s %6s %6s %7s %6s %6s %6s\n", "transition", "step",
                "nominal", "wall", "dev %", "frames", "fps", "first", "max gap", "paint", "max",
                "cpu");
    bool isPassed = true;
    for (int step : steps) {
        bench.SetStep(step);
        std::vector<std::vector<TResult>> results(cases.size());
        for (int round = 0; round <= rounds; ++round)
            for (std::size_t i = 0; i < cases.size(); ++i) {
                const TResult result = bench.Measure(cases[i]);
                if (round > 0) results[i].push_back(result);
            }
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const double nominal = cases[i].Nominal;
            TResult mean, worst;
            double worstDeviation = 0, lowestFps = 1e9;
            for (const TResult& r : results[i]) {
                mean.WallMs += r.WallMs / rounds;
                mean.Frames += r.Frames;
                mean.MeanPaintMs += r.MeanPaintMs / rounds;
                mean.CpuMs += r.CpuMs / rounds;
                worstDeviation = std::max(worstDeviation, std::abs(r.WallMs - nominal) / nominal);
                lowestFps = std::min(lowestFps, r.Frames / (r.WallMs / 1000));
                worst.FirstFrameMs = std::max(worst.FirstFrameMs, r.FirstFrameMs);
                worst.MaxGapMs = std::max(worst.MaxGapMs, r.MaxGapMs);
                worst.MaxPaintMs = std::max(worst.MaxPaintMs, r.MaxPaintMs);
            }
            const double frames = double(mean.Frames) / rounds;
            const bool isOk = lowestFps >= 55 && worst.MaxGapMs <= 33 && worstDeviation <= 0.05;
            isPassed = isPassed && isOk;
            std::printf(
                "%-26s %4d %7.0f %7.1f %+6.1f %6.1f %6.1f %6.1f %7.1f %6.2f %6.2f %6.1f%s\n",
                qPrintable(cases[i].Name), step, nominal, mean.WallMs,
                100 * (mean.WallMs - nominal) / nominal, frames, frames / (mean.WallMs / 1000),
                worst.FirstFrameMs, worst.MaxGapMs, mean.MeanPaintMs, worst.MaxPaintMs, mean.CpuMs,
                isOk ? "" : "  MISSED");
        }
    }
    std::printf("wall, frames, fps, paint and cpu: mean of %d rounds; first (ms to the first "
                "frame), max gap (ms without a new frame) and max (paint): worst round; paint and "
                "cpu are processor ms of the window's thread, per frame and per transition\n"
                "targets (every round): >= 55 fps, no gap over 33 ms, wall time within 5 %% of "
                "nominal: %s\n",
                rounds, isPassed ? "met" : "missed");
    return isPassed ? 0 : 1;
}
