#include "SpeedScrollBar.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace vorbia {

SpeedScrollBar::SpeedScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

void SpeedScrollBar::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
            triggerAction(event->key() == Qt::Key_Left ? SliderSingleStepSub : SliderSingleStepAdd);
            event->accept();
            return;
        }
    }
    QScrollBar::keyPressEvent(event);
}

void SpeedScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    // Some styles draw the mark only after a key moved the focus; here it always shows.
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.rect = rect().adjusted(1, 1, -1, -1);
    focus.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

}  // namespace vorbia
