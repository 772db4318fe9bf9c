#include "ui/motion/MotionStage.h"

#include <QEventLoop>
#include <QPropertyAnimation>
#include <QTimer>

#include <algorithm>
#include <cmath>

TMotionStage::TMotionStage(QObject* AParent) : QObject(AParent) {}

QPropertyAnimation* TMotionStage::Start(QObject* ATarget, const char* AProperty, double ATo,
                                        int ADuration, QEasingCurve::Type AEasing,
                                        bool IsBlocking) {
    std::erase_if(FRunning, [](const QPointer<QPropertyAnimation>& a) { return a.isNull(); });
    for (const QPointer<QPropertyAnimation>& running : std::vector(FRunning))
        if (running && running->targetObject() == ATarget && running->propertyName() == AProperty)
            running->stop();

    if (FRecorder)
        FRecorder({ATarget->objectName(), QByteArray(AProperty),
                   ATarget->property(AProperty).toDouble(), ATo, ADuration, AEasing, IsBlocking});
    if (FIsFinished) {
        ATarget->setProperty(AProperty, ATo);
        return nullptr;
    }
    auto* animation = new QPropertyAnimation(ATarget, AProperty, this);
    animation->setEndValue(ATo);
    animation->setDuration(std::max(1, int(std::lround(ADuration * FTimeFactor))));
    animation->setEasingCurve(AEasing);
    FRunning.emplace_back(animation);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    return animation;
}

void TMotionStage::ParallelMove(QObject* ATarget, const char* AProperty, double ATo, int ADuration,
                                QEasingCurve::Type AEasing) {
    Start(ATarget, AProperty, ATo, ADuration, AEasing, false);
}

bool TMotionStage::BlockingMove(QObject* ATarget, const char* AProperty, double ATo, int ADuration,
                                QEasingCurve::Type AEasing) {
    QPointer<QPropertyAnimation> animation =
        Start(ATarget, AProperty, ATo, ADuration, AEasing, true);
    if (!animation) return false;
    QPointer<TMotionStage> self(this);
    QEventLoop loop;
    // The animation clock ticks about every 16 ms and may end a move up to a tick early or late;
    // the move takes its duration to the millisecond on a precise timer, which also puts the
    // value at its target.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, &loop, [&loop, animation] {
        if (animation && animation->state() != QAbstractAnimation::Stopped)
            animation->setCurrentTime(animation->duration());
        loop.quit();
    });
    deadline.start(animation->duration());
    FWaitLoop = &loop;
    loop.exec();
    if (!self) return false;
    FWaitLoop = nullptr;
    // The loop also ends early when the stage is finished, or when the application quits (that
    // ends every event loop): then the whole stage comes to its end.
    if (deadline.isActive()) Finish();
    return !FIsFinished;
}

void TMotionStage::Finish() {
    FIsFinished = true;
    for (const QPointer<QPropertyAnimation>& running : std::vector(FRunning))
        if (running && running->state() != QAbstractAnimation::Stopped)
            running->setCurrentTime(running->duration());
    FRunning.clear();
    if (FWaitLoop) FWaitLoop->quit();
}

void TMotionStage::Reset() { FIsFinished = false; }
