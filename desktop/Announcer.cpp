#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace vorbia {

namespace {

// Long enough for a reader to have asked for the line's text.
constexpr int kLineLifetimeMs = 10000;

// Readers present what has the focus and drop most changes elsewhere; a notification that
// appears is the exception, and Qt 6.4 has no announcement call. Each line is an object of its
// own, so that a reader that asks for its text late still gets that line and not the next.
class SpokenLine : public QWidget {
  public:
    SpokenLine(const QString& text, QWidget* parent) : QWidget(parent) {
        setAccessibleName(text);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
    }
};

class AccessibleLine : public QAccessibleWidget {
  public:
    explicit AccessibleLine(QWidget* line) : QAccessibleWidget(line, QAccessible::Notification) {}
};

QAccessibleInterface* LineFactory(const QString&, QObject* object) {
    if (auto* line = dynamic_cast<SpokenLine*>(object)) return new AccessibleLine(line);
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget& window) : QObject(&window), window_(window) {
    static const bool installed = [] {
        QAccessible::installFactory(LineFactory);
        return true;
    }();
    (void)installed;
}

void Announcer::Say(const QString& text) {
    if (text.isEmpty() || !QAccessible::isActive()) return;
    // Its appearing is what a reader hears.
    auto* line = new SpokenLine(text, &window_);
    line->show();
    QTimer::singleShot(kLineLifetimeMs, line, &QObject::deleteLater);
}

}  // namespace vorbia
