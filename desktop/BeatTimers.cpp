#include "desktop/BeatTimers.h"

#include <QTimer>

BeatTimers::BeatTimers(QObject& owner, long interval) : QObject(&owner) {
    move_ = new QTimer(&owner);
    move_->setObjectName(QStringLiteral("MoveTimer"));
    move_->setTimerType(Qt::PreciseTimer);
    move_->setInterval(static_cast<int>(interval));
    frame_ = new QTimer(&owner);
    frame_->setObjectName(QStringLiteral("FrameTimer"));
    frame_->setSingleShot(true);
}

void BeatTimers::AfterTick(std::optional<long> next) {
    if (!next) {
        move_->stop();
    } else if (!move_->isActive() || move_->interval() != *next) {
        move_->start(static_cast<int>(*next));
    }
}

void BeatTimers::Restart(std::optional<long> next) {
    if (next) {
        move_->start(static_cast<int>(*next));
    } else {
        move_->stop();
    }
}

void BeatTimers::SetFrame(std::optional<long> next) {
    if (next) {
        frame_->start(static_cast<int>(*next));
    } else if (frame_->isActive()) {
        frame_->stop();
    }
}
