#include "DialogGeometry.h"

#include <QScreen>
#include <QWidget>

namespace vorbia {

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) return;
    const QRect whole = screen->geometry();
    // Before the window manager has framed the window the frame is not known yet; the inner
    // size is then the best estimate.
    const QSize outer = window->frameGeometry().size();
    window->move(whole.left() + (whole.width() - outer.width()) / 2,
                 whole.top() + (whole.height() - outer.height()) / 2);
}

}  // namespace vorbia
