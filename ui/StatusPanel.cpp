#include "StatusPanel.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include "FocusMark.h"

namespace vorbia {

StatusPanel::StatusPanel(const QString& name, const QFont& font, QWidget* parent)
    : QFrame(parent), textColour_(palette().color(QPalette::WindowText)) {
    setObjectName(name);
    setFont(font);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    // Pointer moves over a panel are not moves over the bare table.
    setAttribute(Qt::WA_NoMousePropagation);
}

void StatusPanel::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StatusPanel::SetFocusMark(bool shown) {
    focusMark_ = shown;
    if (hasFocus()) update();
}

void StatusPanel::SetTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

void StatusPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(textColour_);
    painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
    if (focusMark_ && hasFocus()) DrawFocusMark(painter, rect());
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
    event->accept();
}

}  // namespace vorbia
