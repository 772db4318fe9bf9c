// The history panel on a long history: opening the overlay until the next frame is painted and
// until a frame with every visible row is painted, the docked list rebuilt after an evaluation,
// and the heap a history entry costs with its row.
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another.
#include "ui/window/MainWin.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QTemporaryDir>

#include <malloc.h>

#include <memory>

namespace {

// A window on settings of its own (docked or not), its history filled with AEntries evaluations.
struct TBenchWindow {
    QTemporaryDir Folder;
    std::unique_ptr<TMainForm> Form;

    TBenchWindow(int AEntries, bool AIsDocked) {
        QFile settings(Folder.filePath(QStringLiteral("Zemtrix.ini")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write(AIsDocked ? "[Display]\nAlwaysDisplayHistoryPanel=1\n" : "[Display]\n");
        settings.close();
        TSettingsLocation location;
        location.ProgramFolder = Folder.path();
        location.UserConfigFolder = Folder.filePath(QStringLiteral("config"));
        Form = std::make_unique<TMainForm>(location);
        Form->show();
        QApplication::processEvents();
        Fill(AEntries);
    }
    void Fill(int AEntries) {
        auto* edit = Form->findChild<QLineEdit*>(QStringLiteral("ExpressionEdit"));
        for (int i = 0; i < AEntries; ++i) {
            edit->setText(QStringLiteral("%1/7+ANS").arg(i));
            Form->CalcExpression(i % 3 == 0);
        }
    }
    template <typename T> T* Find(const char* AName) const {
        return Form->findChild<T*>(QString::fromLatin1(AName));
    }
};

// Bytes the heap has handed out and not yet taken back.
std::size_t HeapInUse() { return mallinfo2().uordblks; }

// Watches a widget for its next paint.
class TPaintWatch : public QObject {
public:
    explicit TPaintWatch(QWidget* AWidget) { AWidget->installEventFilter(this); }
    bool IsPainted = false;

protected:
    bool eventFilter(QObject*, QEvent* AEvent) override {
        if (AEvent->type() == QEvent::Paint) IsPainted = true;
        return false;
    }
};

// From the press on "Memory" until the event loop has painted the window's next frame. The slide
// starts with the panel just above the window; each later frame moves it further in.
double OpenToFirstFrame(TBenchWindow& AWindow) {
    TPaintWatch watch(AWindow.Form.get());
    QElapsedTimer timer;
    timer.start();
    AWindow.Find<QAbstractButton>("MemoryButton")->click();
    while (!watch.IsPainted && timer.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    return double(timer.nsecsElapsed()) * 1E-9;
}

void CloseAtOnce(TBenchWindow& AWindow) {
    AWindow.Find<QAbstractButton>("HistoryPanelCloseBtn")->click();
    AWindow.Find<QPropertyAnimation>("HistoryPanelAnimation")->setCurrentTime(0);
    QApplication::processEvents();
}

void BM_OpenOverlayToFirstFrame(benchmark::State& AState) {
    TBenchWindow window(int(AState.range(0)), false);
    for (auto _ : AState) {
        AState.SetIterationTime(OpenToFirstFrame(window));
        CloseAtOnce(window);
    }
}
BENCHMARK(BM_OpenOverlayToFirstFrame)
    ->Arg(100)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The same for the first opening after the window has started (the list's first polish included).
void BM_OpenOverlayFirstTimeToFirstFrame(benchmark::State& AState) {
    for (auto _ : AState) {
        TBenchWindow window(int(AState.range(0)), false);
        AState.SetIterationTime(OpenToFirstFrame(window));
    }
}
BENCHMARK(BM_OpenOverlayFirstTimeToFirstFrame)
    ->Arg(10000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// From the press on "Memory" until the window has drawn a whole frame with the open list: the
// slide is put at its end, so that the frame paints every visible row (the largest frame of the
// slide).
void BM_OpenOverlayToFullFrame(benchmark::State& AState) {
    TBenchWindow window(int(AState.range(0)), false);
    auto* memory = window.Find<QAbstractButton>("MemoryButton");
    auto* slide = window.Find<QPropertyAnimation>("HistoryPanelAnimation");
    double handlerSeconds = 0;
    for (auto _ : AState) {
        QElapsedTimer timer;
        timer.start();
        memory->click();
        handlerSeconds += double(timer.nsecsElapsed()) * 1E-9;
        slide->setCurrentTime(slide->duration());
        window.Form->repaint();
        AState.SetIterationTime(double(timer.nsecsElapsed()) * 1E-9);
        CloseAtOnce(window);
    }
    AState.counters["handler_ms"] =
        benchmark::Counter(handlerSeconds * 1E3 / double(AState.iterations()));
}
BENCHMARK(BM_OpenOverlayToFullFrame)
    ->Arg(100)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One evaluation while the panel is docked: the new entry, the rebuilt list and the next frame.
void BM_DockedEvaluation(benchmark::State& AState) {
    TBenchWindow window(int(AState.range(0)), true);
    auto* edit = window.Find<QLineEdit>("ExpressionEdit");
    for (auto _ : AState) {
        edit->setText(QStringLiteral("1+2"));
        window.Form->CalcExpression(false);
        window.Form->repaint();
    }
}
BENCHMARK(BM_DockedEvaluation)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// Heap bytes per history entry with the overlay open on the whole history: the entry, its formula
// text and whatever its row costs.
void BM_HistoryMemoryPerEntry(benchmark::State& AState) {
    const int entries = int(AState.range(0));
    for (auto _ : AState) {
        TBenchWindow window(0, false);
        OpenToFirstFrame(window); // the empty list's first use is paid before counting
        CloseAtOnce(window);
        const std::size_t before = HeapInUse();
        window.Fill(entries);
        OpenToFirstFrame(window);
        window.Find<QPropertyAnimation>("HistoryPanelAnimation")->setCurrentTime(300);
        window.Form->repaint();
        AState.counters["bytes_per_entry"] = (double(HeapInUse()) - double(before)) / entries;
    }
}
BENCHMARK(BM_HistoryMemoryPerEntry)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
