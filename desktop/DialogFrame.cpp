#include "DialogFrame.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QIcon>
#include <QMargins>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "WindowSystem.h"

#ifdef VORBIA_HAS_XCB
#include <xcb/xcb.h>
#endif

namespace vorbia {

namespace {

constexpr int kLongestWaitForFrameMs = 3000;
constexpr int kLookEveryMs = 20;
constexpr int kLooksCentredToStop = 10;

// The frame as the window manager states it. Qt keeps the frame it read first, and when it read
// it before the window manager had framed the window it never learns the real one.
std::optional<QMargins> FrameExtents(const QWidget* window) {
#ifdef VORBIA_HAS_XCB
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr || window->windowHandle() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    static const char kName[] = "_NET_FRAME_EXTENTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName), nullptr);
    if (atom == nullptr) return std::nullopt;
    const xcb_atom_t name = atom->atom;
    std::free(atom);
    if (name == XCB_ATOM_NONE) return std::nullopt;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()), name,
                         XCB_ATOM_CARDINAL, 0, 4),
        nullptr);
    std::optional<QMargins> frame;
    if (reply != nullptr && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        const qreal ratio = window->devicePixelRatioF();
        const auto side = [&](int index) { return qRound(sides[index] / ratio); };
        frame = QMargins(side(0), side(2), side(1), side(3));  // left, right, top, bottom
    }
    std::free(reply);
    if (frame && frame->isNull()) return std::nullopt;
    return frame;
#else
    Q_UNUSED(window);
    return std::nullopt;
#endif
}

QMargins Frame(const QWidget* window) {
    if (const auto frame = FrameExtents(window)) return *frame;
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The outer rectangle the window takes when centred in `area`.
QRect Centred(const QWidget* window, const QRect& area) {
    const QMargins frame = Frame(window);
    const QSize outer = window->size().grownBy(frame);
    return {QPoint(area.left() + (area.width() - outer.width()) / 2,
                   area.top() + (area.height() - outer.height()) / 2),
            outer};
}

// The inner area is placed, so that the result does not hang on whether Qt knows the frame.
void Centre(QWidget* window, const QRect& area) {
    const QMargins frame = Frame(window);
    const QRect outer = Centred(window, area);
    window->setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), window->size()));
}

bool FrameKnown(const QWidget* window) { return !Frame(window).isNull(); }

// Places the window again as soon as the window manager has framed it, and until it stays
// where it was put: the frame comes as a property the window manager sets, with no event of
// its own, and the window manager may still move the window once while it maps it.
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
            Finish();
            return;
        }
        if (!FrameKnown(window_)) return;
        if (OuterGeometry(window_).center() == Centred(window_, area_()).center()) {
            if (++lookedCentred_ == kLooksCentredToStop) Finish();
            return;
        }
        lookedCentred_ = 0;
        Centre(window_, area_());
    }

    void Finish() {
        look_.stop();
        deleteLater();
    }

    QWidget* window_;
    std::function<QRect()> area_;
    QTimer look_;
    QElapsedTimer waited_;
    int lookedCentred_ = 0;
};

}  // namespace

void FrameWithCloseOnly(QWidget* window) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void CentreWithFrame(QWidget* window, std::function<QRect()> area) {
    // Wayland's compositor alone places windows: it ignores a position and sends no frame.
    if (OnWayland()) return;
    Centre(window, area());
    new FrameWatch(window, std::move(area));
}

QRect OuterGeometry(const QWidget* window) {
    return window->geometry().marginsAdded(Frame(window));
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/table-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/table-48.png"), QSize(48, 48));
    return icon;
}

}  // namespace vorbia
