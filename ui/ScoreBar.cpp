#include "ScoreBar.h"

#include <QPainter>
#include <algorithm>

namespace vorbia {

ScoreBar::ScoreBar(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setAttribute(Qt::WA_NoMousePropagation);
}

void ScoreBar::Clear() {
    boxes_.clear();
    update();
}

void ScoreBar::DrawBox(int right, const QColor& colour) {
    const int height = contentsRect().height();
    const QRect box(QPoint(std::min(0, right), 0), QPoint(std::max(0, right), height));
    // A box that covers an earlier one of the same colour makes it invisible; forgetting it
    // keeps the list as short as the bar's visible history.
    std::erase_if(boxes_,
                  [&](const Box& old) { return old.colour == colour && box.contains(old.rect); });
    boxes_.push_back({box, colour});
    update();
}

void ScoreBar::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    for (const Box& box : boxes_)
        painter.fillRect(box.rect.translated(inside.topLeft()), box.colour);
}

}  // namespace vorbia
