#include "CardGlide.h"

#include <QEventLoop>
#include <QTimer>
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

void MoveCard(QWidget& picture, QPoint start, QPoint end, const int& cardSpeed,
              const std::function<bool()>& cutShort) {
    GlidePath path(start, end);
    QEventLoop stepLoop;
    QTimer pace;
    pace.setSingleShot(true);
    pace.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pace, &QTimer::timeout, &stepLoop, &QEventLoop::quit);
    do {
        // A speed below 1 would never arrive.
        const QPoint next = path.Step(std::max<int>(cardSpeed, 1));
        picture.move(picture.x(), next.y());
        picture.move(next);
        pace.start(kStepPauseMs);
        stepLoop.exec();
        if (cutShort()) return;
    } while (!path.Arrived());
}

}  // namespace vorbia
