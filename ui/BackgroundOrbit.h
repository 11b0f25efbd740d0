#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>

namespace vorbia {

// The background picture's circle about the middle of the table, clockwise on screen, one 1/180 rad
// step per tick. The radius is taken from the first tick's table height and kept.
class BackgroundOrbit {
  public:
    // `panelsHeight`: the three panels' heights added up. Returns the picture's new top-left.
    QPoint Tick(QSize drawingArea, QSize picture, int panelsHeight);

    double Angle() const { return angle_; }
    int Radius() const { return radius_; }

  private:
    double angle_ = 0;
    int radius_ = 0;
};

}  // namespace vorbia
