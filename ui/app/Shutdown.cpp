#include "ui/app/Shutdown.h"

#include "model/IniFile.h"
#include "ui/window/MainWin.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int SignalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest when it reads the byte.
void OnQuitSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
    errno = savedErrno;
}

bool CanShowMessageBox() {
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen" && platform != u"minimal";
}

} // namespace

void TShutdown::CatchQuitSignals() {
    if (SignalPipe[0] >= 0) return;
    if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

TShutdown::TShutdown(TMainForm& AForm) : Form(AForm) {
    CatchQuitSignals();
    if (SignalPipe[0] >= 0) {
        SignalNotifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, this);
        connect(SignalNotifier, &QSocketNotifier::activated, this, &TShutdown::QuitSignalReceived);
    }
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TShutdown::SessionEnding);
}

TShutdown::~TShutdown() = default;

// Also while the box that reports a failed write is open: the event loop has ended by then, and a
// box that waits for a click must not keep a desktop from stopping the program.
void TShutdown::QuitSignalReceived() {
    char bytes[16];
    while (::read(SignalPipe[0], bytes, sizeof bytes) > 0) {
    }
    IsUserPresent = false;
    CloseWriteFailure();
    QCoreApplication::quit();
}

// The session may end the process right after this returns: write now, then leave normally.
void TShutdown::SessionEnding() {
    Finish(false);
    CloseWriteFailure();
    QCoreApplication::quit();
}

int TShutdown::ExitStatus() {
    Finish(IsUserPresent);
    return *IsWritten ? 0 : 1;
}

void TShutdown::Finish(bool AIsUserPresent) {
    if (IsWritten) return;
    try {
        Form.FormDestroy();
        IsWritten = true;
    } catch (const EIniFileWriteError& error) {
        IsWritten = false;
        std::fprintf(stderr, "zemtrix: %s\n", qPrintable(error.Message()));
        std::fflush(stderr);
        if (AIsUserPresent && CanShowMessageBox()) ShowWriteFailure(error.Message());
    }
}

void TShutdown::ShowWriteFailure(const QString& AMessage) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zemtrix"), AMessage, QMessageBox::Ok);
    WriteFailureBox = &box;
    box.exec();
}

void TShutdown::CloseWriteFailure() {
    if (WriteFailureBox) WriteFailureBox->reject();
}
