#include "SelectOnFocusLineEdit.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <utility>

namespace vorbia {

SelectOnFocusLineEdit::SelectOnFocusLineEdit(QWidget* parent) : QLineEdit(parent) {}

void SelectOnFocusLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // QLineEdit selects on its own only when the focus came by Tab or a shortcut.
    selectAll();
}

void SelectOnFocusLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    releaseEndsDoubleClick_ = event->button() == Qt::LeftButton;
}

void SelectOnFocusLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (std::exchange(releaseEndsDoubleClick_, false)) return;
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace vorbia
