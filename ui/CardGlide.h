#pragma once

#include <QPoint>
#include <functional>

class QWidget;

namespace vorbia {

// The path of a glide: both coordinates advance by the same step toward the end, each clamped
// there, so a card runs diagonally until one coordinate has arrived and then straight on.
class GlidePath {
  public:
    GlidePath(QPoint start, QPoint end);

    QPoint Step(int speed);
    bool Arrived() const { return position_ == end_; }
    QPoint Position() const { return position_; }

  private:
    QPoint position_;
    QPoint end_;
    int dx_;
    int dy_;
};

// MoveCard: glides `picture` from `start` to `end`, `cardSpeed` pixels per axis per step, read
// anew at every step. Between steps the window handles its events for a few milliseconds, so
// the card moves at the display's pace and clicks, ticks and commands run meanwhile. Returns
// where the picture stands as soon as `cutShort` says so.
void MoveCard(QWidget& picture, QPoint start, QPoint end, const int& cardSpeed,
              const std::function<bool()>& cutShort);

}  // namespace vorbia
