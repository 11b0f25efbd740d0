#include "DialogFrame.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace vorbia {

namespace {

constexpr int kLongestWaitForFrameMs = 3000;
constexpr int kLookEveryMs = 20;

void Centre(QWidget* window, const QRect& area) {
    const QSize outer = window->frameGeometry().size();
    window->move(area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2);
}

bool FrameKnown(const QWidget* window) { return window->frameGeometry().size() != window->size(); }

// Places the window again, once, as soon as the window manager has framed it. Qt learns the
// frame from a property the window manager sets, with no event of its own, so it is looked for.
class FrameWatch : public QObject {
  public:
    FrameWatch(QWidget* window, std::function<QRect()> area)
        : QObject(window), window_(window), area_(std::move(area)) {
        connect(&look_, &QTimer::timeout, this, &FrameWatch::Look);
        look_.start(kLookEveryMs);
        waited_.start();
    }

  private:
    void Look() {
        if (!window_->isVisible() || waited_.elapsed() > kLongestWaitForFrameMs) {
            deleteLater();
        } else if (FrameKnown(window_)) {
            Centre(window_, area_());
            deleteLater();
        }
        if (!look_.isActive()) return;
        if (waited_.elapsed() > kLongestWaitForFrameMs || FrameKnown(window_)) look_.stop();
    }

    QWidget* window_;
    std::function<QRect()> area_;
    QTimer look_;
    QElapsedTimer waited_;
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
