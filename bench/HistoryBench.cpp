// The history panel on a long history: opening the overlay (rebuild, show, first full frame), the
// docked list rebuilt after an evaluation, and the memory a history entry costs with its row.
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another.
#include "ui/MainWin.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QTemporaryDir>

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
    template <typename T>
    T* Find(const char* AName) const {
        return Form->findChild<T*>(QString::fromLatin1(AName));
    }
};

long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// From the press on "Memory" until the window has drawn a whole frame with the open list: the
// slide is put at its end so that the frame paints every visible row (the largest frame of the
// slide; the slide's earlier frames show less of the panel).
void BM_OpenOverlayToFullFrame(benchmark::State& AState) {
    TBenchWindow window(int(AState.range(0)), false);
    auto* memory = window.Find<QAbstractButton>("MemoryButton");
    auto* close = window.Find<QAbstractButton>("HistoryPanelCloseBtn");
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
        close->click();
        slide->setCurrentTime(0);
        QApplication::processEvents();
    }
    AState.counters["handler_ms"] = benchmark::Counter(handlerSeconds * 1E3 / double(AState.iterations()));
}
BENCHMARK(BM_OpenOverlayToFullFrame)->Arg(100)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// From the press on "Memory" until the event loop has drawn the list for the first time while the
// slide runs (the panel enters the window at the slide's second frame, about 16 ms in).
void BM_OpenOverlayToFirstListPaint(benchmark::State& AState) {
    TBenchWindow window(int(AState.range(0)), false);
    auto* memory = window.Find<QAbstractButton>("MemoryButton");
    auto* close = window.Find<QAbstractButton>("HistoryPanelCloseBtn");
    auto* slide = window.Find<QPropertyAnimation>("HistoryPanelAnimation");
    QWidget* viewport = window.Find<QWidget>("HistoryListBox")->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport"));
    struct TPaintWatch : QObject {
        bool IsPainted = false;
        bool eventFilter(QObject*, QEvent* AEvent) override {
            if (AEvent->type() == QEvent::Paint) IsPainted = true;
            return false;
        }
    } watch;
    viewport->installEventFilter(&watch);
    for (auto _ : AState) {
        watch.IsPainted = false;
        QElapsedTimer timer;
        timer.start();
        memory->click();
        while (!watch.IsPainted && timer.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 1);
        AState.SetIterationTime(double(timer.nsecsElapsed()) * 1E-9);
        close->click();
        slide->setCurrentTime(0);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenOverlayToFirstListPaint)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

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

// Resident memory per history entry, rows and an open list included, over AEntries entries.
void BM_HistoryMemoryPerEntry(benchmark::State& AState) {
    const int entries = int(AState.range(0));
    for (auto _ : AState) {
        TBenchWindow window(0, false);
        auto* memory = window.Find<QAbstractButton>("MemoryButton");
        auto* slide = window.Find<QPropertyAnimation>("HistoryPanelAnimation");
        memory->click(); // the empty list opened and closed once, so that its first use is paid
        slide->setCurrentTime(slide->duration());
        window.Form->repaint();
        memory->click();
        slide->setCurrentTime(0);
        const long before = ResidentKiB();
        window.Fill(entries);
        memory->click();
        slide->setCurrentTime(slide->duration());
        window.Form->repaint();
        AState.counters["bytes_per_entry"] = double(ResidentKiB() - before) * 1024.0 / entries;
    }
}
BENCHMARK(BM_HistoryMemoryPerEntry)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

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
