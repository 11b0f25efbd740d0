#include "AdviceMark.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace vorbia {

void DrawAdviceMark(QPainter& painter, const QRect& card) {
    constexpr int kDiameter = 18;
    // Clear of the focus outline, which runs 6 px inside the card's edges.
    const QRectF badge(card.right() - 7 - kDiameter, card.top() + 7, kDiameter, kDiameter);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(QColor(0, 150, 60));
    painter.drawEllipse(badge);
    QPainterPath tick;
    tick.moveTo(badge.left() + 4.5, badge.center().y());
    tick.lineTo(badge.left() + 7.5, badge.bottom() - 5);
    tick.lineTo(badge.right() - 4, badge.top() + 5);
    painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    painter.restore();
}

}  // namespace vorbia
