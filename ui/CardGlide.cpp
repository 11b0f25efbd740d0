#include "CardGlide.h"

#include <QWidget>
#include <algorithm>

namespace vorbia {

namespace {

constexpr int kStepPauseMs = 5;

int ClampedStep(int from, int to, int direction, int speed) {
    const int next = from + speed * direction;
    return direction > 0 ? std::min(next, to) : std::max(next, to);
}

}  // namespace

GlidePath::GlidePath(QPoint start, QPoint end)
    : position_(start),
      end_(end),
      dx_(start.x() <= end.x() ? 1 : -1),
      dy_(start.y() <= end.y() ? 1 : -1) {}

QPoint GlidePath::Step(int speed) {
    position_.setX(ClampedStep(position_.x(), end_.x(), dx_, speed));
    position_.setY(ClampedStep(position_.y(), end_.y(), dy_, speed));
    return position_;
}

CardGlide::CardGlide(QWidget& picture, QPoint start, QPoint end, const int& cardSpeed,
                     std::function<bool()> held, std::function<void()> arrived, QObject* parent)
    : QObject(parent),
      picture_(picture),
      path_(start, end),
      cardSpeed_(cardSpeed),
      held_(std::move(held)),
      arrived_(std::move(arrived)) {
    pace_.setTimerType(Qt::PreciseTimer);
    pace_.setInterval(kStepPauseMs);
    connect(&pace_, &QTimer::timeout, this, [this] {
        if (held_()) return;
        if (path_.Arrived()) {
            pace_.stop();
            arrived_();
            return;
        }
        Step();
    });
    Step();
    pace_.start();
}

void CardGlide::Step() {
    // A speed below 1 would never arrive.
    const QPoint next = path_.Step(std::max(cardSpeed_, 1));
    picture_.move(picture_.x(), next.y());
    picture_.move(next);
}

}  // namespace vorbia
