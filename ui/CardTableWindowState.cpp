// The table's size on the screen: maximised for every hand, within the work area when restored.
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

// Tells of the compositor's word that the window is maximised. Qt records a requested state at
// once; the compositor's answer comes as a state change from the platform (a spontaneous
// event), with the size it brings close behind, so the word is passed on once that has come.
class CompositorAnswer : public QObject {
  public:
    CompositorAnswer(QWindow* window, std::function<void()> answered, QObject* parent)
        : QObject(parent), window_(window), answered_(std::move(answered)) {
        if (window_ != nullptr) window_->installEventFilter(this);
    }
    ~CompositorAnswer() override {
        if (window_ != nullptr) window_->removeEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::WindowStateChange &&
            event->spontaneous() && (window_->windowStates() & Qt::WindowMaximized)) {
            QTimer::singleShot(0, this, answered_);
        }
        return false;
    }

  private:
    QPointer<QWindow> window_;
    std::function<void()> answered_;
};

}  // namespace

bool CardTable::FillsScreen() const {
    if (screen() == nullptr) return true;
    const QSize free = screen()->availableGeometry().size();
    const QSize outer = OuterGeometry(this).size();
    return outer.width() >= free.width() && outer.height() >= free.height();
}

// The window manager maximises some time after it is asked; a hand laid out before then would
// be placed for the old size and stay so until the next hand. On X11 the window then fills the
// work area; Wayland tells of no work area, so there the compositor's own answer counts, and a
// table it reports maximised stays so.
void CardTable::Maximise(std::function<void()> then) {
    const bool maximised = OnWayland() ? isMaximized() : isMaximized() && FillsScreen();
    const bool nothingToWaitFor = options_.fixedDrawingArea || !isVisible() || maximised;
    if (!options_.fixedDrawingArea && !isVisible()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    }
    if (nothingToWaitFor) {
        if (then) then();
        return;
    }
    afterMaximise_ = std::move(then);
    maximisedByCompositor_ = false;
    if (OnWayland()) {
        delete compositorAnswer_;
        compositorAnswer_ = new CompositorAnswer(
            windowHandle(),
            [this] {
                maximisedByCompositor_ = true;
                MaximiseSettled();
            },
            this);
    }
    maximiseLimit_.start(OnWayland() ? kLongestWaitForCompositorMs : kLongestWaitForMaximiseMs);
    showMaximized();
}

// Looked at whenever the window changes size or state, and once the wait's limit has passed.
void CardTable::MaximiseSettled() {
    if (!afterMaximise_) return;
    const bool maximised = OnWayland() ? maximisedByCompositor_ : FillsScreen();
    if (!maximised && maximiseLimit_.isActive()) return;
    maximiseLimit_.stop();
    delete compositorAnswer_;
    std::exchange(afterMaximise_, {})();
}

void CardTable::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (afterMaximise_) MaximiseSettled();
}

// Restored, the table comes back as large as the work area, frame included.
void CardTable::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    if (afterMaximise_) MaximiseSettled();
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
