// The table's size on the screen: maximised for every hand, within the work area when restored.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <functional>

#include "CardTable.h"
#include "DialogFrame.h"
#include "WindowSystem.h"

namespace vorbia {

namespace {

// Openbox answers within a few milliseconds; a window manager that never fills the screen
// costs this once per hand.
constexpr int kLongestWaitForMaximiseMs = 2000;
// A Wayland compositor answers within a round trip; this bounds one that never does.
constexpr int kLongestWaitForCompositorMs = 500;
constexpr int kRestoreSettlesMs[] = {100, 600};

// Lets the window system's events in, but not the player's, until `done` or `limitMs`.
void WaitFor(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < limitMs) {
        QCoreApplication::processEvents(
            QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents, 20);
    }
}

// Notes the compositor's word that the window is maximised. Qt records a requested state at
// once; the compositor's answer comes as a state change from the platform (a spontaneous
// event), delivered together with the size it brings.
class MaximisedByCompositor : public QObject {
  public:
    explicit MaximisedByCompositor(QWindow* window) : window_(window) {
        if (window_ != nullptr) window_->installEventFilter(this);
    }
    ~MaximisedByCompositor() override {
        if (window_ != nullptr) window_->removeEventFilter(this);
    }

    bool Answered() const { return answered_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::WindowStateChange &&
            event->spontaneous() && (window_->windowStates() & Qt::WindowMaximized)) {
            answered_ = true;
        }
        return false;
    }

  private:
    QPointer<QWindow> window_;
    bool answered_ = false;
};

}  // namespace

bool CardTable::FillsScreen() const {
    if (screen() == nullptr) return true;
    const QSize free = screen()->availableGeometry().size();
    const QSize outer = OuterGeometry(this).size();
    return outer.width() >= free.width() && outer.height() >= free.height();
}

// The window manager maximises some time after it is asked; a hand laid out before then would
// be placed for the old size and stay so until the next hand.
void CardTable::Maximise() {
    if (options_.fixedDrawingArea) return;
    if (!isVisible()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    if (OnWayland()) {
        // No work area to compare with; the compositor reports a restore as it happens, so
        // a table that is maximised stays so.
        if (isMaximized()) return;
        MaximisedByCompositor answer(windowHandle());
        showMaximized();
        WaitFor([&answer] { return answer.Answered(); }, kLongestWaitForCompositorMs);
        return;
    }
    if (isMaximized() && FillsScreen()) return;
    showMaximized();
    WaitFor([this] { return FillsScreen(); }, kLongestWaitForMaximiseMs);
}

// Restored, the table comes back as large as the work area, frame included.
void CardTable::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if ((before & Qt::WindowMaximized) && windowState() == Qt::WindowNoState) {
        // Wayland tells of no work area, but the table still has the size the compositor gave
        // it maximised, which is the work area: the new size follows this state change.
        QRect workArea;
        if (OnWayland()) {
            workArea = QRect(QPoint(), OuterGeometry(this).size());
        } else if (screen() != nullptr) {
            workArea = screen()->availableGeometry();
        }
        // Once the window manager has finished restoring, or it puts its own size back; it
        // may take a moment to settle, so a second look follows.
        for (int delay : kRestoreSettlesMs)
            QTimer::singleShot(delay, this, [this, workArea] { FitFrameTo(workArea); });
    }
}

void CardTable::FitFrameTo(const QRect& workArea) {
    if (workArea.isEmpty() || windowState() != Qt::WindowNoState) return;
    const QRect outer = OuterGeometry(this);
    const QRect inner = geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (OnWayland()) {
        // The compositor places the window; only its size is the program's.
        if (outer.size() != workArea.size()) resize(workArea.size().shrunkBy(frame));
        return;
    }
    if (outer == workArea) return;
    setGeometry(workArea.marginsRemoved(frame));
}

}  // namespace vorbia
