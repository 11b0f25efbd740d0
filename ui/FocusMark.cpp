#include "FocusMark.h"

#include <QPainter>
#include <QPen>

namespace vorbia {

void DrawFocusMark(QPainter& painter, const QRect& element) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 120, 215), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(element.adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(element.adjusted(4, 4, -5, -5));
    painter.restore();
}

}  // namespace vorbia
