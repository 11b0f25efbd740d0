#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>
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

// A card's glide from `start` to `end`, `cardSpeed` pixels per axis per step, read anew at every
// step, one step every few milliseconds so that the card moves at the display's pace while the
// window goes on handling its events. The first step is taken at once; `arrived` is called a
// pause after the last. While `held` says so the card stands still; stopped, it stays where it
// stands.
class CardGlide : public QObject {
    Q_OBJECT

  public:
    CardGlide(QWidget& picture, QPoint start, QPoint end, const int& cardSpeed,
              std::function<bool()> held, std::function<void()> arrived, QObject* parent);

    void Stop() { pace_.stop(); }

  private:
    void Step();

    QWidget& picture_;
    GlidePath path_;
    const int& cardSpeed_;
    std::function<bool()> held_;
    std::function<void()> arrived_;
    QTimer pace_;
};

}  // namespace vorbia
