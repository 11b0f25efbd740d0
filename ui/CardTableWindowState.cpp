// The table's size on the screen: maximised for every hand, the whole screen when restored.
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "CardTable.h"
#include "DialogFrame.h"

namespace vorbia {

namespace {

// Openbox answers within a few milliseconds; a window manager that never fills the screen
// costs this once per hand.
constexpr int kLongestWaitForMaximiseMs = 2000;
constexpr int kRestoreSettlesMs[] = {100, 600};

}  // namespace

bool CardTable::FillsScreen() const {
    if (screen() == nullptr) return true;
    const QSize free = screen()->availableGeometry().size();
    const QSize outer = OuterGeometry(this).size();
    return outer.width() >= free.width() && outer.height() >= free.height();
}

// The window manager maximises some time after it is asked; a hand laid out before then would
// be placed for the old size and stay so until the next hand.
void CardTable::Maximise(std::function<void()> then) {
    const bool nothingToWaitFor = options_.fixedDrawingArea || !isVisible() ||
                                  (isMaximized() && FillsScreen());
    if (!options_.fixedDrawingArea && !isVisible()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    }
    if (nothingToWaitFor) {
        if (then) then();
        return;
    }
    afterMaximise_ = std::move(then);
    maximiseLimit_.start(kLongestWaitForMaximiseMs);
    showMaximized();
}

// Looked at whenever the window changes size, and once the wait's limit has passed.
void CardTable::MaximiseSettled() {
    if (!afterMaximise_) return;
    if (!FillsScreen() && maximiseLimit_.isActive()) return;
    maximiseLimit_.stop();
    std::exchange(afterMaximise_, {})();
}

void CardTable::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (afterMaximise_) MaximiseSettled();
}

// Restored, the table comes back as large as the screen, frame included.
void CardTable::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    if (afterMaximise_) MaximiseSettled();
    const auto before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if ((before & Qt::WindowMaximized) && windowState() == Qt::WindowNoState) {
        // Once the window manager has finished restoring, or it puts its own size back; it
        // may take a moment to settle, so a second look follows.
        for (int delay : kRestoreSettlesMs)
            QTimer::singleShot(delay, this, &CardTable::FitFrameToScreen);
    }
}

void CardTable::FitFrameToScreen() {
    if (screen() == nullptr || windowState() != Qt::WindowNoState) return;
    const QRect whole = screen()->geometry();
    const QRect outer = OuterGeometry(this);
    if (outer == whole) return;
    const QRect inner = geometry();
    setGeometry(whole.adjusted(inner.left() - outer.left(), inner.top() - outer.top(),
                               inner.right() - outer.right(), inner.bottom() - outer.bottom()));
}

}  // namespace vorbia
