#pragma once

#include <QObject>
#include <QPointer>

#include <optional>

class QMessageBox;
class QSocketNotifier;
class TMainForm;

// The end of the program's run, however it ends: the main window closed by the user or the
// window manager, the session ending (logout), or SIGTERM, SIGINT or SIGHUP. Each way leads to
// the window's one shutdown, which writes the settings file.
class TShutdown : public QObject {
    Q_OBJECT

public:
    // Catches the quit signals from now on; their handler only writes a byte to a pipe. Call it
    // first thing in main, so that a signal arriving during start-up is not lost.
    static void CatchQuitSignals();

    // Watches the pipe and the session of the running application on behalf of AForm.
    explicit TShutdown(TMainForm& AForm);
    ~TShutdown() override;

    // Runs the window's shutdown unless it has run; 0 when the settings were written, else 1.
    // A failed write is reported on standard error, and in a message box when the user
    // closed the window (not when a signal or the end of the session stopped the program). A
    // quit signal or the end of the session closes that box, and the program ends with 1.
    int ExitStatus();

private:
    void QuitSignalReceived();
    void SessionEnding();
    void Finish(bool AIsUserPresent);
    void ShowWriteFailure(const QString& AMessage);
    void CloseWriteFailure();

    TMainForm& Form;
    QSocketNotifier* SignalNotifier = nullptr;
    bool IsUserPresent = true;
    std::optional<bool> IsWritten;
    QPointer<QMessageBox> WriteFailureBox; // while it is open
};
