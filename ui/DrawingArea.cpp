#include "DrawingArea.h"

#include <QMouseEvent>
#include <QPainter>

#include "StatusPanel.h"
#include "TableLayout.h"

namespace vorbia {

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DrawingArea"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMouseTracking(true);
}

void DrawingArea::DockPanels(StatusPanel* top, StatusPanel* belowTop, StatusPanel* bottom) {
    top_ = top;
    belowTop_ = belowTop;
    bottom_ = bottom;
    Dock();
}

void DrawingArea::Dock() {
    if (top_ == nullptr) return;
    top_->setGeometry(0, 0, width(), kTitlePanelHeight);
    belowTop_->setGeometry(0, kTitlePanelHeight, width(), kComputerNamePanelHeight);
    bottom_->setGeometry(0, height() - kHumanNamePanelHeight, width(), kHumanNamePanelHeight);
}

void DrawingArea::DrawFrame(const QRect& rect, const QColor& colour) {
    // Only the latest box at a place shows, so earlier ones there need not be kept.
    std::erase_if(frames_, [&](const Frame& old) { return rect.contains(old.rect); });
    frames_.push_back({rect, colour});
    update(rect);
}

void DrawingArea::ClearFrames() {
    frames_.clear();
    update();
}

void DrawingArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const Frame& frame : frames_) painter.fillRect(frame.rect, frame.colour);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(kTableEdgeX, kTableEdgeTop, kTableEdgeX, height() - 1);
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Dock();
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (childAt(event->position().toPoint()) == nullptr) emit BarePointerMoved();
}

}  // namespace vorbia
