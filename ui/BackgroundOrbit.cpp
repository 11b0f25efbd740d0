#include "BackgroundOrbit.h"

#include <cmath>

namespace vorbia {

QPoint BackgroundOrbit::Tick(QSize drawingArea, QSize picture, int panelsHeight) {
    angle_ += 1.0 / 180.0;
    if (angle_ > 6.283058) angle_ = 0;
    const int cx = (drawingArea.width() - picture.width()) / 2;
    const int cy = (drawingArea.height() - picture.height()) / 2;
    // Zero means "not computed yet", so a table too low for a circle recomputes every tick.
    if (radius_ == 0) {
        radius_ = static_cast<int>(
            std::nearbyint((drawingArea.height() - 100 - panelsHeight) / 2.0 - 50));
    }
    return {static_cast<int>(std::lround(radius_ * std::cos(angle_) + cx)),
            static_cast<int>(std::lround(radius_ * std::sin(angle_) + cy))};
}

}  // namespace vorbia
