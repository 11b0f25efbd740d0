#include "BusyPointer.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "WindowSystem.h"

namespace vorbia {

namespace {

constexpr int kSize = 24;

// An hourglass drawn here, in one frame. On Wayland, Qt 6.4 deletes the frame callback of an
// animated theme pointer (such as Adwaita's busy one, Debian's default) while that callback is
// still running whenever the next frame's time has come first, and then reads the freed
// memory: the program crashes when that memory has been handed out again meanwhile. A pointer
// of one frame asks for no frame callbacks at all.
QPixmap HourglassPicture() {
    const qreal ratio = std::ceil(qApp->devicePixelRatio());
    QPixmap picture(QSize(kSize, kSize) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath glass;
    glass.moveTo(6, 3);
    glass.lineTo(18, 3);
    glass.cubicTo(18, 9, 13.5, 10, 13.5, 12);
    glass.cubicTo(13.5, 14, 18, 15, 18, 21);
    glass.lineTo(6, 21);
    glass.cubicTo(6, 15, 10.5, 14, 10.5, 12);
    glass.cubicTo(10.5, 10, 6, 9, 6, 3);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(glass);

    const QColor sand(214, 160, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sand);
    painter.drawPolygon(QPolygonF({{8.5, 7}, {15.5, 7}, {12, 11}}));
    painter.drawPolygon(QPolygonF({{12, 15}, {16.6, 20}, {7.4, 20}}));

    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(4, 1, 16, 3), 1, 1);
    painter.drawRoundedRect(QRectF(4, 20, 16, 3), 1, 1);
    return picture;
}

QCursor BusyCursor() {
    if (!OnWayland()) return QCursor(Qt::WaitCursor);
    return QCursor(HourglassPicture(), kSize / 2, kSize / 2);
}

}  // namespace

void SetBusyPointer(bool& shown, bool busy) {
    if (busy == shown) return;
    shown = busy;
    if (busy) {
        QApplication::setOverrideCursor(BusyCursor());
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace vorbia
