#include "ui/MotionStage.h"

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
    connect(animation, &QAbstractAnimation::finished, &loop, &QEventLoop::quit);
    // The animation clock ticks about every 16 ms; a precise timer ends the move on time.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, animation,
            [animation] { animation->setCurrentTime(animation->duration()); });
    deadline.start(animation->duration());
    FWaitLoop = &loop;
    if (animation->state() == QAbstractAnimation::Running) loop.exec();
    if (!self) return false;
    FWaitLoop = nullptr;
    // The loop also ends when the application quits (that ends every event loop): the move is
    // then still running, and the whole stage comes to its end.
    if (animation && animation->state() != QAbstractAnimation::Stopped) Finish();
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

void TMotionStage::Reset() {
    FIsFinished = false;
}
