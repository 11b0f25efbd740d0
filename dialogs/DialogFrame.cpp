#include "DialogFrame.h"

#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace vorbia {

namespace {

constexpr int kLongestWaitForFrameMs = 3000;

void Centre(QWidget* window, const QRect& area) {
    const QSize outer = window->frameGeometry().size();
    window->move(area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2);
}

bool FrameKnown(const QWidget* window) { return window->frameGeometry().size() != window->size(); }

// Places the window again, once, as soon as the window manager has framed it.
class FrameWatch : public QObject {
  public:
    FrameWatch(QWidget* window, std::function<QRect()> area)
        : QObject(window), window_(window), area_(std::move(area)) {
        window->installEventFilter(this);
        // A desktop without a window manager never adds a frame: stop waiting for one.
        QTimer::singleShot(kLongestWaitForFrameMs, this, &QObject::deleteLater);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || done_) return false;
        if (event->type() == QEvent::Hide) {
            Finish();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   FrameKnown(window_)) {
            // Not from inside the window manager's own placing: once it has finished.
            QTimer::singleShot(0, window_,
                               [window = window_, area = area_] { Centre(window, area()); });
            Finish();
        }
        return false;
    }

  private:
    void Finish() {
        done_ = true;
        deleteLater();
    }

    QWidget* window_;
    std::function<QRect()> area_;
    bool done_ = false;
};

}  // namespace

void FrameWithCloseOnly(QWidget* window) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void CentreWithFrame(QWidget* window, std::function<QRect()> area) {
    Centre(window, area());
    if (!FrameKnown(window)) new FrameWatch(window, std::move(area));
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/table-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/table-48.png"), QSize(48, 48));
    return icon;
}

}  // namespace vorbia
