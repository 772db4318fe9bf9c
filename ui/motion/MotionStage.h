#pragma once

// Property animations for the transitions: parallel moves that run on while their caller goes
// on, and blocking moves that return when they are over while the event loop keeps running.

#include <QByteArray>
#include <QEasingCurve>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QEventLoop;
class QPropertyAnimation;

// One move as it was started: the object (by name) and property, the values and the nominal
// duration in milliseconds.
struct TMotionRecord {
    QString Target;
    QByteArray Property;
    double From = 0;
    double To = 0;
    int Duration = 0;
    QEasingCurve::Type Easing = QEasingCurve::Linear;
    bool IsBlocking = false;
};

class TMotionStage : public QObject {
    Q_OBJECT

public:
    using TRecorder = std::function<void(const TMotionRecord&)>;

    explicit TMotionStage(QObject* AParent = nullptr);

    // Animates the double property AProperty of ATarget from its current value to ATo. Starting
    // a move stops one running on the same property of the same object.
    void ParallelMove(QObject* ATarget, const char* AProperty, double ATo, int ADuration,
                      QEasingCurve::Type AEasing);
    // The same, returning when the move is over. False when the stage was finished before:
    // by Finish, or because the event loops were told to quit.
    bool BlockingMove(QObject* ATarget, const char* AProperty, double ATo, int ADuration,
                      QEasingCurve::Type AEasing);

    // Puts every running move at its target at once and releases a waiting blocking move; moves
    // started afterwards jump to their targets, until Reset.
    void Finish();
    void Reset();
    bool IsFinished() const { return FIsFinished; }

    // Called with every move started, before it runs.
    void SetRecorder(TRecorder ARecorder) { FRecorder = std::move(ARecorder); }
    // Real durations are the nominal ones times AFactor (records keep the nominal ones).
    void SetTimeFactor(double AFactor) { FTimeFactor = AFactor; }

private:
    QPropertyAnimation* Start(QObject* ATarget, const char* AProperty, double ATo, int ADuration,
                              QEasingCurve::Type AEasing, bool IsBlocking);

    std::vector<QPointer<QPropertyAnimation>> FRunning;
    QEventLoop* FWaitLoop = nullptr;
    bool FIsFinished = false;
    double FTimeFactor = 1;
    TRecorder FRecorder;
};
